// Where the statistics file lives, for the game that writes it and the window that reads it.
#pragma once

#include <filesystem>

namespace sb::stats {

// "sb/stats.sb" in the program folder when that folder can be written (a build tree, a portable
// copy); otherwise "stats.sb" in the user's data folder, as for an installed program. The file
// and its folder are created when the first record is written.
std::filesystem::path StatsFilePath();

}  // namespace sb::stats
