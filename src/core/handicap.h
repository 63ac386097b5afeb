// What the handicap setting decides, in one table: the level of a new game, what wrong answers,
// going back and clues cost, and how the statistics file counts it.
#pragma once

#include <algorithm>
#include <cstdint>

namespace sb {

struct HandicapRules {
  int pop;              // seconds between the unleashed worm's steps
  int delay;            // seconds before the worm is unleashed
  int clueDivisor;      // a game's clues: the tunnel length divided by this, at least 2
  int wrongDivisor;     // a wrong answer costs the answer divided by this
  int goBackDivisor;    // going back costs the number taken back divided by this
  int clueCostDivisor;  // a clue costs the revealed number divided by this, at least 5
  int statsHandicap;    // the statistics file counts -1 as easy: the other way round
};

// By the setting: -1 higher penalties, 0 neutral, 1 lower penalties (others are clamped).
inline const HandicapRules& RulesFor(int handicap) {
  static constexpr HandicapRules kRules[] = {
      {5, 10, 10, 5, 5, 5, 1},    // higher penalties
      {7, 20, 8, 3, 7, 7, 0},     // neutral
      {10, 30, 6, 2, 10, 1, -1},  // lower penalties
  };
  return kRules[std::clamp(handicap, -1, 1) + 1];
}

}  // namespace sb
