// The worm timer, the worm's steps, and the morphing numbers.
#include <cstdlib>

#include "game_fixture.h"

namespace sb {
namespace {

using test::GameTest;

TEST_F(GameTest, TheTimedWormIsUnleashedThenEatsThePathAndFails) {
  settings.Timed = true;
  settings.handicap = 0;
  NewGame();
  EXPECT_TRUE(game.controls().gTimer.enabled);
  EXPECT_EQ(game.controls().gTimer.interval, 20000);
  NumberTunnel({5, 15, 20});
  PickAll(TunnelSpan(2, 3));
  ASSERT_EQ(Score(), 20);
  ui.Clear();

  game.gTimerTimer();  // unleashed; the worm does not move yet
  EXPECT_EQ(ui.cues, std::vector<std::string>{"TimerStart"});
  EXPECT_EQ(ui.flashes, std::vector<std::string>{"Unleashing the worm"});
  EXPECT_EQ(game.state().wormPhase, 'G');
  EXPECT_TRUE(game.state().wormUnleashed);
  EXPECT_FALSE(game.controls().mSolve);
  EXPECT_EQ(game.controls().gTimer.interval, 7000);
  EXPECT_EQ(game.state().wormCol, 0);

  struct Step {
    Pos worm;
    std::int64_t score;
  };
  const Step steps[] = {{tunnel[1], 15}, {tunnel[2], 0}};
  game.gTimerTimer();  // eats the entrance's 5
  EXPECT_EQ(At(Entrance()).number, 0);
  for (const Step& step : steps) {
    EXPECT_EQ((Pos{game.state().wormCol, game.state().wormRow}), step.worm);
    EXPECT_EQ(Score(), step.score);
    game.gTimerTimer();
  }
  // The worm ate the tail's 20 and found nothing ahead: lost.
  EXPECT_EQ(ui.flashes.back(), "Failed to get home");
  EXPECT_EQ(game.state().wormCol, -1);
  EXPECT_EQ(game.controls().Counter, "0");
  EXPECT_FALSE(game.controls().gTimer.enabled);
  EXPECT_EQ(ui.cues.back(), "sbOver.mp3");
  ASSERT_EQ(ui.records.size(), 1u);
  EXPECT_EQ(ui.records[0].result, "L");
  EXPECT_EQ(ui.records[0].timed, "y");
  EXPECT_EQ(ui.wormSteps, (std::vector<Pos>{Entrance(), tunnel[1], tunnel[2]}));
}

TEST_F(GameTest, WithoutTimedTheWormTimerNeverRuns) {
  NewGame();
  game.gTimerTimer();
  game.gTimerTimer();
  EXPECT_EQ(game.state().wormPhase, 'W');
  EXPECT_TRUE(ui.flashes.empty());
  EXPECT_EQ(game.state().wormCol, 0);
}

TEST_F(GameTest, AnUnleashedWormReachingHomeLosesTheGame) {
  settings.Timed = true;
  NewGame();
  // The whole tunnel on the path but never checked, so the game was not won.
  for (const Pos p : tunnel) {
    At(p).marked = true;
    At(p).colour = kYellow;
  }
  for (size_t i = 0; i <= tunnel.size() + 1 && game.controls().gTimer.enabled; ++i)
    game.gTimerTimer();
  EXPECT_EQ(game.state().wormCol, -1);
  EXPECT_EQ(At(tunnel.back()).number, 0);
  ASSERT_EQ(ui.records.size(), 1u);
  EXPECT_EQ(ui.records[0].result, "L");
  EXPECT_EQ(game.controls().Counter, "0");
}

TEST_F(GameTest, MorphsChangeOnlyEarthAwayFromThePath) {
  settings.tbSize = 1;
  NewGame();
  NumberTunnel({5, 15, 20});
  PickAll(TunnelSpan(2, 3));
  At({1, 5}).colour = kYellow;  // a milestone-like yellow cell
  const Board before = game.board();
  const Pos tail = Tail();
  int changed = 0;
  for (int tick = 0; tick < 300; ++tick) {
    game.mTimerTimer();
    const int interval = game.controls().mTimer.interval;
    ASSERT_TRUE(interval >= 10000 && interval <= 19000 && interval % 1000 == 0) << interval;
  }
  game.board().ForEachCell([&](int col, int row, const Cell& cell) {
    const Cell& old = before.at(col, row);
    if (cell.number == old.number) return;
    ++changed;
    EXPECT_FALSE(old.onTunnel || old.marked || old.colour == kYellow);
    EXPECT_TRUE(std::abs(col - tail.col) > 2 || std::abs(row - tail.row) > 2);
    EXPECT_TRUE(cell.number >= 1 && cell.number <= settings.maxAnswer);
    EXPECT_EQ(cell.colour, kWhite);
  });
  EXPECT_GT(changed, 100);
}

TEST_F(GameTest, NoMorphsWhileTheBoardTakesNoPicks) {
  NewGame();
  game.Solve1Click();
  const Board before = game.board();
  game.mTimerTimer();  // stopped by solve
  game.board().ForEachCell([&](int col, int row, const Cell& cell) {
    EXPECT_EQ(cell.number, before.at(col, row).number);
  });
}

}  // namespace
}  // namespace sb
