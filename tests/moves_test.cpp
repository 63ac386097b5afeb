// Picks: equation labels and scores, wrong answers, refusals and silent ignores.
#include <algorithm>
#include <set>

#include "game_fixture.h"

namespace sb {
namespace {

using test::GameTest;

class MovesTest : public GameTest {
 protected:
  void SetUp() override { NewGame(); }
};

TEST_F(MovesTest, EquationLabelsAndScores) {
  struct Case {
    int a, b, c;
    const char* label;
  };
  const Case cases[] = {
      {10, 3, 7, "10-3=7"}, {2, 2, 4, "2+2=4"},   {4, 2, 2, "4-2=2"},
      {6, 1, 6, "6÷1=6"},   {3, 4, 12, "3×4=12"}, {12, 4, 3, "12÷4=3"},
      {5, 9, 14, "5+9=14"}, {1, 1, 1, "1÷1=1"},   {2, 1, 2, "2÷1=2"},
  };
  for (const Case& c : cases) {
    NewGame();
    NumberTunnel({c.a, c.b, c.c});
    Pick(tunnel[1]);
    EXPECT_EQ(game.state().guidanceText, "Find answer for current equation using " +
                                             std::to_string(c.a) + " and " + std::to_string(c.b));
    EXPECT_TRUE(ui.cues.empty());  // the second number checks nothing
    Pick(tunnel[2]);
    EXPECT_EQ(game.controls().lEquation, c.label);
    EXPECT_EQ(Score(), c.c);
    EXPECT_EQ(game.controls().Counter, ScoreCaption(c.c, game.board().maxScore));
    EXPECT_EQ(CueNames(ui.cues), std::vector<std::string>{"OK"});
    EXPECT_EQ(
        game.state().guidanceText,
        "Continue by building next equation starting from last answer " + std::to_string(c.c));
    EXPECT_EQ(Tail(), tunnel[2]);
    EXPECT_TRUE(game.controls().mGoHome);
  }
}

TEST_F(MovesTest, WrongAnswerCostsByHandicapThenGoesBack) {
  // A right 5 + 15 = 20 first, then a wrong answer C after 20 and 2.
  struct Case {
    int handicap, c;
    std::int64_t score;
  };
  const Case cases[] = {
      {0, 12, 20 - 12 / 3 - 12 / 7},  // 4, then go back costs 1 more
      {-1, 12, 20 - 12 / 5 - 12 / 5},
      {1, 12, 20 - 12 / 2 - 12 / 10},
      {1, 3, 20 - 1},  // 3 div 2 = 1 is charged; go back's 3 div 10 = 0 costs nothing
      {-1, 4, 20},     // 4 div 5 = 0 and 4 div 5 = 0: nothing is charged
  };
  for (const Case& c : cases) {
    settings.handicap = c.handicap;
    NewGame();
    NumberTunnel({5, 15, 20, 2, c.c});
    PickAll(TunnelSpan(2, 5));
    EXPECT_EQ(Score(), c.score) << "handicap " << c.handicap << " answer " << c.c;
    EXPECT_EQ(Tail(), tunnel[3]);  // the wrong answer was taken back
    EXPECT_FALSE(At(tunnel[4]).marked);
    EXPECT_EQ(At(tunnel[4]).colour, kWhite);
    EXPECT_EQ(CueNames(ui.cues), (std::vector<std::string>{"OK", "Wrong"}));
    EXPECT_EQ(game.state().guidanceText, "Use [Go Back] to correct equation");
    EXPECT_TRUE(game.controls().xGame);
  }
}

TEST_F(MovesTest, SuggestionsAfterAWrongAnswer) {
  struct Case {
    int a, b;
    std::vector<std::string> allowed;
  };
  const Case cases[] = {
      {7, 2, {"7-2=5"}}, {3, 8, {"3+8=11"}},         {3, 3, {"3×3=9"}},
      {8, 8, {"8÷8=1"}}, {5, 5, {"5×5=25"}},         {6, 6, {"6÷6=1"}},
      {9, 3, {"9-3=6"}}, {2, 4, {"2+4=6", "2×4=8"}}, {4, 2, {"4-2=2", "4×2=8"}},
  };
  for (const Case& c : cases) {
    std::set<std::string> seen;
    for (int seed = 1; seed <= 12; ++seed) {
      NewGame(static_cast<std::uint64_t>(seed));
      NumberTunnel({c.a, c.b, 999});
      PickAll(TunnelSpan(2, 3));
      ASSERT_EQ(ui.flashes.size(), 1u);
      const std::string prefix = "Incorrect - try: ";
      ASSERT_EQ(ui.flashes[0].rfind(prefix, 0), 0u) << ui.flashes[0];
      const std::string suggestion = ui.flashes[0].substr(prefix.size());
      EXPECT_NE(std::find(c.allowed.begin(), c.allowed.end(), suggestion), c.allowed.end())
          << suggestion;
      seen.insert(suggestion);
    }
    EXPECT_EQ(seen.size(), c.allowed.size()) << c.a << " " << c.b;  // both forms turn up
  }
  settings.FlashInCorrect = false;
  NewGame();
  NumberTunnel({7, 2, 999});
  PickAll(TunnelSpan(2, 3));
  EXPECT_EQ(ui.flashes, std::vector<std::string>{"Incorrect"});
}

TEST_F(MovesTest, RefusedPicksAndTheirMessages) {
  // A path of four cells down from the entrance, off the tunnel where need be, with true
  // equations: entrance 5, then 1, 6, 1.
  const Pos e = Entrance();
  const int side = e.col > 3 ? -1 : 1;
  NumberTunnel({5});
  const std::vector<Pos> path{{e.col, 2}, {e.col, 3}, {e.col + side, 3}};
  At(path[0]).number = 1;
  At(path[1]).number = 6;
  At(path[2]).number = 1;
  PickAll(path);
  ASSERT_EQ(Tail(), path[2]);
  ASSERT_EQ(Score(), 6);
  ui.Clear();

  struct Case {
    Pos pick;
    const char* message;
  };
  const Pos far{e.col + 6 * side, 8};
  const Case cases[] = {
      {far, "Number not adjacent"},
      {{e.col + side, 2}, "Cannot split tunnel"},  // touches the tail and the path's second cell
  };
  for (const Case& c : cases) {
    ui.Clear();
    Pick(c.pick);
    EXPECT_EQ(ui.flashes, std::vector<std::string>{c.message});
    EXPECT_EQ(At(c.pick).colour, kWhite);
    EXPECT_FALSE(At(c.pick).marked);
    EXPECT_EQ(Tail(), path[2]);
    EXPECT_EQ(Score(), 6);
  }

  // A white cell with three yellow neighbours is refused before anything is coloured.
  const Pos boxed{e.col + 6 * side, 6};
  for (const Pos n : {Pos{boxed.col, 5}, Pos{boxed.col, 7}, Pos{boxed.col + 1, 6}})
    At(n).colour = kYellow;
  ui.Clear();
  Pick(boxed);
  EXPECT_EQ(ui.flashes, std::vector<std::string>{"Can't go there"});
  EXPECT_EQ(At(boxed).colour, kWhite);

  // Next to a yellow cell that is not on the path.
  const Pos stray{e.col + 6 * side, 9};
  At({stray.col, 10}).colour = kYellow;
  ui.Clear();
  Pick(stray);
  EXPECT_EQ(ui.flashes, std::vector<std::string>{"Not connected"});
  EXPECT_EQ(At(stray).colour, kWhite);
  EXPECT_EQ(Tail(), path[2]);
}

TEST_F(MovesTest, SilentlyIgnoredPicks) {
  const Pos e = Entrance();
  NumberTunnel({5, 1, 6});
  PickAll(TunnelSpan(2, 3));
  const Pos tail = Tail();
  const std::int64_t score = Score();
  At({1, 9}).number = 0;
  ui.Clear();
  struct Case {
    int x, y;
    const char* what;
  };
  const int size = game.state().cellSize;
  const auto centre = [size](Pos p) {
    const PixelPos pixel = CellCentre(p, size);
    return std::pair{pixel.x, pixel.y};
  };
  const Pos home = tunnel.back();
  const Case cases[] = {
      {centre({18, 4}).first, centre({18, 4}).second, "beyond the last column"},
      {centre({3, 11}).first, centre({3, 11}).second, "below the last row"},
      {centre({1, 9}).first, centre({1, 9}).second, "a cell without a number"},
      {centre(e).first, centre(e).second, "the entrance"},
      {centre(home).first, centre(home).second, "home"},
      {centre({e.col == 17 ? 15 : 17, 1}).first, centre({1, 1}).second, "the top row"},
      {-500, centre({1, 3}).second, "far left of the board"},
      {centre(tunnel[1]).first, centre(tunnel[1]).second, "the middle of the path"},
  };
  for (const Case& c : cases) {
    game.xGameMouseMove(c.x, c.y);
    game.xGameClick(true);
    EXPECT_EQ(Tail(), tail) << c.what;
    EXPECT_EQ(Score(), score) << c.what;
  }
  EXPECT_TRUE(ui.flashes.empty());
  EXPECT_TRUE(ui.cues.empty());
}

TEST_F(MovesTest, AClickInTheMarginPicksTheFirstColumnAndRow) {
  game.xGameMouseMove(3, 3);  // in the 10-pixel margin above and left of the board
  settings.MarkEntrance = false;
  NewGame();
  const Pos e = Entrance();
  // Without a marked entrance the first pick must lie on the top row; the margin maps there.
  game.xGameMouseMove(2, 5);
  game.xGameClick(true);
  if (e.col != 1) {
    EXPECT_EQ(Tail(), (Pos{1, 1}));
    EXPECT_EQ(game.state().guidanceText, "Find the next number of the equation starting with " +
                                             std::to_string(At({1, 1}).number));
  }
}

TEST_F(MovesTest, ClickingTheTailTakesItBack) {
  NumberTunnel({5, 1, 6, 20});
  PickAll(TunnelSpan(2, 4));
  ASSERT_EQ(Tail(), tunnel[3]);
  Pick(tunnel[3]);
  EXPECT_EQ(Tail(), tunnel[2]);
  EXPECT_EQ(Score(), 6 - 20 / 10);
  EXPECT_FALSE(At(tunnel[3]).marked);
}

}  // namespace
}  // namespace sb
