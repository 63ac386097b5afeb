// The grade presets as a table, one row per grade, applied in the order of their columns.
#include "settings/options/grade_presets.h"

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

}  // namespace sb
