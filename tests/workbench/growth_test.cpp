// The workbench growth with the random generator seeded: runs, cut-backs, the end rule and Stop.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "util/random.h"
#include "workbench/growth.h"

namespace sb {
namespace {

constexpr int kWidth = 64;  // the paint box: columns 0 .. 63, rows 0 .. 47
constexpr int kHeight = 48;

// Seeds the generator so that the next growth starts in column 0 (or not), and says which seed.
std::uint64_t SeedStartingInColumnZero(bool zero, std::uint64_t from = 1) {
  for (std::uint64_t seed = from;; ++seed) {
    SeedRandom(seed);
    if ((Random(kWidth - 1) == 0) == zero) {
      SeedRandom(seed);
      return seed;
    }
  }
}

bool StartsWith(const std::string& line, const std::string& word) {
  return line.rfind(word, 0) == 0;
}

// A growth whose events run a check after every step and stop it after `limit` events.
struct Bench {
  MazeGrowth growth;
  long events = 0;
  explicit Bench(long limit, std::function<void(MazeGrowth&)> check = {})
      : growth(Hooks(limit, std::move(check))) {}

  GrowthHooks Hooks(long limit, std::function<void(MazeGrowth&)> check) {
    GrowthHooks hooks;
    hooks.events = [this, limit, check = std::move(check)] {
      if (check) check(growth);
      if (++events >= limit) growth.Stop();
    };
    return hooks;
  }
};

TEST(Growth, RunsStayOnTheFieldAndOffTheirOwnPath) {
  for (std::uint64_t seed = 1; seed <= 12; ++seed) {
    SeedRandom(seed);
    Bench bench(200000, [](MazeGrowth& g) {
      if (g.trace().empty() || !StartsWith(g.trace().back(), "Next")) return;
      ASSERT_TRUE(g.Inside(g.head())) << g.trace().back();
      ASSERT_EQ(g.at(g.head()).owner, 0) << g.trace().back();  // a step enters free cells only
    });
    bench.growth.Go(kWidth, kHeight, 101);
    std::set<std::pair<int, int>> seen;
    FieldPoint p = bench.growth.start();
    for (int i = 0; i < bench.growth.PathLength(); ++i) {
      EXPECT_TRUE(seen.insert({p.x, p.y}).second) << "seed " << seed << " revisits a cell";
      p = Neighbour(p, bench.growth.at(p).direction);
    }
  }
}

// The head is boxed in at the top-left corner: every try fails, and the sixth cuts the path.
TEST(Growth, SixFailedTriesCutThePathBack) {
  struct Case {
    FieldPoint start;
    const char* steps;
    std::vector<FieldPoint> taken;  // cells of the walker off the path
    int kept;
  };
  const Case cases[] = {{{0, 1}, "N", {{1, 0}}, 0},       {{1, 1}, "WN", {{1, 0}}, 1},
                        {{2, 1}, "WWN", {{1, 0}}, 2},     {{0, 2}, "NENW", {}, 1},
                        {{5, 0}, "SWWWWNW", {{0, 1}}, 4}, {{3, 4}, "NNWWNWN", {{1, 0}}, 4}};
  for (const Case& c : cases) {
    std::string keep;
    Bench bench(1000000, [&keep](MazeGrowth& g) {
      for (const std::string& line : g.trace())
        if (StartsWith(line, "Keep Size")) keep = line;
      if (!keep.empty()) g.Stop();
    });
    MazeGrowth& g = bench.growth;
    g.Clear(kWidth, kHeight);
    g.LayPath(c.start, c.steps);
    ASSERT_EQ(g.head(), FieldPoint({0, 0})) << c.steps;
    for (const FieldPoint t : c.taken)
      g.at(t).owner = 1;
    std::vector<FieldPoint> path{c.start};
    for (const char* s = c.steps; *s; ++s)
      path.push_back(Neighbour(path.back(), static_cast<int>(std::string("NESW").find(*s))));
    g.Run(1);
    ASSERT_EQ(keep, "Keep Size " + std::to_string(c.kept)) << c.steps;
    EXPECT_EQ(g.head(), path[c.kept]) << c.steps;
    const FieldCell& freed = g.at(path[c.kept + 1]);
    EXPECT_EQ(freed.owner, 0) << c.steps;
    const std::size_t k = path.size() - 1;
    if (k > 3) {
      EXPECT_EQ(freed.direction, kNoStep) << c.steps;
    }
    for (std::size_t i = c.kept + 2; i < k; ++i)  // beyond the freed cell: still taken
      EXPECT_EQ(g.at(path[i]).owner, 1) << c.steps << " cell " << i;
  }
}

TEST(Growth, AFinishedGrowthEndsOnTheLeftEdgeWithItsFinalSize) {
  std::uint64_t seed = 0;
  for (const int target : {11, 51, 101}) {
    for (int run = 0; run < 6; ++run) {
      seed = SeedStartingInColumnZero(false, seed + 1);
      Bench bench(5000000);
      bench.growth.Go(kWidth, kHeight, target);
      ASSERT_FALSE(bench.growth.Stopped()) << "seed " << seed << " did not finish";
      const int length = bench.growth.PathLength();
      EXPECT_EQ(bench.growth.trace().back(), "Final Size " + std::to_string(length));
      EXPECT_GE(length, target) << "seed " << seed;
      EXPECT_EQ(bench.growth.head().x, 0) << "seed " << seed;
      EXPECT_NE(bench.growth.start().x, 0) << "seed " << seed;
    }
  }
}

// A start in column 0 never meets the edge rule: the growth ends only when Stop is pressed,
// and its trace keeps only the most recent lines.
TEST(Growth, AStartInColumnZeroEndsOnlyByStop) {
  SeedStartingInColumnZero(true);
  bool edgeReachedWithLength = false;
  Bench bench(300000, [&](MazeGrowth& g) {
    edgeReachedWithLength |= g.head().x == 0 && g.PathLength() >= 11;
  });
  bench.growth.Go(kWidth, kHeight, 11);
  EXPECT_EQ(bench.growth.start().x, 0);
  EXPECT_TRUE(edgeReachedWithLength);  // the rule had its chances
  EXPECT_GE(bench.events, 300000);     // and only Stop ended the growth
  EXPECT_EQ(bench.growth.trace().size(), MazeGrowth::kTraceLimit);
  EXPECT_EQ(bench.growth.trace().back(), "Final Size " + std::to_string(bench.growth.PathLength()));
}

TEST(Growth, GoIsIgnoredWhileAGrowthRuns) {
  SeedStartingInColumnZero(false);
  FieldPoint start;
  Bench bench(1000, [&](MazeGrowth& g) {
    start = g.start();
    g.Go(kWidth, kHeight, 11);  // "Go" pressed again while events run
    EXPECT_EQ(g.start(), start);
  });
  bench.growth.Go(kWidth, kHeight, 501);
  int finals = 0;
  for (const std::string& line : bench.growth.trace())
    finals += StartsWith(line, "Final Size") ? 1 : 0;
  EXPECT_EQ(finals, 1);
}

TEST(Growth, TheRedLineFollowsThePathAndStopsAtACellWithoutDirection) {
  MazeGrowth g;
  g.Clear(kWidth, kHeight);
  g.LayPath({10, 0}, "SSEEN");
  std::vector<FieldPoint> path{{10, 0}, {10, 1}, {10, 2}, {11, 2}, {12, 2}};
  EXPECT_EQ(g.PlotPath(), path);
  EXPECT_FALSE(g.Stopped());
  g.at({11, 2}).direction = kNoStep;
  path.resize(3);
  EXPECT_EQ(g.PlotPath(), path);
  EXPECT_EQ(g.trace().back(), "PlotNone 1 11 2 .");
  EXPECT_TRUE(g.Stopped());
}

}  // namespace
}  // namespace sb
