// Program folder and whole-file helpers.
#include "util/files.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

namespace sb {
namespace {

std::string& Language() {
  static std::string language;
  return language;
}

std::filesystem::path& FolderOverride() {
  static std::filesystem::path folder;
  return folder;
}

std::filesystem::path ExecutableFolder() {
  std::error_code error;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::filesystem::current_path(error);
  return exe.parent_path();
}

std::string WithTrailingSeparator(const std::filesystem::path& folder) {
  std::string text = folder.string();
  if (text.empty() || text.back() != '/') text += '/';
  return text;
}

std::filesystem::path InstalledFolder() {
  return ExecutableFolder().parent_path() / "share" / "sumburrow";
}

bool DataBesideExecutable() {
  std::error_code error;
  return std::filesystem::is_directory(ExecutableFolder() / "sb", error);
}

}  // namespace

std::string ProgramFolder() {
  if (!FolderOverride().empty()) return WithTrailingSeparator(FolderOverride());
  if (DataBesideExecutable()) return WithTrailingSeparator(ExecutableFolder());
  std::error_code error;
  if (std::filesystem::is_directory(InstalledFolder(), error))
    return WithTrailingSeparator(InstalledFolder());
  return WithTrailingSeparator(ExecutableFolder());
}

bool ProgramFolderIsInstalled() {
  if (!FolderOverride().empty() || DataBesideExecutable()) return false;
  std::error_code error;
  return std::filesystem::is_directory(InstalledFolder(), error);
}

void SetProgramFolder(const std::filesystem::path& folder) {
  FolderOverride() = folder;
}

std::filesystem::path DataPath(const std::string& relative) {
  std::string portable = relative;
  std::replace(portable.begin(), portable.end(), '\\', '/');
  return std::filesystem::path(ProgramFolder()) / portable;
}

void SetDataLanguage(const std::string& language) {
  Language() = language;
}

const std::string& DataLanguage() {
  return Language();
}

std::filesystem::path LocalDataPath(const std::string& relative) {
  const std::filesystem::path english = DataPath(relative);
  if (Language().empty()) return english;
  std::filesystem::path local = english;
  local.replace_extension("." + Language() + english.extension().string());
  return FileExists(local) ? local : english;
}

bool FileExists(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

std::optional<std::string> ReadFileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return text.str();
}

void DeleteFileQuietly(const std::filesystem::path& path) {
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
}

}  // namespace sb
