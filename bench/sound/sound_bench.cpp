// Sound player timings through the real sound server: how long the window's thread spends in
// PlayCue and in the shut-down, how long until an effect is heard, how much of the start clip is
// heard, and the same calls after the output has gone away. Run it beside a PulseAudio null sink
// "nul" (run_sound_bench.sh starts one):
//   bench_sound [--folder DIR] [--rounds N]
//   bench_sound [--folder DIR] [--rounds N] --fault COMMAND
// With --fault, a clip and an effect are started, the shell command is run (it unplugs the output
// or stops the server), and then only the window thread's time in each call is measured.
#include <SDL.h>
#include <SDL_mixer.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/sound/sdl_sound_backend.h"
#include "ui/sound/sound_player.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRate = 44100;
constexpr int kLoud = 33;  // about -60 dBFS in 16-bit samples

void Wait(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

double Milliseconds(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

void PrintStats(const std::string& what, std::vector<double> values, const char* unit) {
  if (values.empty()) {
    std::printf("%-44s no measurements\n", what.c_str());
    return;
  }
  std::sort(values.begin(), values.end());
  const auto at = [&](double q) {
    return values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1))];
  };
  std::printf("%-44s median %8.3f  p90 %8.3f  max %8.3f %s  (%zu runs)\n", what.c_str(), at(0.5),
              at(0.9), values.back(), unit, values.size());
}

// The span from the first to the last sample above kLoud, in seconds; 0 for silence.
double SoundSpan(const std::vector<qint16>& samples) {
  const auto loud = [](qint16 s) { return std::abs(static_cast<int>(s)) > kLoud; };
  const auto first = std::find_if(samples.begin(), samples.end(), loud);
  if (first == samples.end()) return 0.0;
  const auto last = std::find_if(samples.rbegin(), samples.rend(), loud);
  return static_cast<double>(std::distance(first, last.base())) / kRate;
}

// The clip's own sound span, decoded by SDL_mixer on SDL's silent "dummy" output before the
// player exists (SDL_mixer has one global state).
double DecodedSpan(const std::filesystem::path& file) {
  SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  double span = 0.0;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 &&
      Mix_OpenAudioDevice(kRate, AUDIO_S16SYS, 1, 1024, nullptr, 0) == 0) {
    if (Mix_Chunk* chunk = Mix_LoadWAV(file.string().c_str())) {
      const auto* data = reinterpret_cast<const qint16*>(chunk->abuf);
      span = SoundSpan(std::vector<qint16>(data, data + chunk->alen / 2));
      Mix_FreeChunk(chunk);
    }
    Mix_CloseAudio();
  }
  SDL_Quit();
  SDL_ResetHint(SDL_HINT_AUDIODRIVER);
  return span;
}

// Records the null sink's monitor through parec, mono 16-bit, with small fragments so a sound
// arrives here soon after the server plays it.
class MonitorRecorder {
 public:
  MonitorRecorder() {
    QObject::connect(&parec_, &QProcess::readyReadStandardOutput, [this] { Read(); });
    parec_.start("parec", {"-d", "nul.monitor", "--raw", "--format=s16le", "--channels=1",
                           "--rate=44100", "--latency-msec=5"});
    parec_.waitForStarted();
  }
  ~MonitorRecorder() {
    parec_.kill();
    parec_.waitForFinished();
  }
  MonitorRecorder(const MonitorRecorder&) = delete;
  MonitorRecorder& operator=(const MonitorRecorder&) = delete;

  void Arm() {
    samples_.clear();
    firstSound_.reset();
  }
  std::optional<Clock::time_point> FirstSound() const { return firstSound_; }
  const std::vector<qint16>& Samples() const { return samples_; }

 private:
  void Read() {
    pending_ += parec_.readAllStandardOutput();
    const auto count = pending_.size() / 2;
    const auto* data = reinterpret_cast<const qint16*>(pending_.constData());
    for (qsizetype i = 0; i < count; ++i) {
      samples_.push_back(data[i]);
      if (!firstSound_ && std::abs(static_cast<int>(data[i])) > kLoud) firstSound_ = Clock::now();
    }
    pending_.remove(0, count * 2);
  }

  QProcess parec_;
  QByteArray pending_;
  std::vector<qint16> samples_;
  std::optional<Clock::time_point> firstSound_;
};

std::unique_ptr<sb::SoundPlayer> MakePlayer(const std::filesystem::path& folder) {
  auto backend = std::make_unique<sb::SdlSoundBackend>();
  if (!backend->WaitForOutput(std::chrono::seconds(5))) return nullptr;
  auto player = std::make_unique<sb::SoundPlayer>(std::move(backend), folder);
  player->LoadSoundEffects();
  return player;
}

