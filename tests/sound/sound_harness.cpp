// Plays cues through the game's sound player and the SDL backend, for listening tests and the
// recording check:
//   sound_harness [--folder DIR] STEP...
// Steps run in order: a cue name ("OK", "sbStart.mp3" ...), --off / --on (the Sound Effects
// switch), --position N (the volume track bar, 1 loudest .. 15 quietest), --wait MS (lets the
// sounds play). The player is shut down at the end. Prints whether an output was found, any
// effect file that could not be loaded and any clip file that could not be played.
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "settings/settings.h"
#include "ui/sound/sdl_sound_backend.h"
#include "ui/sound/sound_player.h"

namespace {

void Wait(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

std::filesystem::path SoundFolder(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i)
    if (std::string(argv[i]) == "--folder") return argv[i + 1];
  return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / "sound";
}

// Runs the steps; false on a malformed one.
bool RunSteps(sb::SoundPlayer& player, int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string step = argv[i];
    const bool hasValue = i + 1 < argc;
    if (step == "--folder" && hasValue) {
      ++i;
    } else if (step == "--off" || step == "--on") {
      player.SetSoundOn(step == "--on");
    } else if (step == "--position" && hasValue) {
      player.SetVolume(sb::VolumeForPosition(std::stoi(argv[++i])));
    } else if (step == "--wait" && hasValue) {
      Wait(std::stoi(argv[++i]));
    } else if (step.rfind("--", 0) == 0) {
      std::fprintf(stderr, "sound_harness: unknown step %s\n", step.c_str());
      return false;
    } else if (const std::optional<sb::Cue> cue = sb::CueNamed(step)) {
      player.PlayCue(*cue);
    } else {
      std::fprintf(stderr, "sound_harness: no cue named %s\n", step.c_str());
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  auto backend = std::make_unique<sb::SdlSoundBackend>();
  std::printf("output: %s\n", backend->WaitForOutput(std::chrono::seconds(5)) ? "yes" : "no");
  sb::SoundPlayer player(std::move(backend), SoundFolder(argc, argv));
  const auto print = [](const sb::SoundFileProblem& problem) {
    std::printf("problem: %s (%s)\n", problem.file.c_str(), problem.reason.c_str());
  };
  player.SetProblemReporter(print);
  for (const auto& problem : player.LoadSoundEffects())
    print(problem);
  bool ok = false;
  try {
    ok = RunSteps(player, argc, argv);
  } catch (const std::exception&) {
    std::fprintf(stderr, "sound_harness: a number was expected\n");
  }
  player.Shutdown();
  std::fflush(stdout);
  return ok ? 0 : 2;
}
