// Board store and grid walks.
#include "core/board.h"

#include <algorithm>
#include <climits>

#include "core/geometry.h"
#include "util/random.h"

namespace sb {
namespace {

const Cell kEmptyCell{};

bool InStore(int col, int row) {
  return col >= 0 && col < Board::kStoreSize && row >= 0 && row < Board::kStoreSize;
}

int PixelToIndex(int pixel, int cellSize) {
  const std::int64_t index = (static_cast<std::int64_t>(pixel) - kBoardMargin) / cellSize + 1;
  return static_cast<int>(std::clamp<std::int64_t>(index, INT_MIN, INT_MAX));
}

}  // namespace

Pos CellUnderPixel(int x, int y, int cellSize) {
  if (cellSize < 1) return {0, 0};
  return {PixelToIndex(x, cellSize), PixelToIndex(y, cellSize)};
}

Pos Board::TunnelEntrance() const {
  if (at(Entrance()).entranceFlag) return Entrance();
  for (int col = 1; col <= boardWidth; ++col)
    if (at(col, 1).entranceFlag) return {col, 1};
  return Entrance();
}

void Board::SetSize(int width, int height) {
  boardWidth = static_cast<std::uint16_t>(std::clamp(width, kMinWidth, kMaxWidth));
  boardHeight = static_cast<std::uint16_t>(std::clamp(height, kMinHeight, kMaxHeight));
}

Cell& Board::at(int col, int row) {
  if (InStore(col, row)) return cells_[col][row];
  ++strayAccesses;
  scratch_ = Cell{};
  return scratch_;
}

const Cell& Board::at(int col, int row) const {
  if (InStore(col, row)) return cells_[col][row];
  ++strayAccesses;
  return kEmptyCell;
}

void Board::ClearBoard() {
  for (auto& column : cells_)
    column.fill(Cell{});
  std::int32_t serial = 0;
  ForEachCell([&](int, int, Cell& cell) { cell.serial = ++serial; });
}

Pos Board::Moved(int col, int row, int dir) const {
  switch (dir) {
    case kUp:
      return {col, row - 1};
    case kDown:
      return {col, row + 1};
    case kRight:
      return {col + 1, row};
    case kLeft:
      return {col - 1, row};
    default:
      return {col, row};
  }
}

Pos Board::NeighbourInDirection(int col, int row, int dir) const {
  if (col <= 0 || row <= 0) return {0, 0};
  Pos next = Moved(col, row, dir);
  if (next.col < 1 || next.col > boardWidth || next.row < 1 || next.row > boardHeight) next.col = 0;
  return next;
}

Pos Board::FollowLink(int col, int row) const {
  if (col <= 0 || row <= 0) return {0, 0};
  const Cell& cell = at(col, row);
  Pos next{0, 0};
  for (int dir = kUp; dir <= kLeft; ++dir)
    if (cell.link[dir]) next = NeighbourInDirection(col, row, dir);
  if (cell.LinkCount() > 1 && diagnostic)
    diagnostic("multiple links @" + std::to_string(col) + "," + std::to_string(row));
  return next;
}

Pos Board::NextMarkedNeighbour(Pos cell, WalkedCells& walked) const {
  walked.Add(cell);
  for (int dir : {kUp, kRight, kDown, kLeft}) {
    const Pos next = Moved(cell.col, cell.row, dir);
    if (at(next.col, next.row).marked && !walked.Has(next)) return next;
  }
  return {-1, 0};
}

void Board::CheckTunnelLinks() const {
  Pos cell = TunnelEntrance();
  // A tunnel visits each used cell at most once; a longer walk would be a loop.
  for (int walked = 0; walked <= boardWidth * boardHeight; ++walked) {
    if (cell.col <= 0 || at(cell).homeFlag) return;
    cell = FollowLink(cell);
  }
}

Pos Board::FindTunnelStep(int n) const {
  Pos cell = TunnelEntrance();
  if (n <= 0) return cell;
  int lastStep = 0;
  for (int walked = 0; walked <= boardWidth * boardHeight; ++walked) {
    const Cell& here = at(cell);
    if (here.step == n || (here.homeFlag && n == tunnelLength)) return cell;
    if (here.step == 0 && !here.homeFlag) break;
    lastStep = here.step;
    if (here.homeFlag) break;
    cell = FollowLink(cell);
  }
  if (diagnostic)
    diagnostic("cant find " + std::to_string(n) + " last=" + std::to_string(lastStep));
  CheckTunnelLinks();
  return {0, 0};
}

Neighbour Board::RandomFreeNeighbour(int col, int row) const {
  if (col < 1 || row < 1) return {0, 0, kNoDirection};
  for (int draw = 0; draw < 9; ++draw) {
    int dir = kNoDirection;
    switch (Random(4)) {
      case 0:
        dir = row != 1 ? kUp : kNoDirection;
        break;
      case 1:
        dir = col != boardWidth ? kRight : kNoDirection;
        break;
      case 2:
        dir = row != boardHeight ? kDown : kNoDirection;
        break;
      default:
        dir = col != 1 ? kLeft : kNoDirection;
        break;
    }
    // A move off the board is a failed draw: the cell itself is never its own neighbour.
    if (dir == kNoDirection) continue;
    const Pos next = Moved(col, row, dir);
    if (at(next).onTunnel) continue;
    if (next.col >= 1 && next.col <= boardWidth && next.row > 1 && next.row <= boardHeight)
      return {next.col, next.row, dir};
  }
  return {-1, 0, kNoDirection};
}

std::vector<Pos> Board::TunnelCells() const {
  std::vector<Pos> cells;
  Pos cell = TunnelEntrance();
  while (cell.col > 0 && static_cast<int>(cells.size()) < boardWidth * boardHeight) {
    cells.push_back(cell);
    if (at(cell).homeFlag) break;
    cell = FollowLink(cell);
  }
  return cells;
}

}  // namespace sb
