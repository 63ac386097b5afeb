// The quick settings for the options dialog; the table itself lives with the settings record,
// where the game's statistics record also reads it.
#pragma once

#include "settings/grade_presets.h"
