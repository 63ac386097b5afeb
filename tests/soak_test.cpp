// Thousands of random games: random settings, picks, keys, commands and timer ticks, some of them
// arriving while another command lets messages run. After every action the board must be sound,
// a game that has ended must stay as it ended, and every game is recorded once, truly.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include "core/game.h"
#include "core/geometry.h"
#include "headless.h"
#include "maze_checks.h"
#include "util/random.h"

namespace sb {
namespace {

constexpr int kGames = 2000;

struct TunnelShape {
  std::vector<Pos> cells;
  std::vector<Cell> records;  // flags, links and steps as built
};

TunnelShape ShapeOf(const Board& board) {
  TunnelShape shape;
  board.ForEachCell([&](int col, int row, const Cell& cell) {
    shape.cells.push_back({col, row});
    shape.records.push_back(cell);
  });
  return shape;
}

// What each game showed, told apart by the worm sprites that only a new game hides.
class SoakPresentation : public RecordingPresentation {
 public:
  struct Seen {
    int completed = 0;  // "Tunnel Complete" flashed
    int overs = 0;      // the game-over tune (solve, or the worm's failure) played
    std::vector<std::string> results;
  };

  void HideWorm() override { ++game; }
  void FlashMessage(const std::string& text) override {
    if (text == "Tunnel Complete") ++seen[game].completed;
    RecordingPresentation::FlashMessage(text);
  }
  void PlayCue(Cue cue) override {
    if (cue == Cue::OverClip) ++seen[game].overs;
    RecordingPresentation::PlayCue(cue);
  }
  void RecordGame(const GameRecord& record) override {
    seen[game].results.push_back(std::string(1, ResultLetter(record.result)));
    RecordingPresentation::RecordGame(record);
  }

  int game = 0;
  std::map<int, Seen> seen;
};

// How a finished game stood, to be kept by everything that happens afterwards.
struct EndedGame {
  int game = -1;
  std::int64_t score = 0;
  std::string counter;
  Pos tail;
  std::vector<bool> marked;
};

class Soak {
 public:
  Soak() : dice_(20261207) {}

  void Run() {
    for (int g = 1; g <= kGames; ++g) {
      RandomSettings();
      SeedRandom(static_cast<std::uint64_t>(g));
      game_.New1Click();
      TakeShape();
      const int actions = Roll(10, 90);
      for (int a = 0; a < actions; ++a) {
        const std::string where = "game " + std::to_string(g) + " action " + std::to_string(a);
        const EndedGame before = Snapshot();
        inside_ = Roll(0, 9) == 0;  // one action in ten gets events inside its waits
        Act();
        inside_ = false;
        Check(where);
        CheckEndedGameKept(before, where);
        if (::testing::Test::HasFatalFailure()) return;
      }
    }
    CheckRecords();
    EXPECT_GT(won_, 20);
    EXPECT_GT(records_, kGames / 3);
  }

 private:
  int Roll(int low, int high) { return std::uniform_int_distribution<int>(low, high)(dice_); }
  bool Chance(int percent) { return Roll(1, 100) <= percent; }

  void RandomSettings() {
    settings_.handicap = Roll(-1, 1);
    settings_.tbSize = Roll(1, 4);
    settings_.tbTunnelLength = Roll(1, 4);
    settings_.Timed = Chance(40);
    settings_.Morphing = Chance(70);
    settings_.MarkEntrance = Chance(90);
    settings_.Milestones = Chance(20);
    settings_.FlashInCorrect = Chance(80);
    settings_.Multiplication = Chance(70);
    settings_.Division = Chance(70);
    settings_.SubTunnels = Roll(-1, 3);
    static constexpr int kMaximums[] = {99, 20, 1000, 5, 2};
    settings_.maxAnswer = kMaximums[Roll(0, 4)];
    settings_.minAnswer = Chance(80) ? 1 : 5;
    static constexpr PictureSize kPictures[] = {{1190, 700},  {1010, 490}, {800, 600},
                                                {1600, 1000}, {530, 290},  {300, 900}};
    ui_.picture = kPictures[Roll(0, 5)];
    ui_.optionsStartNewGame = Chance(50);
    ui_.onProcessMessages = [this] {
      if (inside_ && Roll(0, 3) == 0) LightAction();
    };
  }

