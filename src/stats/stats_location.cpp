// Choosing the statistics files: beside the program when it runs from its own folder, with the
// user's data folder to fall back on; the user's data folder alone when it is installed.
#include "stats/stats_location.h"

#include <QStandardPaths>
#include <QString>

#include "util/files.h"

namespace sb::stats {

StatsFiles StatsFileLocations() {
  // Without a home there is no data folder: nothing to fall back on, rather than the current one.
  const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  const std::filesystem::path inDataFolder =
      data.isEmpty() ? std::filesystem::path()
                     : std::filesystem::path(data.toStdString()) / "stats.sb";
  if (ProgramFolderIsInstalled()) return {inDataFolder};
  return {std::filesystem::path(ProgramFolder()) / "sb" / "stats.sb", inDataFolder};
}

}  // namespace sb::stats