// The window thread's time in PlayCue, with the given pause between calls.
void TimeCalls(sb::SoundPlayer& player, sb::Cue cue, int rounds, int gapMs) {
  std::vector<double> times;
  for (int i = 0; i < rounds; ++i) {
    const auto start = Clock::now();
    player.PlayCue(cue);
    times.push_back(Milliseconds(Clock::now() - start));
    Wait(gapMs);
  }
  PrintStats("PlayCue(\"" + std::string(sb::SoundOf(cue).name) + "\") returns in", times, "ms");
}

void TimeAllCues(sb::SoundPlayer& player, int rounds) {
  for (const sb::Cue cue : {sb::Cue::OK, sb::Cue::Wrong})
    TimeCalls(player, cue, rounds, 100);
  for (const sb::Cue cue : {sb::Cue::StartClip, sb::Cue::WonClip})
    TimeCalls(player, cue, rounds, 300);
}

// Shutdown() as the window's close calls it, then the player's end with its backend (the
// bounded wait for the sound thread), as the program's end has it.
void TimeClose(std::unique_ptr<sb::SoundPlayer> player) {
  auto start = Clock::now();
  player->Shutdown();
  const double shutdown = Milliseconds(Clock::now() - start);
  start = Clock::now();
  player.reset();
  const double end = Milliseconds(Clock::now() - start);
  std::printf("%-44s %8.3f ms\n%-44s %8.3f ms\n", "Shutdown() returns in", shutdown,
              "the player and its sound thread end in", end);
}

// After 300 ms the output is still open; after 5 s of quiet the player has let it go, and the
// cue opens it again.
std::vector<double> EffectLatencies(sb::SoundPlayer& player, MonitorRecorder& recorder, int rounds,
                                    int quietMs) {
  std::vector<double> latencies;
  for (int i = 0; i < rounds; ++i) {
    Wait(quietMs);
    recorder.Arm();
    const auto start = Clock::now();
    player.PlayCue(sb::Cue::OK);
    for (int waited = 0; waited < 1000 && !recorder.FirstSound(); waited += 1)
      Wait(1);
    if (recorder.FirstSound()) latencies.push_back(Milliseconds(*recorder.FirstSound() - start));
    Wait(800);
  }
  return latencies;
}

// Each time after 5 s of quiet, as a new game's clip usually comes: the output is opened for it.
void ClipHeard(sb::SoundPlayer& player, MonitorRecorder& recorder, double full, int rounds) {
  std::vector<double> heard;
  for (int i = 0; i < rounds; ++i) {
    Wait(5000);
    recorder.Arm();
    player.PlayCue(sb::Cue::StartClip);
    Wait(static_cast<int>(full * 1000) + 1500);
    heard.push_back(SoundSpan(recorder.Samples()));
  }
  std::printf("%-44s %8.3f s\n", "sbStart.mp3 sound length, decoded", full);
  PrintStats("sbStart.mp3 heard", heard, "s");
}

int Normal(const std::filesystem::path& folder, int rounds) {
  const double full = DecodedSpan(folder / "sbStart.mp3");
  auto player = MakePlayer(folder);
  if (!player) {
    std::printf("no audio output: nothing to measure\n");
    return 1;
  }
  TimeAllCues(*player, rounds);
  player->Shutdown();
  Wait(500);
  {
    MonitorRecorder recorder;
    PrintStats("OK: PlayCue to first sound, output open",
               EffectLatencies(*player, recorder, rounds, 300), "ms");
    PrintStats("OK: PlayCue to first sound, after 5 s quiet",
               EffectLatencies(*player, recorder, std::min(rounds, 5), 5000), "ms");
    ClipHeard(*player, recorder, full, std::min(rounds, 5));
  }
  TimeClose(std::move(player));
  return 0;
}

int Fault(const std::filesystem::path& folder, int rounds, const std::string& command) {
  auto player = MakePlayer(folder);
  if (!player) {
    std::printf("no audio output: nothing to measure\n");
    return 1;
  }
  player->PlayCue(sb::Cue::StartClip);
  Wait(300);
  player->PlayCue(sb::Cue::OK);
  Wait(200);
  if (std::system(command.c_str()) != 0) std::printf("the fault command failed\n");
  Wait(300);
  TimeAllCues(*player, rounds);
  TimeClose(std::move(player));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  std::filesystem::path folder =
      std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / "sound";
  int rounds = 20;
  std::optional<std::string> fault;
  for (int i = 1; i + 1 < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--folder") folder = argv[++i];
    if (option == "--rounds") rounds = std::max(1, std::atoi(argv[++i]));
    if (option == "--fault") fault = argv[++i];
  }
  const int status = fault ? Fault(folder, rounds, *fault) : Normal(folder, rounds);
  std::fflush(stdout);
  return status;
}