  void TakeShape() {
    shape_ = ShapeOf(game_.board());
    paintsAtShape_ = ui_.formPaints;
    ASSERT_EQ(test::TunnelProblems(game_.board()), std::vector<std::string>{});
  }

  Pos Tail() const { return {game_.state().tailCol, game_.state().tailRow}; }

  void PickCell(Pos p) {
    const PixelPos centre = CellCentre(p, game_.state().cellSize);
    game_.xGameMouseMove(centre.x, centre.y);
    game_.xGameClick(true);
  }

  // A pick that often makes progress: the tunnel's next cell, a neighbour of the tail, or
  // anywhere at all.
  void RandomPick() {
    const Board& board = game_.board();
    const Pos tail = Tail();
    const int roll = Roll(0, 9);
    if (roll < 5 && tail.col > 0) {
      const Pos next = board.FollowLink(tail);
      if (next.col > 0) return PickCell(next);
    }
    if (roll < 8 && tail.col > 0) {
      static constexpr Pos kSteps[] = {{0, -1}, {0, 1}, {1, 0}, {-1, 0}};
      const Pos step = kSteps[Roll(0, 3)];
      return PickCell({tail.col + step.col, tail.row + step.row});
    }
    if (tail.col == 0 && Chance(50)) return PickCell({Roll(1, board.boardWidth), 1});
    game_.xGameMouseMove(Roll(-20, 2000), Roll(-20, 1200));
    game_.xGameClick(true);
  }

  // What can happen while a command waits: ticks, a pick, the notice panel's OK, a key.
  void LightAction() {
    switch (Roll(0, 6)) {
      case 0:
        return game_.gTimerTimer();
      case 1:
        return game_.mTimerTimer();
      case 2:
        return game_.bTimerTimer();
      case 3:
        return RandomPick();
      case 4:
        return game_.pOKClick();
      case 5: {
        static constexpr Key kKeys[] = {Key::Backspace, Key::F11,   Key::F12,
                                        Key::F4,        Key::Enter, Key::F2};
        game_.Press(kKeys[Chance(5) ? 5 : Roll(0, 4)]);
        return;
      }
      default:
        game_.Press(static_cast<Key>(Roll(0, 3)));
        return;
    }
  }

  void Act() {
    const int roll = Roll(0, 99);
    if (roll < 45) return RandomPick();
    if (roll < 55) {
      game_.Press(static_cast<Key>(Roll(0, 3)));  // an arrow
      return;
    }
    if (roll < 60) return game_.gTimerTimer();
    if (roll < 64) return game_.mTimerTimer();
    if (roll < 67) return game_.bTimerTimer();
    static constexpr Key kKeys[] = {Key::Backspace, Key::F4,  Key::F11, Key::Enter, Key::Space,
                                    Key::F1,        Key::F12, Key::F2,  Key::F7};
    const Key key = kKeys[Roll(0, 8)];
    if ((key == Key::F12 || key == Key::F2 || key == Key::F7) && !Chance(15)) return RandomPick();
    game_.Press(key);
    if (Chance(3)) game_.MenuClick(MenuItem::Banner);
    if (Chance(2)) game_.pOKClick();
  }

  EndedGame Snapshot() const {
    EndedGame ended;
    if (!game_.state().gameOver) return ended;
    ended.game = ui_.game;
    ended.score = game_.state().score;
    ended.counter = game_.controls().Counter;
    ended.tail = Tail();
    game_.board().ForEachCell(
        [&](int, int, const Cell& cell) { ended.marked.push_back(cell.marked); });
    return ended;
  }

  // A game that had ended before the action (its winning crawl included) is left as it was,
  // unless a new game replaced it.
  void CheckEndedGameKept(const EndedGame& before, const std::string& where) {
    if (before.game < 0 || before.game != ui_.game) return;
    const EndedGame after = Snapshot();
    ASSERT_EQ(after.game, before.game) << where << ": an ended game came back to life";
    ASSERT_EQ(after.score, before.score) << where;
    ASSERT_EQ(after.counter, before.counter) << where;
    ASSERT_EQ(after.tail, before.tail) << where;
    ASSERT_EQ(after.marked, before.marked) << where << ": the path changed";
  }

