// The grade presets as a table, one row per grade, applied in the order of their columns, and the
// distance of a game's settings from each row.
#include "settings/grade_presets.h"

#include <algorithm>
#include <cstdlib>

namespace sb {
namespace {

constexpr int kNone = 0;  // side-tunnel list items
constexpr int kMinimal = 1;
constexpr int kSome = 2;

struct GradePreset {
  bool Timed;
  bool Animations;
  bool Morphing;
  bool Multiplication;
  bool Division;
  bool FlashInCorrect;
  int handicap;
  int maxAnswer;
  int tbSize;
  int tbTunnelLength;
  int SubTunnels;
};

// Younger grades get small numbers, no worm on their heels and few operations; "Higher
// Penalties" and "Many" side tunnels are left for the player to choose by hand.
constexpr GradePreset kPresets[kGradeCount] = {
    {false, true, false, false, false, true, 1, 10, 4, 4, kNone},
    {false, true, false, false, false, true, 1, 10, 3, 3, kNone},
    {false, true, false, false, false, true, 1, 20, 3, 3, kNone},
    {false, true, false, true, false, true, 1, 20, 3, 3, kNone},
    {false, true, true, true, false, true, 0, 20, 2, 3, kNone},
    {true, true, true, true, true, true, 0, 25, 2, 2, kNone},
    {true, true, true, true, true, true, 0, 50, 2, 2, kMinimal},
    {true, true, true, true, true, true, 0, 99, 3, 3, kSome},
};

long long Steps(long long a, long long b) {
  return a > b ? a - b : b - a;
}

}  // namespace

bool ApplyGradePreset(Settings& settings, int index) {
  if (index < 0 || index >= kGradeCount) return false;
  const GradePreset& preset = kPresets[index];
  settings.Timed = preset.Timed;
  settings.Animations = preset.Animations;
  settings.Morphing = preset.Morphing;
  settings.Multiplication = preset.Multiplication;
  settings.Division = preset.Division;
  settings.FlashInCorrect = preset.FlashInCorrect;
  settings.handicap = preset.handicap;
  settings.maxAnswer = preset.maxAnswer;
  settings.tbSize = preset.tbSize;
  settings.tbTunnelLength = preset.tbTunnelLength;
  settings.SubTunnels = preset.SubTunnels;
  settings.UserLevel = index;
  return true;
}

long long GradeDistance(const Settings& s, int index) {
  const GradePreset& p = kPresets[std::clamp(index, 0, kGradeCount - 1)];
  const bool boxes[][2] = {{s.Timed, p.Timed},       {s.Animations, p.Animations},
                           {s.Morphing, p.Morphing}, {s.Multiplication, p.Multiplication},
                           {s.Division, p.Division}, {s.FlashInCorrect, p.FlashInCorrect}};
  long long distance = Steps(std::max(s.maxAnswer, 1), p.maxAnswer);
  for (const auto& box : boxes)
    distance += box[0] != box[1];
  distance += Steps(s.handicap, p.handicap) + Steps(s.tbSize, p.tbSize) +
              Steps(s.tbTunnelLength, p.tbTunnelLength) +
              Steps(std::max(s.SubTunnels, kNone), p.SubTunnels);
  return distance;
}

int NearestGrade(const Settings& settings) {
  const bool chosen = settings.UserLevel >= 0 && settings.UserLevel < kGradeCount;
  int nearest = chosen ? settings.UserLevel : 0;
  long long least = GradeDistance(settings, nearest);
  for (int index = 0; index < kGradeCount; ++index) {
    const long long distance = GradeDistance(settings, index);
    if (distance < least) {
      nearest = index;
      least = distance;
    }
  }
  return nearest;
}

}  // namespace sb
