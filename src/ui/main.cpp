// Sumburrow's program entry: the one random generator, the one settings record, the main window.
#include <QApplication>
#include <QIcon>
#include <QLocale>

#include "settings/settings.h"
#include "stats/stats_location.h"
#include "ui/dialogs.h"
#include "ui/language.h"
#include "ui/main_window.h"
#include "ui/sound/sdl_sound_backend.h"
#include "util/files.h"
#include "util/random.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Sumburrow");
  // The desktop's language, when the game speaks it; nothing of the choice is saved.
  sb::UseLanguage(app, sb::ChooseLanguage(QLocale::system().uiLanguages(), sb::GameLanguages()));
  // Desktops match the window to its desktop entry and icon by this name.
  QGuiApplication::setDesktopFileName("org.sumburrow.sumburrow");
  QApplication::setWindowIcon(QIcon::fromTheme(
      "org.sumburrow.sumburrow",
      QIcon(QString::fromStdString(sb::DataPath("icons/sumburrow-256.png").string()))));
  sb::SeedRandomFromClock();

  sb::Settings settings;
  sb::DesktopDialogs dialogs;
  sb::MainWindowParts parts;
  parts.dialogs = &dialogs;
  parts.sound = std::make_unique<sb::SdlSoundBackend>();
  parts.statsFile = sb::stats::StatsFileLocations();
  sb::TfrmMain window(settings, std::move(parts));
  window.show();
  return QApplication::exec();
}
