// The board store and its grid walks.
#include <gtest/gtest.h>

#include "core/board.h"
#include "maze_checks.h"
#include "util/random.h"

namespace sb {
namespace {

class BoardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    board.SetSize(25, 16);
    board.ClearBoard();
    board.diagnostic = [this](const std::string& text) { diagnostics.push_back(text); };
  }
  Board board;
  std::vector<std::string> diagnostics;
};

TEST_F(BoardTest, SerialsRunDownEachColumnFromOne) {
  struct Case {
    Pos cell;
    int serial;
  };
  for (const Case& c : {Case{{1, 1}, 1}, Case{{1, 16}, 16}, Case{{2, 1}, 17}, Case{{25, 16}, 400},
                        Case{{0, 5}, 0}, Case{{26, 1}, 0}, Case{{1, 17}, 0}}) {
    EXPECT_EQ(board.at(c.cell).serial, c.serial) << c.cell.col << "," << c.cell.row;
  }
}

TEST_F(BoardTest, ClearBoardEmptiesCellsOfALargerEarlierBoard) {
  board.SetSize(40, 40);
  board.ClearBoard();
  board.at(30, 30).number = 7;
  board.at(30, 30).onTunnel = true;
  board.at(26, 2).link[kLeft] = true;
  board.SetSize(25, 16);
  board.ClearBoard();
  EXPECT_EQ(board.at(30, 30).number, 0);
  EXPECT_FALSE(board.at(30, 30).onTunnel);
  EXPECT_EQ(board.at(26, 2).LinkCount(), 0);
  EXPECT_EQ(board.at(30, 30).serial, 0);
}

TEST_F(BoardTest, SizeStaysWithinTheStore) {
  board.SetSize(200, 200);
  EXPECT_EQ(board.boardWidth, Board::kMaxWidth);
  EXPECT_EQ(board.boardHeight, Board::kMaxHeight);
  board.SetSize(-3, 0);
  EXPECT_EQ(board.boardWidth, Board::kMinWidth);
  EXPECT_EQ(board.boardHeight, Board::kMinHeight);
}

TEST_F(BoardTest, OutsideTheStoreReadsEmptyAndTakesNoWrites) {
  board.at(-1, 3).number = 5;
  board.at(51, 51).onTunnel = true;
  EXPECT_EQ(board.at(-1, 3).number, 0);
  EXPECT_FALSE(board.at(51, 51).onTunnel);
  const Board& view = board;
  EXPECT_EQ(view.at(1000, -1000).number, 0);
  EXPECT_EQ(board.strayAccesses, 5);
  EXPECT_EQ(view.at(50, 0).number, 0);  // the margin is inside the store
  EXPECT_EQ(board.strayAccesses, 5);
}

