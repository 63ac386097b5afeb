// Numbering the underground: equations along the tunnel and its side tunnels, the maximum
// score, and the decoys that fill the rest of the earth.
#pragma once

#include <cstdint>

#include "core/answer_range.h"
#include "core/board.h"
#include "settings/settings.h"

namespace sb {

// Does a op b = c hold for one of +, -, x and exact division?
bool IsTrueEquation(std::int64_t a, std::int64_t b, std::int64_t c);

// Chooses and stores the numbers of c1, c2, c3 as a op b = c, within EquationRange. A number
// already in c1 is kept; c2 and c3 are expected to be empty. Tunnel equations always come out
// true and within the range.
void GenerateEquation(Board& board, const Settings& settings, Pos c1, Pos c2, Pos c3);

// Numbers the carved tunnel from the entrance to home and sets board.maxScore.
void NumberTunnel(Board& board, const Settings& settings);

// The most a player can score on the numbered tunnel: the entrance and the inner joints twice,
// home three times, every other tunnel cell once.
std::int64_t ComputeMaxScore(const Board& board);

// Gives every empty cell a decoy and turns about one side-tunnel joint in ten into a near miss.
void FillEarth(Board& board, const Settings& settings);

}  // namespace sb
