// Events that arrive while a command lets messages run, and games that have ended: an ended game
// stays ended, each game is recorded once, and charges are fair.
#include <climits>

#include "core/equation.h"
#include "game_fixture.h"

namespace sb {
namespace {

using test::GameTest;

std::vector<std::string> Results(const RecordingPresentation& ui) {
  std::vector<std::string> results;
  for (const GameRecord& record : ui.records)
    results.push_back(std::string(1, ResultLetter(record.result)));
  return results;
}

class ReentryTest : public GameTest {
 protected:
  // Picks the tunnel's second cell and then a wrong answer beside it; returns the wrong cell.
  Pos WrongAnswerCell() {
    Pick(tunnel[1]);
    const Pos wrong = OffTunnelNeighbour(tunnel[1]);
    EXPECT_NE(wrong.col, 0);
    const std::int64_t a = At(tunnel[0]).number;
    const std::int64_t b = At(tunnel[1]).number;
    At(wrong).number = static_cast<std::int32_t>(a * b + a + b + 7);  // no equation gives it
    return wrong;
  }

  // Picks the tunnel from the given position (the entrance being 1) up to the cell before home.
  void FollowTheTunnelFrom(size_t position) { PickAll(TunnelSpan(position, tunnel.size() - 1)); }
};

TEST_F(ReentryTest, PathCommandsInsideTheIncorrectFlashDoNothing) {
  for (const Key key : {Key::F12, Key::Backspace, Key::F11, Key::F4}) {
    NewGame(4);
    const Pos wrong = WrongAnswerCell();
    const int clues = game.state().clueCount;
    const std::int64_t n = At(wrong).number;
    DuringFlash("Incorrect", [&] { game.Press(key); });
    Pick(wrong);
    // Only the wrong answer went back, charged once for the answer and once for going back.
    EXPECT_EQ(Tail(), tunnel[1]);
    EXPECT_EQ(Score(), -(n / 2) - n / 10);
    EXPECT_EQ(game.state().clueCount, clues);
    EXPECT_FALSE(game.state().gameOver);
    EXPECT_TRUE(ui.records.empty());
    EXPECT_TRUE(game.controls().xGame);
    ui.onProcessMessages = nullptr;
    FollowTheTunnelFrom(3);
    EXPECT_EQ(Results(ui), std::vector<std::string>{"W"});
  }
}

TEST_F(ReentryTest, AWormFailingInsideAFlashEndsTheGameForGood) {
  struct Case {
    const char* flash;
    bool wrongAnswer;  // else a pick far from the path
  };
  for (const Case c : {Case{"Incorrect", true}, Case{"Number not adjacent", false}}) {
    settings.Timed = true;
    NewGame(4);
    game.gTimerTimer();  // the worm is out
    const Pos wrong = WrongAnswerCell();
    const Pos far{tunnel[1].col <= 4 ? game.board().boardWidth : 1, game.board().boardHeight};
    ASSERT_FALSE(At(far).homeFlag);
    DuringFlash(c.flash, [&] {
      for (int tick = 0; tick < 6 && !game.state().gameOver; ++tick)
        game.gTimerTimer();
    });
    Pick(c.wrongAnswer ? wrong : far);
    ui.onProcessMessages = nullptr;
    EXPECT_EQ(Results(ui), std::vector<std::string>{"L"}) << c.flash;
    EXPECT_FALSE(game.controls().xGame) << c.flash;
    // The finished board takes no more picks, and the score stays at nothing.
    const Pos tail = Tail();
    FollowTheTunnelFrom(3);
    EXPECT_EQ(Tail(), tail) << c.flash;
    EXPECT_EQ(game.controls().Counter, "0") << c.flash;
    EXPECT_EQ(ui.records.size(), 1u) << c.flash;
  }
}

TEST_F(ReentryTest, TheTunnelCompleteFlashHoldsTheWin) {
  settings.Timed = true;
  NewGame(4);
  FollowTheTunnelFrom(2);
  ASSERT_EQ(Results(ui), std::vector<std::string>{"W"});
  const std::int64_t won = Score();

  // Key::Other stands for a worm timer event.
  for (const Key key : {Key::Backspace, Key::F12, Key::F11, Key::Other}) {
    NewGame(4);
    const int clues = game.state().clueCount;
    DuringFlash("Tunnel Complete", [&] {
      if (key == Key::Other) return game.gTimerTimer();
      game.Press(key);
    });
    FollowTheTunnelFrom(2);
    EXPECT_EQ(Results(ui), std::vector<std::string>{"W"});
    EXPECT_EQ(Score(), won);
    EXPECT_EQ(game.state().clueCount, clues);
    EXPECT_EQ(ui.flashes, std::vector<std::string>{"Tunnel Complete"});
  }
}

TEST_F(ReentryTest, OkWithoutItsPanelChangesNothing) {
  game.pOKClick();  // before any game
  EXPECT_FALSE(game.controls().xGame);
  NewGame(4);
  game.Solve1Click();
  game.pOKClick();
  EXPECT_FALSE(game.controls().xGame);
  Pick(tunnel[1]);
  EXPECT_EQ(Tail(), Entrance());
  EXPECT_TRUE(ui.records.empty());  // given up before any pick: not a game played
}

TEST_F(ReentryTest, BackspaceDuringGoBacksRepaintIsRefused) {
  NewGame();
  NumberTunnel({5, 15, 20, 40, 60});
  PickAll(TunnelSpan(2, 5));
  ASSERT_EQ(Score(), 80);
  // The key handler lets messages run first; go back's repaint is the second time.
  DuringPump(2, [&] { game.Press(Key::Backspace); });
  game.Press(Key::Backspace);
  EXPECT_EQ(Tail(), tunnel[3]);
  EXPECT_EQ(Score(), 80 - 60 / 10);
}

// A clue lays the cell before home, which no pick checked: what follows never refuses the correct
// tunnel, never wins by a pick beyond home, and never makes home the tail.
TEST_F(ReentryTest, BesideHomeTheCorrectTunnelIsWonAndNothingBeyondIt) {
  struct Case {
    const char* what;
    bool won;
  };
  const Case cases[] = {
      {"clue", true}, {"gohome", true}, {"pick beyond home", false}, {"goback", false}};
  for (const Case& c : cases) {
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
      NewGame(seed);
      const size_t n = tunnel.size();
      const Pos home = tunnel[n - 1];
      const Pos nextToHome = tunnel[n - 2];
      PickAll(TunnelSpan(2, n - 2));
      game.Clue1Click();
      ASSERT_EQ(Tail(), nextToHome) << seed;
      ASSERT_TRUE(ui.records.empty()) << seed;
      const std::string what = c.what;
      if (what == "clue") game.Clue1Click();
      if (what == "gohome") game.mGoHomeClick();
      if (what == "goback") game.mGoBackClick();
      if (what == "pick beyond home") {
        Pos beyond{0, 0};
        for (const Pos p : SideNeighbours(home))
          if (game.board().OnBoard(p.col, p.row) && !(p == nextToHome) && beyond.col == 0)
            beyond = p;
        ASSERT_GT(beyond.col, 0) << seed;
        Pick(beyond);
      }
      const auto results = Results(ui);
      EXPECT_EQ(results, c.won ? std::vector<std::string>{"W"} : std::vector<std::string>{})
          << c.what << " " << seed;
      EXPECT_FALSE(game.controls().pPenalty) << c.what << " " << seed;  // never "Try again"
      EXPECT_FALSE(Tail() == home) << c.what << " " << seed;
      EXPECT_TRUE(At(home).marked) << c.what << " " << seed;
    }
  }
}

// Home is the answer of the last equation: a number beside home that does not make it with the
// answer before never wins, and Go Home then asks to try again.
TEST_F(ReentryTest, TheLastEquationMustMakeHomesNumber) {
  for (const bool right : {true, false}) {
    for (std::uint64_t seed = 1; seed <= 10; ++seed) {
      NewGame(seed);
      const size_t n = tunnel.size();
      PickAll(TunnelSpan(2, n - 2));
      const std::int64_t a = At(tunnel[n - 3]).number;
      const std::int64_t home = At(tunnel[n - 1]).number;
      Cell& last = At(tunnel[n - 2]);
      while (!right && IsTrueEquation(a, last.number, home))
        ++last.number;
      Pick(tunnel[n - 2]);
      EXPECT_EQ(Results(ui), right ? std::vector<std::string>{"W"} : std::vector<std::string>{})
          << seed;
      if (right) continue;
      EXPECT_TRUE(game.controls().mGoHome) << seed;
      game.mGoHomeClick();
      EXPECT_EQ(ui.flashes.back(), "Tunnel complete") << seed;
      EXPECT_TRUE(game.controls().pPenalty) << seed;  // "Try again"
      EXPECT_TRUE(Results(ui).empty()) << seed;
    }
  }
}

TEST_F(ReentryTest, AWormStartedElsewhereIgnoresTheTunnelsEntrance) {
  settings.MarkEntrance = false;
  settings.Timed = true;
  NewGame(6);
  const Pos entrance = tunnel[0];
  const Pos start{entrance.col > 8 ? entrance.col - 4 : entrance.col + 4, 1};
  const Pos below{start.col, 2};
  ASSERT_FALSE(At(start).onTunnel || At(below).onTunnel);
  Pick(start);
  Pick(below);
  ASSERT_EQ(Tail(), below);
  EXPECT_FALSE(At(entrance).marked);
  for (int tick = 0; tick < 6 && !game.state().gameOver; ++tick)
    game.gTimerTimer();
  EXPECT_EQ(ui.wormSteps, (std::vector<Pos>{start, below}));
  EXPECT_EQ(Results(ui), std::vector<std::string>{"L"});
  // Solve showed the tunnel that was hidden, from its own entrance to home.
  for (const Pos p : tunnel)
    EXPECT_EQ(At(p).colour, kYellow) << p.col << "," << p.row;
}

TEST_F(ReentryTest, EquationsReadWhatTheWormAte) {
  settings.Timed = true;
  NewGame(4);
  Pick(tunnel[1]);
  game.gTimerTimer();  // unleashed
  game.gTimerTimer();  // eats the entrance
  ASSERT_EQ(At(tunnel[0]).number, 0);
  const std::int64_t eaten = At(tunnel[0]).eatenNumber;
  ui.Clear();
  Pick(tunnel[2]);  // the answer of the equation that began on the eaten entrance
  EXPECT_EQ(CueNames(ui.cues), std::vector<std::string>{"OK"});
  EXPECT_EQ(Score(), At(tunnel[2]).number - eaten);
  // One cell eaten, an odd number: the whole tunnel still completes.
  PickAll(TunnelSpan(4, tunnel.size() - 1));
  EXPECT_EQ(Results(ui), std::vector<std::string>{"W"});
}

TEST(CellGeometry, PixelsToCells) {
  struct Case {
    int x, y, cellSize;
    Pos cell;
  };
  const Case cases[] = {
      {3, 3, 40, {1, 1}},  // the margin picks the first column and row
      {10, 10, 40, {1, 1}},
      {49, 49, 40, {1, 1}},
      {50, 49, 40, {2, 1}},
      {-29, 5, 40, {1, 1}},  // truncation toward zero: still column 1
      {-30, 5, 40, {0, 1}},
      {INT_MIN, INT_MAX, 1, {INT_MIN, INT_MAX - 9}},
      {INT_MIN, 5, 40, {-53687090, 1}},
      {100, 100, 0, {0, 0}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CellUnderPixel(c.x, c.y, c.cellSize), c.cell) << c.x << " " << c.y;
  EXPECT_EQ(CellOrigin({3, 2}, 40), (PixelPos{90, 50}));
  EXPECT_EQ(CellCentre({3, 2}, 40), (PixelPos{110, 70}));
}

TEST_F(GameTest, ClicksFarOffTheBoardAreIgnored) {
  NewGame();
  for (const auto& [x, y] : {std::pair{INT_MIN, 5}, {5, INT_MIN}, {INT_MAX, INT_MAX}}) {
    game.xGameMouseMove(x, y);
    game.xGameClick(true);
    EXPECT_EQ(Tail(), Entrance());
  }
}

}  // namespace
}  // namespace sb
