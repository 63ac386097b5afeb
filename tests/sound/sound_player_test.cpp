// The sound player's cue rules, through a backend that records what it is asked to do.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "case_name.h"
#include "settings/settings.h"
#include "ui/sound/sound_player.h"
#include "wave_builder.h"

namespace sb {
namespace {

using Log = std::vector<std::string>;
constexpr int kVolumeFoundAtStart = 50000;

// Each test effect file holds one sample, numbered by its place in kCueSounds, so the log can
// name the effect an image came from.
std::string EffectFileBytes(std::size_t index) {
  return test::MakeWave({.samples = std::string{static_cast<char>(index + 1), '\0'}});
}

class RecordingBackend final : public SoundBackend {
 public:
  explicit RecordingBackend(Log& log) : log_(log) {}

  void PlayEffect(const SoundImage& image) override {
    const auto index = static_cast<std::size_t>(image.Samples().at(0)) - 1;
    log_.push_back("effect " + std::string(kCueSounds.at(index).name));
  }
  void StopEffect() override { log_.emplace_back("stop effect"); }
  // A clip file whose bytes say "damaged" is told to the handler as a real backend tells it.
  void StartClip(const std::filesystem::path& file) override {
    log_.push_back("start clip " + file.filename().string());
    std::ifstream in(file);
    std::string word;
    if (in >> word && word == "damaged" && clipProblem_) clipProblem_(file, "damaged: no sound");
  }
  void StopClip() override { log_.emplace_back("stop clip"); }
  void CloseClip() override { log_.emplace_back("close clip"); }
  int OutputVolume() const override { return volume_; }
  void SetOutputVolume(int volume) override {
    volume_ = volume;
    log_.push_back("volume " + std::to_string(volume));
  }
  void SetClipProblemHandler(ClipProblemHandler handler) override {
    clipProblem_ = std::move(handler);
  }

