// Whole games through the rules, each scored independently by the test, and commands arriving
// while another is still running.
#include "game_fixture.h"
#include "maze_checks.h"

namespace sb {
namespace {

using test::GameTest;

// What following the tunnel scores: every answer of a checked equation (the inner joints; home is
// never picked), then the crawl home adds every tunnel number.
std::int64_t FollowingTheTunnelScores(const Board& board, const std::vector<Pos>& tunnel) {
  std::int64_t total = 0;
  for (size_t i = 2; i + 1 < tunnel.size(); i += 2)
    total += board.at(tunnel[i]).number;
  for (const Pos p : tunnel)
    total += board.at(p).number;
  return total;
}

TEST_F(GameTest, WonByFollowingTheTunnel) {
  struct Case {
    int tbSize, tbTunnelLength, handicap;
    std::uint64_t seed;
  };
  const Case cases[] = {{3, 4, 1, 1}, {1, 1, 0, 2}, {2, 2, -1, 3}, {4, 3, 1, 4}, {1, 4, 0, 5}};
  for (const Case& c : cases) {
    settings.tbSize = c.tbSize;
    settings.tbTunnelLength = c.tbTunnelLength;
    settings.handicap = c.handicap;
    NewGame(c.seed);
    const std::int64_t expected = FollowingTheTunnelScores(game.board(), tunnel);
    PickAll(TunnelSpan(2, tunnel.size() - 1));
    EXPECT_EQ(Score(), expected);
    EXPECT_EQ(game.controls().Counter, ScoreCaption(expected, game.board().maxScore));
    EXPECT_EQ(ui.flashes, std::vector<std::string>{"Tunnel Complete"});
    EXPECT_EQ(ui.cues.back(), Cue::WonClip);
    EXPECT_EQ(ui.wormSteps, tunnel);  // the worm crawled the tunnel to home
    EXPECT_EQ(game.state().wormCol, -1);
    ASSERT_EQ(ui.records.size(), 1u);
    const GameRecord& record = ui.records[0];
    EXPECT_EQ(record.result, GameResult::Won);
    EXPECT_EQ(record.handicap, -c.handicap);
    EXPECT_EQ(record.score, expected * 100 / game.board().maxScore);
    EXPECT_EQ(record.letters, game.board().tunnelLength);
    EXPECT_EQ(StatsLine(record, "tag"), "tag,W,8," + std::to_string(-c.handicap) + "," +
                                            std::to_string(record.score) + "," +
                                            std::to_string(record.letters) + ",n,n,n");
    game.board().ForEachCell([&](int, int, const Cell& cell) {
      EXPECT_EQ(cell.colour, cell.onTunnel ? kYellow : kGrey);
      EXPECT_TRUE(!cell.onTunnel || cell.number == 0);  // all eaten
    });
    const Controls& k = game.controls();
    EXPECT_TRUE(k.mSettings && k.mGame);
    EXPECT_FALSE(k.xGame || k.mClue || k.mSolve || k.mGoBack || k.mGoHome || k.gTimer.enabled() ||
                 k.mTimer.enabled());
    EXPECT_EQ(game.state().guidanceText, "");
    Pick(tunnel[1]);  // further picks are ignored
    EXPECT_EQ(ui.records.size(), 1u);
  }
}

TEST_F(GameTest, WonAfterWrongAnswersGoBacksAndClues) {
  settings.handicap = 0;
  settings.tbTunnelLength = 3;
  NewGame(9);
  const Board& board = game.board();
  std::vector<std::int64_t> numbers;  // before the worm eats them
  for (const Pos p : tunnel)
    numbers.push_back(board.at(p).number);
  const auto n = [&](size_t i) { return numbers[i]; };
  // A cell off the tunnel beside the second tunnel cell, numbered to be wrong.
  Pos wrong{0, 0};
  for (const Pos p : {Pos{tunnel[1].col - 1, 2}, Pos{tunnel[1].col + 1, 2}})
    if (board.OnBoard(p.col, p.row) && !board.at(p).onTunnel && p != tunnel[2]) wrong = p;
  ASSERT_NE(wrong.col, 0);
  At(wrong).number = 50000;

  std::int64_t expected = 0;
  const auto charge = [&](std::int64_t amount) { expected += amount; };
  Pick(tunnel[1]);
  Pick(wrong);  // 50000 is no answer: 50000 div 3, then its go back 50000 div 7
  charge(-(50000 / 3));
  charge(-(50000 / 7));
  EXPECT_EQ(Score(), expected);
  game.Press(Key::Backspace);  // takes the second cell back
  charge(-(n(1) / 7));
  EXPECT_EQ(Tail(), Entrance());
  Pick(tunnel[1]);
  Pick(tunnel[2]);
  charge(n(2));
  game.Press(Key::F11);  // a clue reveals the fourth cell
  charge(-std::max<std::int64_t>(5, n(3) / 7));
  Pick(tunnel[4]);
  charge(n(4));
  PickAll(TunnelSpan(6, tunnel.size() - 1));
  for (size_t i = 6; i + 1 < tunnel.size(); i += 2)
    charge(n(i));
  for (size_t i = 0; i < tunnel.size(); ++i)
    charge(n(i));  // the crawl home
  EXPECT_EQ(Score(), expected);
  ASSERT_EQ(ui.records.size(), 1u);
  EXPECT_EQ(ui.records[0].result, GameResult::Won);
}

TEST_F(GameTest, FollowingTheTunnelAlwaysWinsPastMilestones) {
  settings.Milestones = true;
  int besideHome = 0;  // games with a milestone on the cell before home
  for (int length = 1; length <= 4; ++length) {
    settings.tbTunnelLength = length;
    for (std::uint64_t seed = 1; seed <= 100; ++seed) {
      settings.MarkEntrance = seed % 4 != 0;  // without it the entrance is the first pick
      NewGame(seed);
      besideHome += At(tunnel[tunnel.size() - 2]).IsMilestone();
      PickAll(TunnelSpan(settings.MarkEntrance ? 2 : 1, tunnel.size() - 1));
      ASSERT_EQ(ui.records.size(), 1u) << "length " << length << " seed " << seed;
      EXPECT_EQ(ui.records[0].result, GameResult::Won) << "length " << length << " seed " << seed;
    }
  }
  EXPECT_GT(besideHome, 0);
}

TEST_F(GameTest, AbandonedGamesAreRecordedOnlyAfterAPick) {
  NewGame();
  game.New1Click();  // nothing picked: no record
  EXPECT_TRUE(ui.records.empty());
  tunnel = game.board().TunnelCells();
  Pick(tunnel[1]);
  game.New1Click();
  ASSERT_EQ(ui.records.size(), 1u);
  EXPECT_EQ(ui.records[0].result, GameResult::Abandoned);
}

TEST_F(GameTest, ASecondNewDuringTheBuildDoesNothing) {
  int refused = 0;
  ui.onProcessMessages = [&] {
    if (!game.state().settingUp) return;
    game.New1Click();
    ++refused;
  };
  NewGame();
  ui.onProcessMessages = nullptr;
  EXPECT_GT(refused, 10);
  SeedRandom(1);
  game.New1Click();
  EXPECT_EQ(ui.formPaints, 2);  // the build's and the finished board's: one game only
  EXPECT_EQ(ui.flashes, std::vector<std::string>{"Building the maze"});
  EXPECT_EQ(test::TunnelProblems(game.board()), std::vector<std::string>{});
}

TEST_F(GameTest, NothingOfTheLastGameTouchesTheBoardWhileItIsRebuilt) {
  settings.Timed = true;
  NewGame();
  game.gTimerTimer();  // unleash the old game's worm
  Pick(tunnel[1]);
  ui.onProcessMessages = [&] {
    if (!game.state().settingUp) return;
    game.gTimerTimer();
    game.mTimerTimer();
    game.xGameClick(true);
    for (const Key key : {Key::Backspace, Key::F11, Key::F12, Key::F4, Key::Down})
      game.Press(key);
  };
  SeedRandom(2);
  game.New1Click();
  ui.onProcessMessages = nullptr;
  EXPECT_EQ(test::TunnelProblems(game.board()), std::vector<std::string>{});
  EXPECT_EQ(game.state().wormCol, 0);
  EXPECT_EQ(game.state().score, 0);
  EXPECT_EQ(Tail(), game.board().Entrance());
}

TEST_F(GameTest, APickDuringAFlashIsIgnored) {
  NewGame();
  NumberTunnel({5, 15, 999});
  Pick(tunnel[1]);
  const Pos other = tunnel[2];
  bool tried = false;
  ui.onProcessMessages = [&] {
    if (ui.flashes.empty() || tried) return;
    tried = true;
    Pick(other);  // while "Incorrect" flashes
  };
  Pick(tunnel[2]);
  ui.onProcessMessages = nullptr;
  EXPECT_TRUE(tried);
  EXPECT_EQ(ui.flashes.size(), 1u);
  EXPECT_EQ(Tail(), tunnel[1]);  // the wrong answer went back, and the flash's pick never came
  EXPECT_FALSE(At(other).marked);
}

TEST_F(GameTest, AWormTickDuringAWormStepDoesNothing) {
  settings.Timed = true;
  NewGame();
  NumberTunnel({5, 15, 20});
  PickAll(TunnelSpan(2, 3));
  game.gTimerTimer();  // unleashed
  // Ticks arriving while the step lets messages run: before it moves and while it scores.
  int pumps = 0;
  ui.onProcessMessages = [&] {
    if (++pumps <= 2) game.gTimerTimer();
  };
  game.gTimerTimer();
  ui.onProcessMessages = nullptr;
  EXPECT_GT(pumps, 2);
  EXPECT_EQ(ui.wormSteps, std::vector<Pos>{Entrance()});  // one step only
  EXPECT_EQ((Pos{game.state().wormCol, game.state().wormRow}), tunnel[1]);
  EXPECT_TRUE(game.controls().gTimer.enabled());
}

TEST_F(GameTest, ANewGameDuringTheCrawlHomeStopsTheCrawl) {
  NewGame();
  bool started = false;
  ui.onProcessMessages = [&] {
    if (started || ui.wormSteps.size() < 3) return;
    started = true;
    game.Press(Key::F2);
  };
  PickAll(TunnelSpan(2, tunnel.size() - 1));
  ui.onProcessMessages = nullptr;
  ASSERT_TRUE(started);
  // The new game is intact: nothing eaten, the score at 0, the worm not placed.
  EXPECT_EQ(test::TunnelProblems(game.board()), std::vector<std::string>{});
  EXPECT_EQ(game.state().score, 0);
  EXPECT_EQ(game.state().wormCol, 0);
  EXPECT_TRUE(game.controls().xGame);
  EXPECT_EQ(game.controls().Counter, ScoreCaption(0, game.board().maxScore));
  // The won game counts as won, once.
  ASSERT_EQ(ui.records.size(), 1u);
  EXPECT_EQ(ui.records[0].result, GameResult::Won);
}

TEST_F(GameTest, ANewGameDuringAWrongAnswerFlashLeavesItAlone) {
  NewGame();
  NumberTunnel({5, 15, 999});
  Pick(tunnel[1]);
  bool started = false;
  ui.onProcessMessages = [&] {
    if (started || ui.flashes.empty()) return;
    started = true;
    game.Press(Key::F2);
  };
  Pick(tunnel[2]);
  ui.onProcessMessages = nullptr;
  ASSERT_TRUE(started);
  EXPECT_EQ(Tail(), game.board().Entrance());
  EXPECT_EQ(game.state().score, 0);
  EXPECT_TRUE(game.controls().xGame);
  EXPECT_NE(game.state().guidanceText, "Use [Go Back] to correct equation");
}

}  // namespace
}  // namespace sb
