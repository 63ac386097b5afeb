// Go back, go home, clue and solve.
#include "game_fixture.h"

namespace sb {
namespace {

using test::GameTest;

TEST_F(GameTest, GoBackCostsByHandicap) {
  struct Case {
    int handicap, number;
    std::int64_t score;
  };
  // After 5 + 15 = 20 the answer is taken back: its number div 5, 7 or 10 is charged; a charge
  // that truncates to 0 costs nothing.
  const Case cases[] = {{1, 25, 20 - 2},  {1, 7, 20}, {0, 25, 20 - 3},
                        {-1, 25, 20 - 5}, {0, 6, 20}, {-1, 4, 20}};
  for (const Case& c : cases) {
    settings.handicap = c.handicap;
    NewGame();
    NumberTunnel({5, 15, 20, c.number});
    PickAll(TunnelSpan(2, 4));
    ASSERT_EQ(Score(), 20);
    EXPECT_TRUE(game.MenuClick(MenuItem::mGoBack));
    EXPECT_EQ(Score(), c.score) << c.handicap << " " << c.number;
    EXPECT_EQ(Tail(), tunnel[2]);
    EXPECT_EQ(At(tunnel[3]).colour, kWhite);
  }
}

TEST_F(GameTest, GoBackTwiceAfterARightEquation) {
  NewGame();
  NumberTunnel({5, 15, 20});
  PickAll(TunnelSpan(2, 3));
  game.mGoBackClick();
  game.mGoBackClick();
  EXPECT_EQ(Tail(), Entrance());
  EXPECT_EQ(game.state().guidanceText, "");
  EXPECT_EQ(game.controls().lEquation, "");
  // The entrance alone: nothing more happens.
  const std::int64_t score = Score();
  game.mGoBackClick();
  EXPECT_EQ(Tail(), Entrance());
  EXPECT_EQ(At(Entrance()).colour, kYellow);
  EXPECT_EQ(Score(), score);
}

TEST_F(GameTest, GoBackLeavesAnEatenTail) {
  NewGame();
  NumberTunnel({5, 15});
  Pick(tunnel[1]);
  At(tunnel[1]).number = 0;
  game.mGoBackClick();
  EXPECT_EQ(Tail(), tunnel[1]);
  EXPECT_TRUE(At(tunnel[1]).marked);
}

TEST_F(GameTest, GoHomeVerdicts) {
  // The entrance alone: incomplete, and the entrance stays the tail.
  NewGame();
  game.mGoHomeClick();
  EXPECT_EQ(ui.flashes, std::vector<std::string>{"Tunnel incomplete"});
  EXPECT_EQ(Tail(), Entrance());

  // Not started: the marked entrance is no longer yellow.
  NewGame();
  At(Entrance()).colour = kWhite;
  game.mGoHomeClick();
  EXPECT_EQ(ui.flashes, std::vector<std::string>{"Tunnel not started"});

  // Off track at the fourth cell, with its coordinates, which turn lime.
  NewGame();
  NumberTunnel({5, 15, 20});
  PickAll(TunnelSpan(2, 3));
  const Pos third = tunnel[2];
  Pos off{0, 0};
  for (const Pos n : {Pos{third.col - 1, third.row}, Pos{third.col + 1, third.row},
                      Pos{third.col, third.row + 1}}) {
    if (game.board().OnBoard(n.col, n.row) && !At(n).onTunnel && off.col == 0) off = n;
  }
  ASSERT_NE(off.col, 0);
  At(off).number = 3;
  Pick(off);
  ASSERT_EQ(Tail(), off);
  ui.Clear();
  game.mGoHomeClick();
  EXPECT_EQ(ui.flashes,
            (std::vector<std::string>{"Tunnel off track",
                                      std::to_string(off.col) + " " + std::to_string(off.row)}));
  EXPECT_EQ(At(off).colour, kLime);
  EXPECT_EQ(Tail(), off);  // go home changes no path

  // A path cell with two onward yellow cells: a split, and one of them turns lime.
  NewGame();
  const Pos below = tunnel[1];
  At(below).colour = kYellow;
  for (const Pos n : {Pos{below.col - 1, below.row}, Pos{below.col + 1, below.row}})
    if (game.board().OnBoard(n.col, n.row)) At(n).colour = kYellow;
  if (game.board().OnBoard(below.col - 1, 2) && game.board().OnBoard(below.col + 1, 2)) {
    game.mGoHomeClick();
    EXPECT_EQ(ui.flashes.back(), "Split in tunnel");
    EXPECT_EQ(At({below.col - 1, below.row}).colour, kLime);  // the last onward cell found
  }
}

TEST_F(GameTest, GoHomeOnAPathReachingHomeEndsTheAttempt) {
  settings.Timed = true;
  NewGame();
  // Yellow all the way along the tunnel, but never picked: the equations were not checked.
  for (const Pos p : tunnel)
    At(p).colour = kYellow;
  game.mGoHomeClick();
  EXPECT_EQ(ui.flashes, std::vector<std::string>{"Tunnel complete"});
  EXPECT_TRUE(game.controls().pPenalty);
  EXPECT_EQ(game.controls().lPenalty, "Try again");
  const Controls& c = game.controls();
  EXPECT_TRUE(c.pPenalty);
  EXPECT_FALSE(c.xGame);
  EXPECT_FALSE(c.gTimer.enabled() || c.bTimer.enabled() || c.mSolve || c.mClue || c.mSave ||
               c.mUndo);
  EXPECT_EQ(c.LB, "");
  EXPECT_TRUE(game.Press(Key::Enter));
  EXPECT_FALSE(c.pPenalty);
  EXPECT_TRUE(c.xGame);
  EXPECT_FALSE(game.Press(Key::Space));  // the panel is gone: not served
}

TEST_F(GameTest, ClueCostsByHandicap) {
  struct Case {
    int handicap, number, cost;
  };
  const Case cases[] = {{-1, 40, 8}, {0, 40, 5}, {1, 40, 40}, {-1, 12, 5}, {0, 70, 10}, {1, 3, 5}};
  for (const Case& c : cases) {
    settings.handicap = c.handicap;
    NewGame();
    NumberTunnel({5, c.number});
    const int clues = game.state().clueCount;
    EXPECT_TRUE(game.MenuClick(MenuItem::mClue));
    EXPECT_EQ(Score(), -c.cost) << c.handicap << " " << c.number;
    EXPECT_EQ(Tail(), tunnel[1]);
    EXPECT_EQ(At(tunnel[1]).colour, kYellow);
    EXPECT_TRUE(At(tunnel[1]).marked);
    EXPECT_EQ(game.state().clueCount, clues - 1);
    EXPECT_EQ(game.controls().mClueCaption, "Clue (" + std::to_string(clues - 1) + ")");
    EXPECT_TRUE(ui.flashes.empty());  // no equation is checked
  }
}

TEST_F(GameTest, CluesRunOut) {
  NewGame();
  const int clues = game.state().clueCount;
  for (int i = 0; i < clues; ++i)
    EXPECT_TRUE(game.MenuClick(MenuItem::mClue));
  EXPECT_EQ(game.controls().mClueCaption, "Clue (0)");
  EXPECT_FALSE(game.controls().mClue);
  EXPECT_FALSE(game.Press(Key::F11));
  EXPECT_EQ(Tail(), tunnel[static_cast<size_t>(clues)]);
}

TEST_F(GameTest, ClueOffTheTunnelWalksThePathBack) {
  settings.handicap = 0;
  NewGame();
  const Pos below = tunnel[1];
  Pos off{below.col - 1, below.row};
  if (At(off).onTunnel || off.col < 1) off = {below.col + 1, below.row};
  NumberTunnel({5, 4});
  Pick(tunnel[1]);
  At(off).number = 9;  // 5 + 4 = 9: a right answer off the tunnel
  Pick(off);
  ASSERT_EQ(Tail(), off);
  const std::int64_t score = Score();
  game.Clue1Click();
  EXPECT_EQ(Tail(), tunnel[1]);
  EXPECT_EQ(Score(), score - 9 / 7);  // only go back's charge
  game.Clue1Click();                  // now on the tunnel: reveals the next cell
  EXPECT_EQ(Tail(), tunnel[2]);
}

TEST_F(GameTest, SolveShowsTheTunnelAndEndsTheGame) {
  NewGame();
  NumberTunnel({5, 15, 20});
  PickAll(TunnelSpan(2, 3));
  EXPECT_TRUE(game.Press(Key::F12));
  const Controls& c = game.controls();
  EXPECT_EQ(c.Counter, "0");
  EXPECT_EQ(Score(), 0);
  EXPECT_EQ(ui.cues.back(), Cue::OverClip);
  game.board().ForEachCell([&](int col, int row, const Cell& cell) {
    const bool onTunnel = cell.onTunnel;
    EXPECT_EQ(cell.colour, onTunnel ? kYellow : kGrey) << col << "," << row;
    EXPECT_TRUE(cell.marked || !onTunnel);
  });
  EXPECT_TRUE(c.mGame && c.mSettings);
  EXPECT_FALSE(c.xGame || c.mClue || c.mSolve || c.mGoBack || c.mGoHome || c.gTimer.enabled() ||
               c.mTimer.enabled());
  EXPECT_EQ(game.state().guidanceText, "");
  ASSERT_EQ(ui.records.size(), 1u);
  EXPECT_EQ(ui.records[0].result, GameResult::GaveUp);
  // Game over: picks and arrows do nothing.
  Pick(tunnel[3]);
  EXPECT_FALSE(game.Press(Key::Down));
  EXPECT_EQ(ui.records.size(), 1u);
}

}  // namespace
}  // namespace sb
