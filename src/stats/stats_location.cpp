// Choosing the statistics file: beside the program when it runs from a folder it may write, else
// (installed) the user's data folder.
#include "stats/stats_location.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QString>

#include "util/files.h"

namespace sb::stats {
namespace {

bool Writable(const std::filesystem::path& path) {
  return QFileInfo(QString::fromStdString(path.string())).isWritable();
}

// The sb folder is used when the file there can be written, or can be made.
bool ProgramFolderTakesRecords(const std::filesystem::path& programFolder) {
  const std::filesystem::path folder = programFolder / "sb";
  std::error_code error;
  if (!std::filesystem::exists(folder, error)) return Writable(programFolder);
  if (!std::filesystem::is_directory(folder, error) || !Writable(folder)) return false;
  const std::filesystem::path file = folder / "stats.sb";
  return !std::filesystem::exists(file, error) ||
         (std::filesystem::is_regular_file(file, error) && Writable(file));
}

}  // namespace

std::filesystem::path StatsFilePath() {
  const std::filesystem::path programFolder(ProgramFolder());
  if (!ProgramFolderIsInstalled() && ProgramFolderTakesRecords(programFolder))
    return programFolder / "sb" / "stats.sb";
  const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  return std::filesystem::path(data.toStdString()) / "stats.sb";
}

}  // namespace sb::stats
