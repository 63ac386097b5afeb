// Where the cells lie in the board picture: the one rule that drawing, picks and tools share.
#pragma once

#include "core/board.h"

namespace sb {

// The board is drawn this many pixels in from the picture's left and top edges.
inline constexpr int kBoardMargin = 10;

struct PixelPos {
  int x = 0;
  int y = 0;
  bool operator==(const PixelPos&) const = default;
};

// The top left pixel of a cell (columns and rows count from 1).
constexpr PixelPos CellOrigin(Pos cell, int cellSize) {
  return {(cell.col - 1) * cellSize + kBoardMargin, (cell.row - 1) * cellSize + kBoardMargin};
}

// The middle pixel of a cell, where a test or a tool clicks to pick it.
constexpr PixelPos CellCentre(Pos cell, int cellSize) {
  const PixelPos origin = CellOrigin(cell, cellSize);
  return {origin.x + cellSize / 2, origin.y + cellSize / 2};
}

// The cell under a pixel. The division truncates toward zero, so the margin left of and above
// the board still picks column and row 1; any pixel position is safe (worked out in 64 bits).
// A cell size below 1 gives (0, 0).
Pos CellUnderPixel(int x, int y, int cellSize);

}  // namespace sb
