// The game's sounds asked for by name: five effects held in memory and music clips from the
// "sound" folder, switched by the "Sound Effects" menu item, at the program's own volume.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/cues.h"
#include "ui/sound/sound_backend.h"
#include "ui/sound/wave_image.h"

namespace sb {

struct SoundFileProblem {
  std::string file;    // "sound/sbok.wav"
  std::string reason;  // "missing", "unreadable", or what is wrong inside it
  bool operator==(const SoundFileProblem&) const = default;
};

class SoundPlayer {
 public:
  static constexpr int kMaxVolume = 65535;

  // soundFolder holds the effect and clip files. The backend's volume at this moment is the
  // one Shutdown restores.
  SoundPlayer(std::unique_ptr<SoundBackend> backend, std::filesystem::path soundFolder);

  // Reads the five effect files into memory, once; later calls read nothing again and return
  // the same list. Every file that is missing, unreadable or damaged is listed, and its cue
  // stays silent for the whole run.
  std::vector<SoundFileProblem> LoadSoundEffects();

  // Plays a cue and returns at once: an effect from memory, or a music clip from the sound
  // folder. Every cue first stops the effect that is sounding; a clip request also stops the clip
  // that is playing. Effects and a clip sound together. With the sound switched off nothing
  // starts and nothing stops.
  void PlayCue(Cue cue);

  // The "Sound Effects" menu item's check; a clip already playing keeps playing when it is
  // switched off.
  void SetSoundOn(bool on) { soundOn_ = on; }
  bool SoundOn() const { return soundOn_; }

  // The program's output volume, 0 .. 65535 (values outside are clamped).
  int Volume() const { return backend_->OutputVolume(); }
  void SetVolume(int volume);

  // Stops the effect, puts back the volume found at start, and stops and closes a clip that
  // was started.
  void Shutdown();

  // Told, on the window's thread, of a clip file that turned out unreadable or damaged when it
  // was to be played: once per file for the whole run, however often it is asked for. A
  // missing clip file is not a problem: it is silently skipped.
  void SetProblemReporter(std::function<void(const SoundFileProblem&)> report) {
    report_ = std::move(report);
  }

  // True from a clip's start until the next clip request or the shut-down stops it, even when
  // the clip has ended by itself meanwhile.
  bool clipPlaying() const { return clipPlaying_; }

 private:
  void ClipProblem(const std::filesystem::path& file, const std::string& reason);

  std::unique_ptr<SoundBackend> backend_;
  std::filesystem::path soundFolder_;
  std::map<Cue, SoundImage> images_;
  std::vector<SoundFileProblem> loadProblems_;
  std::function<void(const SoundFileProblem&)> report_;
  std::set<std::string, std::less<>> reportedClips_;
  bool loaded_ = false;
  bool soundOn_ = true;
  bool clipPlaying_ = false;
  int rememberedVolume_ = kMaxVolume;
};

}  // namespace sb
