// How fast the window is: start-up, drawing the densest board on a large screen, one cell's
// redraw, the background, the processor while a message flashes and while the game sits idle,
// and the memory of a running game. Runs on Qt's offscreen platform unless another is chosen.
#include <sys/resource.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "core/game.h"
#include "headless.h"
#include "ui/board_picture.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/sound/sdl_sound_backend.h"
#include "ui/sound/sound_backend.h"
#include "util/files.h"
#include "util/random.h"

namespace {

using Clock = std::chrono::steady_clock;

// Dialogs answered at once: their time is the player's, not the program's.
class InstantDialogs : public sb::Dialogs {
 public:
  void Information(QWidget*, const QString&) override {}
  bool Question(QWidget*, const QString&) override { return false; }
  int Exec(QDialog&) override { return QDialog::Rejected; }
  std::optional<QFont> ChooseFont(QWidget*, const QFont&) override { return std::nullopt; }
  bool OpenUrl(const QUrl&) override { return true; }
  bool StartProgram(const QString&) override { return true; }
};

class NoSound : public sb::SoundBackend {
 public:
  void PlayEffect(const sb::SoundImage&) override {}
  void StopEffect() override {}
  void StartClip(const std::filesystem::path&) override {}
  void StopClip() override {}
  void CloseClip() override {}
  int OutputVolume() const override { return 65535; }
  void SetOutputVolume(int) override {}
};

struct Summary {
  double median, p99, worst;
};

Summary Summarise(std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  return {ms[ms.size() / 2], ms[std::min(ms.size() - 1, ms.size() * 99 / 100)], ms.back()};
}

template <typename F>
Summary Time(int runs, F&& f) {
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    f();
    ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  return Summarise(std::move(ms));
}

double CpuMilliseconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto ms = [](timeval t) {
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_usec) / 1000.0;
  };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

long ResidentKilobytes() {
  QFile status("/proc/self/status");
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ')[0].toLong();
  return -1;
}

void Print(const char* what, Summary s, const char* target) {
  std::printf("%-44s %8.3f %8.3f %8.3f   %s\n", what, s.median, s.p99, s.worst, target);
}

// The densest board (25 columns) on a 1920 x 1080 screen, drawn at a density.
void Drawing(qreal density) {
  sb::Settings settings;
  settings.tbSize = 1;
  settings.boardFontName = "Arial";
  sb::RecordingPresentation recorder;
  recorder.picture = {1920, 1080 - 42 - 30};
  sb::Game game(settings, recorder);
  sb::SeedRandom(1);
  game.New1Click();
  sb::BoardPicture picture;
  picture.SetDensity(density);
  const QSize size(recorder.picture.width, recorder.picture.height);
  const auto formPaint = [&] { picture.FormPaint(size, size + QSize(0, 42), game.state(), {}); };
  char label[64];
  std::snprintf(label, sizeof label, "FormPaint, density %.0f", density);
  Print(label, Time(50, formPaint), "< 5 ms");
  std::snprintf(label, sizeof label, "DrawBoard 25 columns, density %.0f", density);
  formPaint();
  Print(label, Time(50, [&] { picture.DrawBoard(game.state(), settings); }),
        density > 1 ? "< 10 ms" : "< 5 ms");
  std::snprintf(label, sizeof label, "one cell redrawn, density %.0f", density);
  Print(label,
        Time(2000,
             [&] {
               picture.EraseCell(game.state(), 5, 5);
               picture.DrawClump(game.state(), 5, 5, 1);
               picture.DrawClump(game.state(), 5, 5, 2);
               picture.DrawCellNumber(game.state(), 5, 5, sb::kWhite);
             }),
        "< 0.2 ms");
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  sb::SetProgramFolder(SUMBURROW_DATA_DIR);
  // --memory: only a window with a game in it, as a player has it, for its resident memory.
  const bool memoryOnly = argc > 1 && std::string(argv[1]) == "--memory";
  if (!memoryOnly) {
    std::printf("%-44s %8s %8s %8s\n", "milliseconds", "median", "p99", "worst");
    Drawing(1);
    Drawing(2);
  }

  InstantDialogs dialogs;
  sb::Settings settings;
  std::unique_ptr<sb::TfrmMain> window;
  const auto startUp = [&] {
    window.reset();
    sb::MainWindowParts parts;
    parts.dialogs = &dialogs;
    // The memory is measured with the real sound player, as the game has it.
    if (memoryOnly) {
      parts.sound = std::make_unique<sb::SdlSoundBackend>();
    } else {
      parts.sound = std::make_unique<NoSound>();
    }
    parts.statsFile = std::filesystem::temp_directory_path() / "sumburrow-bench-stats.sb";
    parts.splashMs = 0;
    window = std::make_unique<sb::TfrmMain>(settings, std::move(parts));
    window->show();
    while (!window->firstActivationDone())
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  };
  if (memoryOnly) {
    startUp();
    sb::SeedRandom(3);
    window->Run([&] { window->game().New1Click(); });
    QTest::qWait(2000);
    std::printf("resident memory of a running game: %.1f MB (target < 80 MB)\n",
                static_cast<double>(ResidentKilobytes()) / 1024.0);
    window.reset();
    return 0;
  }
  Print("start-up to the window shown (no splash)", Time(10, startUp), "< 300 ms");

  sb::SeedRandom(3);
  window->Run([&] { window->game().New1Click(); });
  QTest::qWait(500);
  const double beforeFlash = CpuMilliseconds();
  const auto flashStart = Clock::now();
  window->FlashMessage("Tunnel Complete");
  const double flashWall =
      std::chrono::duration<double, std::milli>(Clock::now() - flashStart).count();
  std::printf("processor during a %.0f ms flash: %.1f ms (target < 60 ms)\n", flashWall,
              CpuMilliseconds() - beforeFlash);

  const double beforeIdle = CpuMilliseconds();
  QElapsedTimer idle;
  idle.start();
  QTest::qWait(10000);  // the banner scrolls, nothing else happens
  std::printf(
      "processor while idle with the banner scrolling: %.2f %% of one core (target < 2 %%)\n",
      100.0 * (CpuMilliseconds() - beforeIdle) / static_cast<double>(idle.elapsed()));
  window.reset();
  return 0;
}
