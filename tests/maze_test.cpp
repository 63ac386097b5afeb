// Carving, side tunnels and whole builds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "core/maze.h"
#include "core/numbers.h"
#include "headless.h"
#include "maze_checks.h"
#include "util/random.h"

namespace sb {
namespace {

TEST(TargetLength, ByPositionAndBoard) {
  struct Case {
    int position, width, height, target;
  };
  const Case cases[] = {{1, 25, 16, 133}, {2, 25, 16, 100}, {3, 25, 16, 80}, {4, 25, 16, 40},
                        {4, 13, 6, 7},    {0, 25, 16, 133}, {9, 25, 16, 40}, {4, 4, 3, 3}};
  for (const Case& c : cases)
    EXPECT_EQ(TargetLength(c.position, c.width, c.height), c.target) << c.position;
}

// CanCarve from the frontier (5, 5) on a 10 x 10 board with one tunnel cell placed.
struct CarveCase {
  int dir;
  Pos tunnelCell;  // (0, 0): none
  bool allowed;
};

TEST(CanCarve, RefusesGrowthBesideTheTunnel) {
  const CarveCase cases[] = {
      // Up into (5, 4).
      {kUp, {0, 0}, true},
      {kUp, {5, 4}, false},
      {kUp, {5, 3}, false},
      {kUp, {4, 4}, false},
      {kUp, {6, 4}, false},
      {kUp, {3, 4}, false},
      {kUp, {7, 4}, false},
      {kUp, {4, 3}, true},
      {kUp, {4, 5}, true},
      // Down into (5, 6).
      {kDown, {5, 6}, false},
      {kDown, {5, 7}, false},
      {kDown, {4, 6}, false},
      {kDown, {6, 6}, false},
      {kDown, {3, 6}, false},
      {kDown, {7, 6}, false},
      {kDown, {6, 7}, true},
      // Right into (6, 5): the cell diagonally above beyond it is not looked at.
      {kRight, {6, 4}, false},
      {kRight, {6, 5}, false},
      {kRight, {7, 5}, false},
      {kRight, {6, 6}, false},
      {kRight, {7, 6}, false},
      {kRight, {7, 4}, true},
      {kRight, {8, 5}, true},
      // Left into (4, 5): likewise diagonally above is free.
      {kLeft, {4, 4}, false},
      {kLeft, {4, 5}, false},
      {kLeft, {4, 6}, false},
      {kLeft, {3, 5}, false},
      {kLeft, {3, 6}, false},
      {kLeft, {3, 4}, true},
      // No direction is always allowed.
      {kNoDirection, {5, 4}, true},
      {9, {5, 6}, true},
  };
  for (const CarveCase& c : cases) {
    Board board;
    board.SetSize(10, 10);
    board.ClearBoard();
    if (c.tunnelCell.col) board.at(c.tunnelCell).onTunnel = true;
    EXPECT_EQ(CanCarve(board, 5, 5, c.dir), c.allowed)
        << "dir " << c.dir << " tunnel at " << c.tunnelCell.col << "," << c.tunnelCell.row;
  }
}

TEST(CanCarve, EdgesAndTheMargin) {
  Board board;
  board.SetSize(10, 10);
  board.ClearBoard();
  EXPECT_FALSE(CanCarve(board, 5, 1, kUp));
  EXPECT_FALSE(CanCarve(board, 5, 10, kDown));
  EXPECT_FALSE(CanCarve(board, 10, 5, kRight));
  EXPECT_FALSE(CanCarve(board, 1, 5, kLeft));
  // Cells outside the used board count as earth even if something were left there.
  board.at(11, 5).onTunnel = true;
  board.at(10, 11).onTunnel = true;
  EXPECT_TRUE(CanCarve(board, 9, 5, kRight));
  EXPECT_TRUE(CanCarve(board, 10, 9, kDown));
  // On column 2 and row 2 the far side checks stay on the board.
  board.at(0, 4).onTunnel = true;
  EXPECT_TRUE(CanCarve(board, 2, 5, kUp));
  EXPECT_TRUE(CanCarve(board, 2, 5, kLeft));
}

TEST(BorderSideTunnelStarts, SkipCornersAndTheEntrance) {
  for (const auto& [width, height] : {std::pair{25, 16}, {13, 6}, {17, 8}}) {
    for (int entrance = 2; entrance <= width; ++entrance) {
      Board board;
      board.SetSize(width, height);
      board.ClearBoard();
      board.entranceCol = entrance;
      board.entranceRow = 1;
      const std::vector<Pos> starts = BorderSideTunnelStarts(board);
      const int nearEntrance = std::min(entrance + 2, width - 1) - std::max(entrance - 2, 2) + 1;
      // Every border cell but the corners and the top-row cells near the entrance.
      EXPECT_EQ(static_cast<int>(starts.size()), 2 * (width - 2) + 2 * (height - 2) - nearEntrance);
      for (const Pos p : starts) {
        const bool corner = (p.col == 1 || p.col == width) && (p.row == 1 || p.row == height);
        ASSERT_FALSE(corner);
        ASSERT_TRUE(p.col == 1 || p.col == width || p.row == 1 || p.row == height);
        if (p.row == 1) {
          ASSERT_GT(std::abs(p.col - entrance), 2);
        }
      }
      // Row by row, column by column.
      ASSERT_TRUE(std::is_sorted(starts.begin(), starts.end(), [](Pos a, Pos b) {
        return a.row != b.row ? a.row < b.row : a.col < b.col;
      }));
    }
  }
}

TEST(CarveSideTunnel, EachEquationTurnsAtItsMiddleCell) {
  Settings settings;
  Board board;
  board.SetSize(13, 8);
  const auto adjacent = [](Pos a, Pos b) {
    return std::abs(a.col - b.col) + std::abs(a.row - b.row) == 1;
  };
  int laid = 0;
  for (int seed = 1; seed <= 300; ++seed) {
    SeedRandom(seed);
    board.ClearBoard();
    board.at(6, 4).number = 3;
    CarveSideTunnel(board, settings, 6, 4, 1);
    std::vector<Pos> numbered;
    board.ForEachCell([&](int col, int row, const Cell& cell) {
      if (cell.number != 0 && !(col == 6 && row == 4)) numbered.push_back({col, row});
    });
    // An equation that missed the range six times keeps only its numbers within it.
    if (numbered.size() < 2) continue;
    ASSERT_EQ(numbered.size(), 2u) << "seed " << seed;
    ++laid;
    Pos c2 = numbered[0];
    Pos c3 = numbered[1];
    if (!adjacent(c2, {6, 4})) std::swap(c2, c3);
    ASSERT_TRUE(adjacent(c2, {6, 4}) && adjacent(c3, c2));
    ASSERT_TRUE(c3.col != 6 && c3.row != 4) << "seed " << seed;  // a corner at c2
    ASSERT_TRUE(IsTrueEquation(3, board.at(c2).number, board.at(c3).number));
    ASSERT_FALSE(board.at(c2).onTunnel || board.at(c3).onTunnel);
    ASSERT_EQ(board.at(c2).LinkCount() + board.at(c3).LinkCount(), 0);
  }
  EXPECT_GT(laid, 270);
}

TEST(CarveSideTunnel, StopsWhereThereIsNoRoom) {
  Settings settings;
  Board board;
  board.SetSize(13, 8);
  board.ClearBoard();
  // Hemmed in by numbered cells: nothing is laid, and the call returns.
  for (Pos p : {Pos{5, 4}, Pos{7, 4}, Pos{6, 3}, Pos{6, 5}})
    board.at(p).number = 4;
  board.at(6, 4).number = 8;
  CarveSideTunnel(board, settings, 6, 4, 10);
  int numbered = 0;
  board.ForEachCell([&](int, int, const Cell& cell) { numbered += cell.number != 0; });
  EXPECT_EQ(numbered, 5);
  // A start cell without a number whose only way out leads back to it gives up, too.
  board.ClearBoard();
  for (Pos p : {Pos{1, 3}, Pos{3, 2}, Pos{2, 3}})
    board.at(p).number = 4;
  for (int seed = 1; seed <= 50; ++seed) {
    SeedRandom(seed);
    CarveSideTunnel(board, settings, 1, 2, 5);
    ASSERT_EQ(board.at(1, 2).number + board.at(2, 2).number, 0);
  }
}

TEST(BuildMaze, PaintsFirstAndLetsMessagesRunWhileCarving) {
  Settings settings;
  Board board;
  RecordingPresentation presentation;
  std::vector<int> paintsAtPump;  // pictures painted by each time messages ran
  presentation.onProcessMessages = [&] {
    paintsAtPump.push_back(presentation.formPaints + presentation.drawBoards);
  };
  board.SetSize(17, 8);
  BuildMaze(board, settings, presentation.Hooks());
  EXPECT_EQ(presentation.formPaints, 1);
  EXPECT_EQ(presentation.drawBoards, 1);
  // The background lets messages run as it paints; the empty board is drawn before carving.
  ASSERT_GE(paintsAtPump.size(), 2u);
  EXPECT_EQ(paintsAtPump[0], 1);
  EXPECT_EQ(paintsAtPump[1], 2);
  EXPECT_GT(presentation.messagePumps, board.tunnelLength);  // once per carving attempt
}

TEST(BuildMaze, TargetIsReachedAtTheFirstOddLength) {
  Settings settings;
  RecordingPresentation presentation;
  Board board;
  // Target 30 on 25 x 12 gives 31 cells; target 31 on 31 x 10 gives 31.
  struct Case {
    int width, height, target;
  };
  for (const Case& c : {Case{25, 12, 31}, Case{31, 10, 31}}) {
    settings.tbTunnelLength = 4;
    for (int seed = 1; seed <= 20; ++seed) {
      SeedRandom(seed);
      board.SetSize(c.width, c.height);
      BuildMaze(board, settings, presentation.Hooks());
      ASSERT_EQ(board.tunnelLength, c.target);
    }
  }
}

TEST(BuildMaze, SameSeedSameMaze) {
  Settings settings;
  settings.SubTunnels = 3;
  RecordingPresentation presentation;
  Board first;
  Board second;
  for (Board* board : {&first, &second}) {
    SeedRandom(77);
    board->SetSize(22, 14);
    BuildMaze(*board, settings, presentation.Hooks());
  }
  first.ForEachCell([&](int col, int row, const Cell& cell) {
    ASSERT_EQ(cell.number, second.at(col, row).number);
    ASSERT_EQ(cell.link, second.at(col, row).link);
  });
}

TEST(BuildMaze, CrampedBoardsStillEnd) {
  // Boards too small or too large for their target end with a sound, shorter tunnel.
  Settings settings;
  settings.tbTunnelLength = 1;
  settings.SubTunnels = 3;
  RecordingPresentation presentation;
  Board board;
  for (const auto& [width, height] : {std::pair{4, 3}, {5, 3}, {48, 3}, {4, 49}}) {
    for (int seed = 1; seed <= 3; ++seed) {
      SeedRandom(seed);
      board.SetSize(width, height);
      BuildMaze(board, settings, presentation.Hooks());
      ASSERT_EQ(test::TunnelProblems(board), std::vector<std::string>{}) << width << "x" << height;
      ASSERT_GE(board.tunnelLength, 3);
    }
  }
  EXPECT_TRUE(presentation.diagnostics.empty());
}

}  // namespace
}  // namespace sb