 private:
  Log& log_;
  ClipProblemHandler clipProblem_;
  int volume_ = kVolumeFoundAtStart;
};

class SoundPlayerTest : public testing::Test {
 protected:
  void SetUp() override {
    // CTest runs each case as a process of its own, side by side: the folder names the process.
    folder_ = std::filesystem::path(testing::TempDir()) /
              ("sound_player_" + std::to_string(::getpid()) + "_" +
               std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    std::filesystem::create_directories(folder_);
    for (std::size_t i = 0; i < kCueSounds.size(); ++i)
      if (kCueSounds[i].effect) Write(std::string(kCueSounds[i].file), EffectFileBytes(i));
    Write("sbStart.mp3", "clip");
    Write("sbWon.mp3", "clip");
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(folder_ / name, std::ios::binary) << bytes;
  }

  SoundPlayer& Player() {
    if (!player_)
      player_ = std::make_unique<SoundPlayer>(std::make_unique<RecordingBackend>(log_), folder_);
    return *player_;
  }

  // Steps: "off", "on", "volume N", "shutdown", or a cue's name.
  void Run(const std::vector<std::string>& steps) {
    for (const auto& step : steps) {
      if (step == "off" || step == "on")
        Player().SetSoundOn(step == "on");
      else if (step.rfind("volume ", 0) == 0)
        Player().SetVolume(std::stoi(step.substr(7)));
      else if (step == "shutdown")
        Player().Shutdown();
      else if (const std::optional<Cue> cue = CueNamed(step))
        Player().PlayCue(*cue);
      else
        ADD_FAILURE() << "no cue named " << step;
    }
  }

  std::filesystem::path folder_;
  Log log_;
  std::unique_ptr<SoundPlayer> player_;
};

struct CueCase {
  const char* what;
  std::vector<std::string> before;  // steps whose calls are not checked
  std::vector<std::string> steps;
  Log calls;
  bool clipPlaying;
};

class CueRules : public SoundPlayerTest, public testing::WithParamInterface<CueCase> {};

TEST_P(CueRules, BackendCalls) {
  const auto& c = GetParam();
  ASSERT_TRUE(Player().LoadSoundEffects().empty());
  Run(c.before);
  log_.clear();
  Run(c.steps);
  EXPECT_EQ(log_, c.calls);
  EXPECT_EQ(Player().clipPlaying(), c.clipPlaying);
}

INSTANTIATE_TEST_SUITE_P(
    Cues, CueRules,
    testing::Values(
        CueCase{"an effect by name", {}, {"OK"}, {"stop effect", "effect OK"}, false},
        CueCase{"every effect has its own file",
                {},
                {"Clue", "Timer", "TimerStart", "Wrong"},
                {"stop effect", "effect Clue", "stop effect", "effect Timer", "stop effect",
                 "effect TimerStart", "stop effect", "effect Wrong"},
                false},
        CueCase{"a clip by file name",
                {},
                {"sbStart.mp3"},
                {"stop effect", "close clip", "start clip sbStart.mp3"},
                true},
        CueCase{
            "the switch off silences effects and clips", {"off"}, {"OK", "sbStart.mp3"}, {}, false},
        CueCase{"the switch off leaves a playing clip playing",
                {"sbStart.mp3", "off"},
                {"OK", "sbWon.mp3"},
                {},
                true},
        CueCase{"the switch back on plays again",
                {"off", "on"},
                {"OK"},
                {"stop effect", "effect OK"},
                false},
        CueCase{
            "a second OK restarts the effect", {"OK"}, {"OK"}, {"stop effect", "effect OK"}, false},
        CueCase{"a new clip stops the one playing",
                {"sbStart.mp3"},
                {"sbWon.mp3"},
                {"stop effect", "stop clip", "close clip", "start clip sbWon.mp3"},
                true},
        CueCase{"an effect leaves the clip playing",
                {"sbStart.mp3"},
                {"Wrong"},
                {"stop effect", "effect Wrong"},
                true},
        CueCase{"a clip request with no clip started only closes the player",
                {"OK"},
                {"sbWon.mp3"},
                {"stop effect", "close clip", "start clip sbWon.mp3"},
                true},
        CueCase{"a missing clip stops the last and plays nothing",
                {"sbStart.mp3"},
                {"sbOver.mp3"},
                {"stop effect", "stop clip", "close clip"},
                false},
        CueCase{"shut-down stops everything and restores the volume",
                {"sbStart.mp3", "OK", "volume 4096"},
                {"shutdown"},
                {"stop effect", "volume 50000", "stop clip", "close clip"},
                false},
        CueCase{"shut-down without a clip leaves the player alone",
                {"OK"},
                {"shutdown"},
                {"stop effect", "volume 50000"},
                false}),
    test::CaseName{});

struct VolumeCase {
  int position;
  int volume;
};

class TrackBarVolume : public SoundPlayerTest, public testing::WithParamInterface<VolumeCase> {};

TEST_P(TrackBarVolume, SixteenMinusPositionTimes4096) {
  Player().SetVolume(VolumeForPosition(GetParam().position));
  EXPECT_EQ(Player().Volume(), GetParam().volume);
}

INSTANTIATE_TEST_SUITE_P(Positions, TrackBarVolume,
                         testing::Values(VolumeCase{1, 61440}, VolumeCase{8, 32768},
                                         VolumeCase{15, 4096}, VolumeCase{0, 61440},
                                         VolumeCase{99, 4096}));

TEST_F(SoundPlayerTest, VolumeStaysOnItsScale) {
  Run({"volume 70000"});
  EXPECT_EQ(Player().Volume(), 65535);
  Run({"volume -3"});
  EXPECT_EQ(Player().Volume(), 0);
}

struct BrokenFileCase {
  const char* what;
  bool remove;
  std::string bytes;
  const char* reason;
};

class BrokenEffectFile : public SoundPlayerTest,
                         public testing::WithParamInterface<BrokenFileCase> {};

TEST_P(BrokenEffectFile, ReportedOnceAndSilent) {
  const auto& c = GetParam();
  if (c.remove)
    std::filesystem::remove(folder_ / "sbclue.wav");
  else
    Write("sbclue.wav", c.bytes);
  const std::vector<SoundFileProblem> expected{{"sound/sbclue.wav", c.reason}};
  EXPECT_EQ(Player().LoadSoundEffects(), expected);
  Run({"Clue", "OK"});
  EXPECT_EQ(log_, (Log{"stop effect", "stop effect", "effect OK"}));
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenEffectFile,
    testing::Values(BrokenFileCase{"missing", true, "", "missing"},
                    BrokenFileCase{"empty", false, "", "damaged: not a WAVE file"},
                    BrokenFileCase{"text", false, "not a sound", "damaged: not a WAVE file"},
                    BrokenFileCase{"cut short", false, EffectFileBytes(1).substr(0, 40),
                                   "damaged: truncated"}),
    test::CaseName{});

struct ClipProblemCase {
  const char* what;
  std::vector<std::string> damaged;  // clip files written as damaged
  std::vector<std::string> steps;
  std::vector<SoundFileProblem> reported;
};

class ClipProblems : public SoundPlayerTest, public testing::WithParamInterface<ClipProblemCase> {};

TEST_P(ClipProblems, ReportedOncePerFile) {
  const auto& c = GetParam();
  for (const auto& clip : c.damaged)
    Write(clip, "damaged");
  std::vector<SoundFileProblem> reported;
  Player().SetProblemReporter([&](const SoundFileProblem& p) { reported.push_back(p); });
  Run(c.steps);
  EXPECT_EQ(reported, c.reported);
}

INSTANTIATE_TEST_SUITE_P(
    Clips, ClipProblems,
    testing::Values(
        ClipProblemCase{"a damaged clip is reported once",
                        {"sbStart.mp3"},
                        {"sbStart.mp3", "OK", "sbStart.mp3", "sbWon.mp3", "sbStart.mp3"},
                        {{"sound/sbStart.mp3", "damaged: no sound"}}},
        ClipProblemCase{
            "each damaged clip is reported",
            {"sbStart.mp3", "sbWon.mp3"},
            {"sbWon.mp3", "sbStart.mp3", "sbWon.mp3"},
            {{"sound/sbWon.mp3", "damaged: no sound"}, {"sound/sbStart.mp3", "damaged: no sound"}}},
        ClipProblemCase{"a missing clip is no problem", {}, {"sbOver.mp3", "sbStart.mp3"}, {}}),
    test::CaseName{});

TEST_F(SoundPlayerTest, EffectsAreReadOnceAndKeptInMemory) {
  ASSERT_TRUE(Player().LoadSoundEffects().empty());
  for (const CueSound& cue : kCueSounds)
    if (cue.effect) std::filesystem::remove(folder_ / cue.file);
  EXPECT_TRUE(Player().LoadSoundEffects().empty());
  Run({"Timer"});
  EXPECT_EQ(log_, (Log{"stop effect", "effect Timer"}));
}

}  // namespace
}  // namespace sb
