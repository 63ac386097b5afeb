// What the statistics record of a game says: the grade, handicap and timed worm it was started
// with, how it ended and the score it reached, whatever is chosen while it ends.
#include <functional>

#include "game_fixture.h"
#include "settings/grade_presets.h"

namespace sb {
namespace {

using test::GameTest;

enum class End { Won, GivenUp, GivenUpAtOnce, Lost, Abandoned, Closed, ClosedAtOnce };

struct Row {
  const char* what;
  int grade;  // chosen in the quick settings before the game: 1 .. 8, or 0 for none
  std::function<void(Settings&)> changed;  // controls changed by hand after that
  End end;
  std::function<void(Settings&)> whileEnding;  // chosen while the game ends
  // The nine fields handed over; {len} is the tunnel length and {won} a win's score in per cent.
  // None when the game is not recorded.
  const char* line;
};

const auto kNothing = [](Settings&) {};

class RecordTest : public GameTest {
 protected:
  // Gives the tunnel the numbers 10, 3, 7 and the board a maximum of 50 points, then picks the
  // equation 10-3=7: 7 points, 14 per cent.
  void PickAnEquationWorthFourteenPerCent() {
    NumberTunnel({10, 3, 7});
    game.board().maxScore = 50;
    PickAll(TunnelSpan(2, 3));
    ASSERT_EQ(Score(), 7);
  }

  // Plays the game to its end; change runs inside the ending, where a window would let the
  // player open the options (the crawl home, the game-over tune).
  void Play(End end, const std::function<void(Settings&)>& change) {
    const auto apply = [this, change] { change(settings); };
    switch (end) {
      case End::Won:
        DuringFlash("Tunnel Complete", apply);
        return PickAll(TunnelSpan(2, tunnel.size() - 1));
      case End::GivenUp:
        PickAnEquationWorthFourteenPerCent();
        DuringPump(1, apply);
        return game.Solve1Click();
      case End::GivenUpAtOnce:
        return game.Solve1Click();
      case End::Lost:
        // Points kept from answers taken back; the worm eats 20 of them and fails: 17 of 50.
        PickAnEquationWorthFourteenPerCent();
        game.AddScore(30);
        for (int tick = 0; tick < 100 && game.controls().gTimer.enabled(); ++tick)
          game.gTimerTimer();
        return;
      case End::Abandoned:
        PickAnEquationWorthFourteenPerCent();
        return game.New1Click();
      case End::Closed:
        PickAnEquationWorthFourteenPerCent();
        return game.RecordAbandonedGame();
      case End::ClosedAtOnce:
        return game.RecordAbandonedGame();
    }
  }
};

std::string Filled(std::string line, const std::string& name, const std::string& value) {
  if (const auto at = line.find(name); at != std::string::npos)
    line.replace(at, name.size(), value);
  return line;
}

TEST_F(RecordTest, EachGameAsItWasPlayed) {
  const auto grade = [](int g) { return [g](Settings& s) { ApplyGradePreset(s, g - 1); }; };
  const Row rows[] = {
      {"no grade chosen: the defaults lie nearest Grade 8", 0, kNothing, End::Won, kNothing,
       "W,8,-1,{won},{len},n,n,n"},
      {"Grade 1", 1, kNothing, End::Won, kNothing, "W,1,-1,{won},{len},n,n,n"},
      {"Grade 2", 2, kNothing, End::Won, kNothing, "W,2,-1,{won},{len},n,n,n"},
      {"Grade 3", 3, kNothing, End::Won, kNothing, "W,3,-1,{won},{len},n,n,n"},
      {"Grade 4", 4, kNothing, End::Won, kNothing, "W,4,-1,{won},{len},n,n,n"},
      {"Grade 5", 5, kNothing, End::Won, kNothing, "W,5,0,{won},{len},n,n,n"},
      {"Grade 6", 6, kNothing, End::Won, kNothing, "W,6,0,{won},{len},n,n,y"},
      {"Grade 7", 7, kNothing, End::Won, kNothing, "W,7,0,{won},{len},n,n,y"},
      {"Grade 8", 8, kNothing, End::Won, kNothing, "W,8,0,{won},{len},n,n,y"},
      {"Grade 6, then the timed worm off", 6, [](Settings& s) { s.Timed = false; }, End::Abandoned,
       kNothing, "A,6,0,14,{len},n,n,n"},
      {"Grade 3, then multiplication on: Grade 4's row", 3,
       [](Settings& s) { s.Multiplication = true; }, End::GivenUp, kNothing,
       "G,4,-1,14,{len},n,n,n"},
      {"Grade 3, then answers up to 50: the answers weigh most", 3,
       [](Settings& s) { s.maxAnswer = 50; }, End::GivenUp, kNothing, "G,7,-1,14,{len},n,n,n"},
      {"Grade 1, then density 3: as near Grade 2, the chosen grade wins", 1,
       [](Settings& s) { s.tbSize = 3; }, End::GivenUp, kNothing, "G,1,-1,14,{len},n,n,n"},
      {"Grade 1's row by hand, density 3: the lower grade wins", 0,
       [](Settings& s) {
         ApplyGradePreset(s, 0);
         s.tbSize = 3;
         s.UserLevel = -1;
       },
       End::GivenUp, kNothing, "G,1,-1,14,{len},n,n,n"},
      {"Grade 2, Grade 7 chosen during the crawl home", 2, kNothing, End::Won, grade(7),
       "W,2,-1,{won},{len},n,n,n"},
      {"Grade 5, given up with 7 of 50 points, Grade 8 chosen meanwhile", 5, kNothing, End::GivenUp,
       grade(8), "G,5,0,14,{len},n,n,n"},
      {"given up before any pick", 0, kNothing, End::GivenUpAtOnce, kNothing, nullptr},
      {"Grade 6, lost to the worm with 17 of 50 points", 6, kNothing, End::Lost, kNothing,
       "L,6,0,34,{len},n,n,y"},
      {"left by closing the program", 0, kNothing, End::Closed, kNothing, "A,8,-1,14,{len},n,n,n"},
      {"left by closing before any pick", 0, kNothing, End::ClosedAtOnce, kNothing, nullptr},
  };
  for (const Row& row : rows) {
    settings = Settings{};
    if (row.grade > 0) ApplyGradePreset(settings, row.grade - 1);
    row.changed(settings);
    NewGame(3);
    const int length = game.board().tunnelLength;
    Play(row.end, row.whileEnding);
    ui.onProcessMessages = nullptr;
    if (row.line == nullptr) {
      EXPECT_TRUE(ui.records.empty()) << row.what;
      continue;
    }
    ASSERT_EQ(ui.records.size(), 1u) << row.what;
    const std::int64_t won = Score() * 100 / game.board().maxScore;
    const std::string expected =
        Filled(Filled(row.line, "{len}", std::to_string(length)), "{won}", std::to_string(won));
    EXPECT_EQ(StatsLine(ui.records[0], "tag"), "tag," + expected) << row.what;
    ui.records.clear();
  }
}

}  // namespace
}  // namespace sb