TEST_F(BoardTest, NeighbourInDirection) {
  struct Case {
    Pos from;
    int dir;
    Pos expected;
  };
  const Case cases[] = {
      {{0, 5}, kDown, {0, 0}},    // bad start
      {{5, 0}, kUp, {0, 0}},      // bad start
      {{3, 16}, kDown, {0, 17}},  // off the bottom: column 0, the row keeps the move
      {{1, 4}, kLeft, {0, 4}},    // off the left edge
      {{25, 4}, kRight, {0, 4}},  // off the right edge
      {{4, 1}, kUp, {0, 0}},      // above the surface
      {{3, 3}, kUp, {3, 2}},     {{3, 3}, kDown, {3, 4}},        {{3, 3}, kRight, {4, 3}},
      {{3, 3}, kLeft, {2, 3}},   {{3, 3}, kNoDirection, {3, 3}}, {{3, 3}, 7, {3, 3}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(board.NeighbourInDirection(c.from.col, c.from.row, c.dir), c.expected)
        << c.from.col << "," << c.from.row << " dir " << c.dir;
  }
}

TEST_F(BoardTest, FollowLink) {
  board.at(3, 4).link[kRight] = true;
  EXPECT_EQ(board.FollowLink(3, 4), (Pos{4, 4}));
  EXPECT_EQ(board.FollowLink(5, 5), (Pos{0, 0}));  // no link
  EXPECT_EQ(board.FollowLink(0, 4), (Pos{0, 0}));  // bad input
  board.at(25, 2).link[kRight] = true;             // a link off the board
  EXPECT_EQ(board.FollowLink(25, 2).col, 0);
  EXPECT_TRUE(diagnostics.empty());

  // Several links: the last in the order up, down, right, left wins, with a diagnostic.
  board.at(3, 4).link[kUp] = true;
  board.at(3, 4).link[kLeft] = true;
  EXPECT_EQ(board.FollowLink(3, 4), (Pos{2, 4}));
  EXPECT_EQ(diagnostics, std::vector<std::string>{"multiple links @3,4"});
}

TEST_F(BoardTest, NextMarkedNeighbourOrderAndMargin) {
  // Up, right, down, left: each marked neighbour wins over the ones after it, until the walk has
  // been through it.
  for (Pos p : {Pos{5, 4}, Pos{6, 5}, Pos{5, 6}, Pos{4, 5}})
    board.at(p).marked = true;
  WalkedCells walked;
  EXPECT_EQ(board.NextMarkedNeighbour({5, 5}, walked), (Pos{5, 4}));
  EXPECT_TRUE(walked.Has({5, 5}));
  walked.Add({5, 4});
  EXPECT_EQ(board.NextMarkedNeighbour({5, 5}, walked), (Pos{6, 5}));
  walked.Add({6, 5});
  walked.Add({5, 6});
  EXPECT_EQ(board.NextMarkedNeighbour({5, 5}, walked), (Pos{4, 5}));
  walked.Add({4, 5});
  EXPECT_EQ(board.NextMarkedNeighbour({5, 5}, walked).col, -1);
  // On the last column the empty margin is never stepped into.
  board.at(25, 8).marked = true;
  EXPECT_EQ(board.NextMarkedNeighbour({25, 8}, walked).col, -1);
  // Another walk starts afresh.
  WalkedCells other;
  EXPECT_EQ(board.NextMarkedNeighbour({5, 5}, other), (Pos{5, 4}));
}

TEST_F(BoardTest, FindTunnelStepAndCheckTunnelLinks) {
  const std::vector<Pos> cells{{4, 1}, {4, 2}, {5, 2}, {6, 2}, {6, 3}};
  test::LayTunnel(board, cells, {10, 3, 7, 2, 5});
  EXPECT_EQ(board.FindTunnelStep(0), (Pos{4, 1}));
  EXPECT_EQ(board.FindTunnelStep(-2), (Pos{4, 1}));
  EXPECT_EQ(board.FindTunnelStep(3), (Pos{5, 2}));
  EXPECT_EQ(board.FindTunnelStep(5), (Pos{6, 3}));  // home answers to tunnelLength
  EXPECT_EQ(board.TunnelCells(), cells);
  board.CheckTunnelLinks();
  EXPECT_TRUE(diagnostics.empty());

  EXPECT_EQ(board.FindTunnelStep(9).col, 0);  // beyond home
  EXPECT_EQ(diagnostics, std::vector<std::string>{"cant find 9 last=0"});

  // A broken link: the walk meets an unstepped cell.
  diagnostics.clear();
  board.at(5, 2).link = {};
  board.at(5, 2).link[kDown] = true;
  EXPECT_EQ(board.FindTunnelStep(4).col, 0);
  EXPECT_EQ(diagnostics, std::vector<std::string>{"cant find 4 last=3"});
}

TEST_F(BoardTest, WalksEndOnALoopedTunnel) {
  // Links that run in a circle must not make any walk run for ever.
  test::LayTunnel(board, {{4, 1}, {4, 2}, {5, 2}, {5, 3}, {4, 3}}, {1, 1, 1, 1, 1});
  board.at(4, 3).homeFlag = false;
  board.at(4, 3).link[kUp] = true;  // back into (4, 2)
  board.at(4, 3).step = 5;
  board.CheckTunnelLinks();
  EXPECT_EQ(board.FindTunnelStep(7).col, 0);
  EXPECT_LE(board.TunnelCells().size(), 25u * 16u);
}

TEST_F(BoardTest, RandomFreeNeighbour) {
  SeedRandom(11);
  // From row 2 the cell above (row 1) is never offered.
  for (int i = 0; i < 500; ++i) {
    const Neighbour n = board.RandomFreeNeighbour(7, 2);
    ASSERT_GT(n.row, 1);
    ASSERT_EQ(std::abs(n.col - 7) + std::abs(n.row - 2), 1);
    ASSERT_EQ(board.NeighbourInDirection(7, 2, n.dir), (Pos{n.col, n.row}));
  }
  EXPECT_EQ(board.RandomFreeNeighbour(0, 3).col, 0);  // bad input
  EXPECT_EQ(board.RandomFreeNeighbour(3, -1).col, 0);

  // Surrounded by tunnel: column -1.
  for (Pos p : {Pos{7, 4}, Pos{7, 6}, Pos{6, 5}, Pos{8, 5}})
    board.at(p).onTunnel = true;
  for (int i = 0; i < 50; ++i)
    ASSERT_EQ(board.RandomFreeNeighbour(7, 5).col, -1);

  // In the bottom right corner with both open sides on the tunnel, the impossible moves (right,
  // down) are failed draws: the cell is never its own neighbour.
  board.at(25, 15).onTunnel = true;
  board.at(24, 16).onTunnel = true;
  for (int i = 0; i < 200; ++i)
    ASSERT_EQ(board.RandomFreeNeighbour(25, 16).col, -1);
}

}  // namespace
}  // namespace sb
