// The program's one random generator: seeded once, shared by the game, the board drawing and tools.
#pragma once

#include <cstdint>

namespace sb {

// A uniform integer 0 .. n - 1 (0 when n is 0 or less).
int Random(int n);

// Restarts the sequence; the same seed gives the same mazes on every platform.
void SeedRandom(std::uint64_t seed);

// Seeds from the clock, as the program does once at start.
void SeedRandomFromClock();

}  // namespace sb
