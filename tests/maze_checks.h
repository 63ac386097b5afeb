// Independent checks of a built underground, shared by the generator and game tests.
#pragma once

#include <string>
#include <vector>

#include "core/board.h"
#include "settings/settings.h"

namespace sb::test {

// Every tunnel invariant, the one-cell width, every used cell numbered and the margin empty.
// Returns one line per problem found (empty when the board is sound).
std::vector<std::string> TunnelProblems(const Board& board);

// Every tunnel equation true; with inRange, every tunnel number within the settings' range.
std::vector<std::string> EquationProblems(const Board& board, const Settings& settings,
                                          bool inRange);

// maxScore recomputed from the tunnel order: entrance and inner joints twice, home three times.
long long ExpectedMaxScore(const Board& board);

// Lays a tunnel along the given cells (entrance first, home last) on a cleared board, with
// links, steps and flags as carving leaves them, and the given numbers.
void LayTunnel(Board& board, const std::vector<Pos>& cells, const std::vector<int>& numbers);

}  // namespace sb::test
