// Sound player timings through the real sound server: how long PlayCue takes to return, how
// long until an effect is heard, and whether a music clip is heard from its first note.
// Run it beside a PulseAudio null sink "nul" (run_sound_bench.sh starts one):
//   bench_sound [--folder DIR] [--rounds N] [--clip-only]
// --clip-only plays "sbStart.mp3" once and reports how much of it was heard.
#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "ui/sound/qt_sound_backend.h"
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

void PrintStats(const char* what, std::vector<double> values, const char* unit) {
  if (values.empty()) {
    std::printf("%-38s no measurements\n", what);
    return;
  }
  std::sort(values.begin(), values.end());
  const auto at = [&](double q) {
    return values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1))];
  };
  std::printf("%-38s median %8.3f  p90 %8.3f  max %8.3f %s  (%zu runs)\n", what, at(0.5), at(0.9),
              values.back(), unit, values.size());
}

// The span from the first to the last sample above kLoud, in seconds; 0 for silence.
double SoundSpan(const std::vector<qint16>& samples) {
  const auto loud = [](qint16 s) { return std::abs(static_cast<int>(s)) > kLoud; };
  const auto first = std::find_if(samples.begin(), samples.end(), loud);
  if (first == samples.end()) return 0.0;
  const auto last = std::find_if(samples.rbegin(), samples.rend(), loud);
  return static_cast<double>(std::distance(first, last.base())) / kRate;
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

struct CallTimes {
  std::vector<double> call;  // PlayCue itself
  std::vector<double> pass;  // the event-loop pass right after it, which starts the sound
};

struct Rounds {
  int count = 20;
  int gapMs = 100;  // between two calls
};

CallTimes TimeCalls(sb::SoundPlayer& player, const std::string& cue, Rounds rounds) {
  CallTimes times;
  for (int i = 0; i < rounds.count; ++i) {
    auto start = Clock::now();
    player.PlayCue(cue);
    times.call.push_back(Milliseconds(Clock::now() - start));
    start = Clock::now();
    QCoreApplication::processEvents();
    times.pass.push_back(Milliseconds(Clock::now() - start));
    Wait(rounds.gapMs);
  }
  return times;
}

void ReportCalls(sb::SoundPlayer& player, const std::string& cue, Rounds rounds) {
  const CallTimes times = TimeCalls(player, cue, rounds);
  PrintStats(("PlayCue(\"" + cue + "\") returns in").c_str(), times.call, "ms");
  PrintStats("  then the event-loop pass starting it", times.pass, "ms");
}

std::vector<double> EffectLatencies(sb::SoundPlayer& player, MonitorRecorder& recorder,
                                    int rounds) {
  std::vector<double> latencies;
  for (int i = 0; i < rounds; ++i) {
    Wait(300);
    recorder.Arm();
    const auto start = Clock::now();
    player.PlayCue("OK");
    for (int waited = 0; waited < 1000 && !recorder.FirstSound(); waited += 1)
      Wait(1);
    if (recorder.FirstSound()) latencies.push_back(Milliseconds(*recorder.FirstSound() - start));
    Wait(800);
  }
  return latencies;
}

// The clip's own sound span, decoded by the same media backend that plays it.
double DecodedSpan(const std::filesystem::path& file) {
  QAudioDecoder decoder;
  QAudioFormat format;
  format.setSampleRate(kRate);
  format.setChannelCount(1);
  format.setSampleFormat(QAudioFormat::Int16);
  decoder.setAudioFormat(format);
  std::vector<qint16> samples;
  QEventLoop loop;
  QObject::connect(&decoder, &QAudioDecoder::bufferReady, [&] {
    const QAudioBuffer buffer = decoder.read();
    const auto* data = buffer.constData<qint16>();
    samples.insert(samples.end(), data, data + buffer.sampleCount());
  });
  QObject::connect(&decoder, &QAudioDecoder::finished, &loop, &QEventLoop::quit);
  QObject::connect(&decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), &loop,
                   &QEventLoop::quit);
  QTimer::singleShot(10000, &loop, &QEventLoop::quit);
  decoder.setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
  decoder.start();
  loop.exec();
  return SoundSpan(samples);
}

void ClipHeard(sb::SoundPlayer& player, MonitorRecorder& recorder,
               const std::filesystem::path& folder, const std::string& clip, int rounds) {
  const double full = DecodedSpan(folder / clip);
  std::vector<double> heard;
  for (int i = 0; i < rounds; ++i) {
    Wait(300);
    recorder.Arm();
    player.PlayCue(clip);
    Wait(static_cast<int>(full * 1000) + 1500);
    heard.push_back(SoundSpan(recorder.Samples()));
  }
  std::printf("%-38s decoded %.3f s\n", (clip + " sound length").c_str(), full);
  PrintStats((clip + " heard").c_str(), heard, "s");
}

}  // namespace

int main(int argc, char** argv) {
  sb::ChooseMediaBackend();
  QCoreApplication app(argc, argv);
  std::filesystem::path folder =
      std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / "sound";
  int rounds = 20;
  bool clipOnly = false;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--clip-only") clipOnly = true;
    if (i + 1 < argc && option == "--folder") folder = argv[++i];
    if (i + 1 < argc && option == "--rounds") rounds = std::max(1, std::atoi(argv[++i]));
  }
  auto backend = std::make_unique<sb::QtSoundBackend>();
  if (!backend->HasOutput()) {
    std::printf("no audio output: nothing to measure\n");
    return 1;
  }
  sb::SoundPlayer player(std::move(backend), folder);
  player.LoadSoundEffects();
  if (!clipOnly) {
    for (const char* cue : {"OK", "Wrong"})
      ReportCalls(player, cue, {rounds, 100});
    for (const char* cue : {"sbStart.mp3", "sbWon.mp3"})
      ReportCalls(player, cue, {rounds, 300});
    player.Shutdown();
    Wait(500);
  }
  MonitorRecorder recorder;
  if (!clipOnly)
    PrintStats("OK: PlayCue to first sound", EffectLatencies(player, recorder, rounds), "ms");
  ClipHeard(player, recorder, folder, "sbStart.mp3", clipOnly ? 1 : std::min(rounds, 5));
  player.Shutdown();
  return 0;
}
