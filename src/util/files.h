// Where the data files live and how they are read.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace sb {

// The folder that holds the data folders "sb" and "sound", with a trailing separator: the
// program's own folder when they lie beside it (a build tree), otherwise the installed data
// folder <prefix>/share/sumburrow next to <prefix>/bin.
std::string ProgramFolder();

// Whether the program runs installed, its data in <prefix>/share/sumburrow, rather than from a
// folder that holds the data beside it (a build tree). An installed program writes nothing
// there, even where it may (run as root).
bool ProgramFolderIsInstalled();

// Overrides the folder found above (tests and tools point it at a scratch folder).
void SetProgramFolder(const std::filesystem::path& folder);

// A data file's full path from its name relative to the program folder, written with either
// separator ("sb\\stats.sb" and "sb/stats.sb" name the same file).
std::filesystem::path DataPath(const std::string& relative);

// The player's language for the data files that come in several languages ("de", "fr", "es"),
// told once at start; empty, the default, for English.
void SetDataLanguage(const std::string& language);
const std::string& DataLanguage();

// A data file in the player's language: "sb/TIPS.TXT" is looked up as "sb/TIPS.de.TXT" for German,
// and the English file is the answer when that one is missing (or the language is English).
std::filesystem::path LocalDataPath(const std::string& relative);

bool FileExists(const std::filesystem::path& path);

// The whole file as one text; nothing when it cannot be read.
std::optional<std::string> ReadFileText(const std::filesystem::path& path);

// Deletes a file; a missing file or a refusal is not an error.
void DeleteFileQuietly(const std::filesystem::path& path);

}  // namespace sb
