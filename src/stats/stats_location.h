// Where the statistics files live, for the game that writes them and the window that reads them.
#pragma once

#include "stats/stats_file.h"

namespace sb::stats {

// A program run from a folder of its own (a build tree, a portable copy) keeps its records in
// "sb/stats.sb" there, and falls back on "stats.sb" in the user's data folder when that file or
// its folder cannot be written; the window counts both. An installed program keeps them in the
// user's data folder alone. Files and folders are made when the first record is written.
StatsFiles StatsFileLocations();

}  // namespace sb::stats
