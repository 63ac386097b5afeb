// Thousands of generated mazes on every board a player gets, checked against the rules.
#include <gtest/gtest.h>

#include <climits>

#include "core/maze.h"
#include "headless.h"
#include "maze_checks.h"
#include "util/random.h"

namespace sb {
namespace {

struct Shape {
  int width;
  int height;
};

// The board shapes the density setting gives on common window shapes.
const Shape kShapes[] = {{25, 12}, {25, 16}, {22, 14}, {17, 8}, {17, 10}, {13, 6}, {13, 8}};
constexpr int kSeeds = 100;

class BulkGeneration : public ::testing::TestWithParam<std::tuple<Shape, int>> {};

TEST_P(BulkGeneration, EveryMazeKeepsTheRules) {
  const auto [shape, length] = GetParam();
  const int target = TargetLength(length, shape.width, shape.height);
  Board board;
  RecordingPresentation presentation;
  board.diagnostic = [&](const std::string& text) { presentation.ShowDiagnostic(text); };
  Settings settings;
  settings.tbTunnelLength = length;
  int offTunnelJoints[4] = {};
  std::uint64_t seed = 1000 * static_cast<std::uint64_t>(length) +
                       100000 * static_cast<std::uint64_t>(shape.width) +
                       static_cast<std::uint64_t>(shape.height);
  for (int subTunnels = 0; subTunnels <= 3; ++subTunnels) {
    for (const bool multiply : {true, false}) {
      settings.SubTunnels = subTunnels;
      settings.Multiplication = multiply;
      // Across the side-tunnel settings this covers all four mixes of x and ÷.
      settings.Division = (subTunnels % 2 == 0) == multiply;
      for (int i = 0; i < kSeeds; ++i) {
        SeedRandom(++seed);
        board.SetSize(shape.width, shape.height);
        BuildMaze(board, settings, presentation.Hooks());
        const std::string where =
            "seed " + std::to_string(seed) + " sub " + std::to_string(subTunnels);
        ASSERT_EQ(test::TunnelProblems(board), std::vector<std::string>{}) << where;
        ASSERT_EQ(test::EquationProblems(board, settings, true), std::vector<std::string>{})
            << where;
        ASSERT_TRUE(board.tunnelLength == target || board.tunnelLength == target + 1) << where;
        ASSERT_EQ(board.maxScore, test::ExpectedMaxScore(board)) << where;
        board.ForEachCell([&](int, int row, const Cell& cell) {
          // A near-miss joint may lie up to two above the maximum.
          ASSERT_LE(cell.number, settings.maxAnswer + (cell.onTunnel ? 0 : 2));
          if (!cell.onTunnel && cell.jointFlag) ++offTunnelJoints[subTunnels];
          // Only the entrance is on the top row, where no cell but its own carries a link.
          if (row == 1 && !cell.entranceFlag) {
            ASSERT_EQ(cell.LinkCount(), 0);
          }
        });
      }
    }
  }
  EXPECT_EQ(presentation.diagnostics, std::vector<std::string>{});
  // No side tunnels without the option; more of them the more it asks for.
  EXPECT_EQ(offTunnelJoints[0], 0);
  EXPECT_GT(offTunnelJoints[1], 0);
  EXPECT_GT(offTunnelJoints[3], offTunnelJoints[1]);
}

std::string ShapeName(const ::testing::TestParamInfo<std::tuple<Shape, int>>& info) {
  const auto [shape, length] = info.param;
  return std::to_string(shape.width) + "x" + std::to_string(shape.height) + "_length" +
         std::to_string(length);
}

INSTANTIATE_TEST_SUITE_P(PlayerBoards, BulkGeneration,
                         ::testing::Combine(::testing::ValuesIn(kShapes),
                                            ::testing::Values(1, 2, 3, 4)),
                         ShapeName);

TEST(ExtremeSettings, EveryBuildEndsWithASoundBoard) {
  // Ranges that no tunnel could keep to as set: the build keeps to the range in use.
  const std::pair<int, int> cases[] = {{1, 0},   {1, 1},       {1, 2}, {1, 2000000000},
                                       {20, 25}, {1, INT_MIN}, {20, 2}};
  Board board;
  RecordingPresentation presentation;
  board.diagnostic = [&](const std::string& text) { presentation.ShowDiagnostic(text); };
  for (const auto& [min, max] : cases) {
    for (const bool multiply : {true, false}) {
      Settings settings;
      settings.minAnswer = min;
      settings.maxAnswer = max;
      settings.Multiplication = multiply;
      settings.SubTunnels = 3;
      settings.tbTunnelLength = 2;
      for (int seed = 1; seed <= 25; ++seed) {
        SeedRandom(seed);
        board.SetSize(25, 16);
        BuildMaze(board, settings, presentation.Hooks());
        const std::string where = "min " + std::to_string(min) + " max " + std::to_string(max);
        ASSERT_EQ(test::TunnelProblems(board), std::vector<std::string>{}) << where;
        ASSERT_EQ(test::EquationProblems(board, settings, true), std::vector<std::string>{})
            << where;
        ASSERT_EQ(board.maxScore, test::ExpectedMaxScore(board)) << where;
      }
    }
  }
  EXPECT_EQ(presentation.diagnostics, std::vector<std::string>{});
}

}  // namespace
}  // namespace sb
