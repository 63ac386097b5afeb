// The board in words, for a player who cannot see it: where the tail of the path is, the
// numbers around it in each direction, and the hint. A screen reader reads it as the board
// picture's description, so the game can be played with the arrow keys alone.
#pragma once

#include <string>

#include "core/game.h"

namespace sb {

std::string BoardDescription(const GameState& state, const Controls& controls);

}  // namespace sb
