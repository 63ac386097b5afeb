// The quick settings: one set of the main settings for each school grade, 1 to 8, and the grade
// a game's settings come nearest to, which its statistics record names.
#pragma once

#include "settings/settings.h"

namespace sb {

inline constexpr int kGradeCount = 8;

// Applies the preset of the grade with index 0 .. 7 ("Grade 1" .. "Grade 8") and keeps the index
// as the record's UserLevel. Any other index changes nothing and returns false. The sound volume,
// the answer's lower bound, negatives and the tunnel marks are never touched.
bool ApplyGradePreset(Settings& settings, int index);

// How far the settings lie from the preset row of the grade with index 0 .. 7: 0 exactly when
// every control of the row holds the preset's value. Each unit between the highest answers counts
// 1, and so does each check box of the row that differs and each step between the positions of a
// track bar (handicap, earth density, tunnel length) or the items of Sub-Tunnels (nothing
// selected counts as "None", as the game reads it). A highest answer below 1 counts as 1.
long long GradeDistance(const Settings& settings, int index);

// The index of the grade whose row lies nearest to the settings. Ties go to the grade last chosen
// in the quick settings (UserLevel), then to the lower grade. With a preset chosen and none of
// its controls changed since, that is the chosen grade.
int NearestGrade(const Settings& settings);

}  // namespace sb
