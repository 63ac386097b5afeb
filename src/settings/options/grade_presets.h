// The quick settings: one set of the main settings for each school grade, 1 to 8.
#pragma once

#include "settings/settings.h"

namespace sb {

inline constexpr int kGradeCount = 8;

// Applies the preset of the grade with index 0 .. 7 ("Grade 1" .. "Grade 8") and keeps the index
// as the record's UserLevel. Any other index changes nothing and returns false. The sound volume,
// the answer's lower bound, negatives and the tunnel marks are never touched.
bool ApplyGradePreset(Settings& settings, int index);

}  // namespace sb
