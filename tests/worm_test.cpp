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
  EXPECT_TRUE(game.controls().gTimer.enabled());
  EXPECT_EQ(game.controls().gTimer.interval(), 20000);
  NumberTunnel({5, 15, 20});
  PickAll(TunnelSpan(2, 3));
  ASSERT_EQ(Score(), 20);
  ui.Clear();

  game.gTimerTimer();  // unleashed; the worm does not move yet
  EXPECT_EQ(CueNames(ui.cues), std::vector<std::string>{"TimerStart"});
  EXPECT_EQ(ui.flashes, std::vector<std::string>{"Unleashing the worm"});
  EXPECT_EQ(game.state().wormPhase, WormPhase::Unleashed);
  EXPECT_TRUE(game.state().wormUnleashed);
  EXPECT_FALSE(game.controls().mSolve);
  EXPECT_EQ(game.controls().gTimer.interval(), 7000);
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
  EXPECT_FALSE(game.controls().gTimer.enabled());
  EXPECT_EQ(ui.cues.back(), Cue::OverClip);
  ASSERT_EQ(ui.records.size(), 1u);
  EXPECT_EQ(ui.records[0].result, GameResult::Lost);
  EXPECT_TRUE(ui.records[0].timed);
  EXPECT_EQ(ui.wormSteps, (std::vector<Pos>{Entrance(), tunnel[1], tunnel[2]}));
}

TEST_F(GameTest, WithoutTimedTheWormTimerNeverRuns) {
  NewGame();
  game.gTimerTimer();
  game.gTimerTimer();
  EXPECT_EQ(game.state().wormPhase, WormPhase::Waiting);
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
  for (size_t i = 0; i <= tunnel.size() + 1 && game.controls().gTimer.enabled(); ++i)
    game.gTimerTimer();
  EXPECT_EQ(game.state().wormCol, -1);
  EXPECT_EQ(At(tunnel.back()).number, 0);
  ASSERT_EQ(ui.records.size(), 1u);
  EXPECT_EQ(ui.records[0].result, GameResult::Lost);
  EXPECT_EQ(game.controls().Counter, "0");
}

// A window's real timer in miniature, following the rules' timer as a window must: stopped while
// the rules' timer is off, restarted only when its restarts() count has moved, and otherwise
// firing every interval on a clock that the test advances.
class MirroredTimer {
 public:
  void Mirror(const TimerState& timer, long now) {
    running_ = timer.enabled();
    if (running_ && timer.restarts() != seen_) due_ = now + timer.interval();
    seen_ = timer.restarts();
  }
  bool running() const { return running_; }
  long due() const { return due_; }
  void Fired(const TimerState& timer) { due_ += timer.interval(); }

 private:
  bool running_ = false;
  unsigned seen_ = ~0u;
  long due_ = 0;
};

TEST_F(GameTest, TheWormKeepsItsPaceOnTheWindowsTimer) {
  settings.Timed = true;
  settings.handicap = 0;
  MirroredTimer worm;
  long now = 0;
  // Every time the rules let messages run, the window mirrors their timer.
  ui.onProcessMessages = [&] { worm.Mirror(game.controls().gTimer, now); };
  NewGame();
  worm.Mirror(game.controls().gTimer, now);
  PickAll(TunnelSpan(2, 4));
  std::vector<long> unleashed;
  std::vector<long> steps;
  while (worm.running() && now < 100000) {
    // The banner ticks every 100 ms in between; mirroring then must not hold the worm back.
    for (; now + 100 < worm.due(); now += 100) {
      game.bTimerTimer();
      worm.Mirror(game.controls().gTimer, now);
    }
    now = worm.due();
    worm.Fired(game.controls().gTimer);
    const size_t flashes = ui.flashes.size();
    const size_t eaten = ui.wormSteps.size();
    game.gTimerTimer();
    worm.Mirror(game.controls().gTimer, now);
    if (ui.flashes.size() > flashes && ui.flashes[flashes] == "Unleashing the worm")
      unleashed.push_back(now);
    if (ui.wormSteps.size() > eaten) steps.push_back(now);
  }
  // Out after 20 s at this handicap, then one cell every 7 s along the four path cells.
  EXPECT_EQ(unleashed, std::vector<long>{20000});
  EXPECT_EQ(steps, (std::vector<long>{27000, 34000, 41000, 48000}));
  EXPECT_EQ(ui.records.back().result, GameResult::Lost);
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
    const int interval = game.controls().mTimer.interval();
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
