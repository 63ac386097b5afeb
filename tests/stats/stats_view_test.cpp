// What the statistics window shows, counted without a window: clamping, filters, bars, wide
// counters and the hover read-out.
#include <gtest/gtest.h>

#include "stats/stats_view.h"

namespace sb::stats {
namespace {

StatsRecord Won(std::int64_t level, std::int64_t handicap, std::int64_t score,
                std::int64_t letters) {
  return {true, level, handicap, score, letters, false, false, false};
}

TEST(StatsCounting, OutOfRangeValuesAreClampedNotRejected) {
  const struct {
    StatsRecord game;
    ShowBy showBy;
    std::int64_t bin;  // 0: not counted at all
  } cases[] = {
      {Won(3, 0, 85, 24), ShowBy::Levels, 3},     {Won(3, 0, 85, 24), ShowBy::Score, 85},
      {Won(3, 0, 150, 24), ShowBy::Score, 100},   {Won(250, 0, 50, 24), ShowBy::Levels, 200},
      {Won(3, 0, -5, 24), ShowBy::Score, 0},      {Won(3, 0, 0, 24), ShowBy::Score, 0},
      {Won(0, 0, 50, 24), ShowBy::Levels, 0},     {Won(-4, 0, 50, 24), ShowBy::Levels, 0},
      {Won(3, 0, 50, 400), ShowBy::Letters, 300}, {Won(3, 0, 50, -1), ShowBy::Letters, 0},
  };
  for (const auto& c : cases) {
    const StatsCounts counts = CountRecords({c.game}, {c.showBy});
    EXPECT_EQ(counts.played, c.bin > 0 ? 1 : 0) << c.game.level << " " << c.game.score;
    if (c.bin > 0) {
      EXPECT_EQ(counts.Bin(c.bin).completed, 1) << c.bin;
    }
  }
}

TEST(StatsCounting, FiltersMustAllHold) {
  // level 1..6 tell the games apart: handicap, definitions, locked letters, timed
  const std::vector<StatsRecord> games = {
      {true, 1, -1, 50, 10, false, false, true}, {false, 2, 0, 50, 10, true, false, false},
      {true, 3, 1, 50, 10, true, true, true},    {false, 4, 7, 50, 10, false, true, true},
      {true, 5, -1, 50, 10, true, true, false},  {false, 6, 0, 50, 10, false, false, false},
  };
  using H = HandicapFilter;
  const struct {
    StatsFilter filter;
    std::vector<std::int64_t> levels;
  } cases[] = {
      {{ShowBy::Levels, H::Overall}, {1, 2, 3, 4, 5, 6}},
      {{ShowBy::Levels, H::Easy}, {1, 5}},
      {{ShowBy::Levels, H::Neutral}, {2, 6}},
      {{ShowBy::Levels, H::Harder}, {3}},
      {{ShowBy::Levels, H::Overall, false, false, true}, {1, 3, 4}},
      {{ShowBy::Levels, H::Overall, true, false, false}, {2, 3, 5}},
      {{ShowBy::Levels, H::Overall, false, true, false}, {3, 4, 5}},
      {{ShowBy::Levels, H::Overall, true, true, true}, {3}},
      {{ShowBy::Levels, H::Easy, true, true, false}, {5}},
  };
  for (const auto& c : cases) {
    const StatsCounts counts = CountRecords(games, c.filter);
    std::vector<std::int64_t> shown;
    for (std::int64_t level = 1; level <= 6; ++level)
      if (counts.Bin(level) != BinCount{}) shown.push_back(level);
    EXPECT_EQ(shown, c.levels);
    EXPECT_EQ(counts.played, static_cast<std::int64_t>(c.levels.size()));
    EXPECT_EQ(counts.completed + counts.incomplete, counts.played);
  }
}

TEST(StatsCounting, BarsOnTheScoreScale) {
  const StatsRecord lost{false, 1, 0, 10, 5, true, true, true};
  const std::vector<StatsRecord> games = {Won(1, 0, 10, 5), lost, lost, lost, Won(1, 0, 100, 5)};
  const StatsCounts counts = CountRecords(games, {ShowBy::Score});
  EXPECT_EQ(Top(counts), 3);
  // score 10: bin 10 at x 54; score 100: bin 100 at x 594; heights count * 100 div 3
  const std::vector<Bar> bars = {{54, 2, 33, true}, {56, 2, 100, false}, {594, 2, 33, true}};
  EXPECT_EQ(Bars(counts, ScaleOf(ShowBy::Score)), bars);
}

TEST(StatsCounting, ABinCountsPastSixteenBits) {
  StatsCounts counts;
  const StatsRecord game = Won(7, 0, 50, 10);
  for (int i = 0; i < 70'000; ++i)
    Count(counts, {}, game);
  EXPECT_EQ(counts.Bin(7).completed, 70'000);
  EXPECT_EQ(Top(counts), 70'000);
  EXPECT_EQ(SuccessText(counts), "  100%");
  EXPECT_EQ(Bars(counts, ScaleOf(ShowBy::Levels)), (std::vector<Bar>{{12, 1, 100, true}}));
}

TEST(StatsCounting, HoverReadOut) {
  const std::vector<StatsRecord> games = {
      Won(3, 0, 2, 3), Won(3, 0, 2, 3), {false, 3, 0, 2, 3, true, true, true}};
  const struct {
    ShowBy showBy;
    int x;
    const char* text;
    int left;
  } cases[] = {
      {ShowBy::Levels, 4, "Level=3 wins = 2 losses = 1", 4},
      {ShowBy::Levels, 5, "Level=3 wins = 2 losses = 1", 5},
      {ShowBy::Letters, 4, "Letters=3 wins = 2 losses = 1", 4},
      {ShowBy::Score, 6, "Score=2 wins = 2 losses = 1", 6},
      {ShowBy::Levels, 500, "Level=251 wins = 0 losses = 0", 350},
      {ShowBy::Levels, 450, "Level=226 wins = 0 losses = 0", 450},
      {ShowBy::Levels, 603, "Level=302 wins = 0 losses = 0", 453},
      {ShowBy::Levels, 5000, "Level=302 wins = 0 losses = 0", 453},  // dragged outside
      {ShowBy::Levels, -20, "Level=1 wins = 0 losses = 0", 0},
  };
  for (const auto& c : cases) {
    const Scale scale = ScaleOf(c.showBy);
    EXPECT_EQ(HoverText(c.showBy, scale, CountRecords(games, {c.showBy}), c.x), c.text);
    EXPECT_EQ(HoverLeft(c.x), c.left) << c.x;
  }
}

}  // namespace
}  // namespace sb::stats
