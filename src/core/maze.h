// Building a new underground: the hidden tunnel, its side tunnels and the decoy earth.
#pragma once

#include <functional>
#include <vector>

#include "core/board.h"
#include "settings/settings.h"

namespace sb {

// The tunnel length carving must reach (it stops at the first odd length not below it), from
// the tunnel-length position 1 (longest) .. 4 (shortest) and the board size; at least 3.
int TargetLength(int tunnelLengthPosition, int width, int height);

// May the tunnel grow from the frontier (col, row) into its neighbour in direction dir? Keeps
// the tunnel one cell wide, with earth between parallel passes.
bool CanCarve(const Board& board, int col, int row, int dir);

// Lays up to count equations off (col, row) through empty earth, turning a corner in each.
void CarveSideTunnel(Board& board, const Settings& settings, int col, int row, int count);

// The border cells that border side tunnels start from, in the order they are used: no corner,
// nothing within two columns of the entrance.
std::vector<Pos> BorderSideTunnelStarts(const Board& board);

// What a maze build asks of the window while it works; either may let other events run, and
// either may be left empty.
struct BuildHooks {
  std::function<void()> showClearedBoard;  // the background painted afresh, the empty board drawn
  std::function<void()> letMessagesRun;    // after every carving attempt
};

// Carves, numbers and fills a new underground on a board whose size is set. On return the
// tunnel invariants hold, every used cell has a number and maxScore is set.
void BuildMaze(Board& board, const Settings& settings, const BuildHooks& hooks = {});

}  // namespace sb
