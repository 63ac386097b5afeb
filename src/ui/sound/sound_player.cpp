// The cue rules of the sound player.
#include "ui/sound/sound_player.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>

namespace sb {
namespace {

bool IsRegularFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

std::optional<std::string> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return bytes;
}

}  // namespace

SoundPlayer::SoundPlayer(std::unique_ptr<SoundBackend> backend, std::filesystem::path soundFolder)
    : backend_(std::move(backend)),
      soundFolder_(std::move(soundFolder)),
      rememberedVolume_(backend_->OutputVolume()) {
  backend_->SetClipProblemHandler([this](const std::filesystem::path& file,
                                         const std::string& reason) { ClipProblem(file, reason); });
}

void SoundPlayer::ClipProblem(const std::filesystem::path& file, const std::string& reason) {
  const std::string shown = "sound/" + file.filename().string();
  if (!reportedClips_.insert(shown).second || !report_) return;
  report_({shown, reason});
}

std::vector<SoundFileProblem> SoundPlayer::LoadSoundEffects() {
  if (loaded_) return loadProblems_;
  loaded_ = true;
  for (const CueSound& cue : kCueSounds) {
    if (!cue.effect) continue;
    const auto path = soundFolder_ / cue.file;
    const std::string shown = "sound/" + std::string(cue.file);
    if (!IsRegularFile(path)) {
      loadProblems_.push_back({shown, "missing"});
      continue;
    }
    auto bytes = ReadBytes(path);
    if (!bytes) {
      loadProblems_.push_back({shown, "unreadable"});
      continue;
    }
    std::string fault;
    auto image = ParseWave(std::move(*bytes), fault);
    if (image)
      images_.emplace(cue.cue, std::move(*image));
    else
      loadProblems_.push_back({shown, "damaged: " + fault});
  }
  return loadProblems_;
}

void SoundPlayer::PlayCue(Cue cue) {
  if (!soundOn_) return;
  backend_->StopEffect();
  const CueSound& sound = SoundOf(cue);
  if (sound.effect) {
    const auto image = images_.find(cue);
    if (image != images_.end()) backend_->PlayEffect(image->second);
    return;
  }
  if (clipPlaying_) {
    backend_->StopClip();
    clipPlaying_ = false;
  }
  backend_->CloseClip();
  const auto file = soundFolder_ / sound.file;
  if (!IsRegularFile(file)) return;
  backend_->StartClip(file);
  clipPlaying_ = true;
}

void SoundPlayer::SetVolume(int volume) {
  backend_->SetOutputVolume(std::clamp(volume, 0, kMaxVolume));
}

void SoundPlayer::Shutdown() {
  backend_->StopEffect();
  backend_->SetOutputVolume(rememberedVolume_);
  if (clipPlaying_) {
    backend_->StopClip();
    backend_->CloseClip();
    clipPlaying_ = false;
  }
}

}  // namespace sb
