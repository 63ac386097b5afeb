// Every setting of the game in one record, named after the option that holds it. The options
// dialog edits the one record live; the game reads a value at the moment it needs it.
#pragma once

#include <string>
#include <string_view>

namespace sb {

struct Settings {
  int handicap = 1;            // -1 higher penalties, 0 neutral, 1 lower penalties
  int tbSound = 8;             // 1 loudest .. 15 quietest
  int tbSize = 3;              // earth density: 1 most cells .. 4 fewest
  int tbTunnelLength = 4;      // 1 longest .. 4 shortest tunnel
  bool Timed = false;          // the worm is unleashed on a timer
  bool Animations = true;      // step-by-step worm animation
  bool FlashInCorrect = true;  // after a wrong equation, suggest a right one
  bool Morphing = true;        // decoy numbers change during a game
  bool Multiplication = true;
  bool Division = true;
  bool Negatives = false;  // generated numbers are never negative
  int SubTunnels = -1;     // -1 nothing selected (none), 0 None, 1 Minimal, 2 Some, 3 Many
  bool Milestones = false;
  bool MarkEntrance = true;
  int minAnswer = 1;   // 1 .. 20
  int maxAnswer = 99;  // any integer; below 1 counts as 1
  int UserLevel = -1;  // grade preset last chosen: -1 none, 0 .. 7 = grade 1 .. 8

  // The font family of the numbers on the board.
  std::string boardFontName = "Tahoma";

  bool operator==(const Settings&) const = default;
};

// The program's own sound volume, 0 .. 65535, for a position of the volume track bar: 1 (loudest,
// 61440) .. 15 (quietest, 4096); positions beyond are clamped.
inline int VolumeForPosition(int tbSound) {
  return (16 - (tbSound < 1 ? 1 : tbSound > 15 ? 15 : tbSound)) * 4096;
}

// Sets a setting by its name from decimal text ("1"/"0" for yes/no). On failure returns false
// and explains why in *error; the record is unchanged.
bool SetSetting(Settings& settings, std::string_view name, std::string_view value,
                std::string* error);

}  // namespace sb