  // Each game is recorded at most once, with the result it showed: a win after "Tunnel
  // Complete", given up or lost after the game-over tune, abandoned after neither.
  void CheckRecords() {
    for (const auto& [game, seen] : ui_.seen) {
      ASSERT_LE(seen.results.size(), 1u) << "game " << game << " recorded twice";
      if (seen.results.empty()) continue;
      const std::string& result = seen.results[0];
      if (result == "W") {
        EXPECT_TRUE(seen.completed > 0 && seen.overs == 0) << "game " << game;
      } else if (result == "G" || result == "L") {
        EXPECT_TRUE(seen.overs > 0 && seen.completed == 0) << "game " << game << " " << result;
      } else {
        EXPECT_EQ(result, "A") << "game " << game;
        EXPECT_TRUE(seen.overs == 0 && seen.completed == 0) << "game " << game;
      }
    }
  }

  void Check(const std::string& where) {
    const Board& board = game_.board();
    const GameState& s = game_.state();
    const Controls& c = game_.controls();
    ASSERT_EQ(board.strayAccesses, 0) << where;
    ASSERT_EQ(ui_.diagnostics, std::vector<std::string>{}) << where;
    ASSERT_FALSE(s.settingUp) << where;
    if (ui_.formPaints != paintsAtShape_) {
      // A new game began inside the action: it must have been built whole.
      TakeShape();
    }
    // The tunnel itself never changes during play.
    for (size_t i = 0; i < shape_.cells.size(); ++i) {
      const Cell& now = board.at(shape_.cells[i]);
      const Cell& built = shape_.records[i];
      ASSERT_TRUE(now.onTunnel == built.onTunnel && now.link == built.link &&
                  now.step == built.step && now.entranceFlag == built.entranceFlag &&
                  now.homeFlag == built.homeFlag)
          << where << " cell " << shape_.cells[i].col << "," << shape_.cells[i].row;
    }
    // Every score change went through the counter.
    ASSERT_TRUE(c.Counter == ScoreCaption(s.score, board.maxScore) ||
                (c.Counter == "0" && s.score == 0))
        << where << ": " << c.Counter << " for " << s.score;
    if (!s.gameOver) CheckPath(where);
    for (const GameRecord& record : ui_.records) {
      ++records_;
      won_ += record.result == GameResult::Won;
      ASSERT_TRUE(record.score >= 0 && record.score <= 100);
    }
    ui_.records.clear();
    ui_.diagnostics.clear();
    ui_.flashes.clear();
    ui_.cues.clear();
    ui_.wormSteps.clear();
  }

  // In play, the marked cells hang together from the start of the path, and the tail is one of
  // them. Home is marked from the start (a clue may lead the path through it).
  void CheckPath(const std::string& where) {
    const Board& board = game_.board();
    const Pos start = board.Entrance();
    std::set<std::pair<int, int>> marked;
    std::pair<int, int> home;
    board.ForEachCell([&](int col, int row, const Cell& cell) {
      if (cell.homeFlag) home = {col, row};
      if (cell.marked) marked.insert({col, row});
    });
    const Pos tail = Tail();
    ASSERT_TRUE(tail.col == 0 || marked.count({tail.col, tail.row}))
        << where << " tail not on the path";
    if (marked.size() == 1) return;  // home alone: no path yet
    ASSERT_TRUE(marked.count({start.col, start.row})) << where << " path start not marked";
    std::set<std::pair<int, int>> reached{{start.col, start.row}};
    std::vector<std::pair<int, int>> todo{{start.col, start.row}};
    while (!todo.empty()) {
      const auto [col, row] = todo.back();
      todo.pop_back();
      for (const auto& n : {std::pair{col, row - 1}, std::pair{col, row + 1},
                            std::pair{col + 1, row}, std::pair{col - 1, row}}) {
        if (marked.count(n) && reached.insert(n).second) todo.push_back(n);
      }
    }
    reached.insert(home);
    ASSERT_EQ(reached.size(), marked.size()) << where << " path in pieces";
  }

  Settings settings_;
  SoakPresentation ui_;
  Game game_{settings_, ui_};
  std::mt19937 dice_;  // the test's own dice, apart from the game's generator
  TunnelShape shape_;
  int paintsAtShape_ = 0;
  bool inside_ = false;
  int won_ = 0;
  int records_ = 0;
};

TEST(Soak, RandomGamesKeepTheBoardSound) {
  Soak().Run();
}

}  // namespace
}  // namespace sb
