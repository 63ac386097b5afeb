// Playing the game's sounds with SDL2 and SDL2_mixer on a thread of their own, so that whatever
// the sound device or the sound server does, the window's thread never waits for it.
#pragma once

#include <QObject>
#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <thread>

#include "ui/sound/sound_backend.h"

namespace sb {

// Every call only leaves a request for the sound thread and returns; that thread alone calls
// SDL. It opens the desktop's default output when it starts, and when the output goes away
// (an unplugged device, a sound server that stops or crashes) it lets go of it: sound stops,
// and the next cue opens whatever default output there is by then.
class SdlSoundBackend final : public SoundBackend {
 public:
  // How long the destructor waits for the sound thread to let go of the output. A thread still
  // inside SDL after that (a sound server that hangs) is left behind, and the process ends
  // around it.
  static constexpr std::chrono::milliseconds kShutdownWait{250};

  // Starts the sound thread, which opens the output at once so the first cue finds it open.
  // Make it after the QApplication, on the window's thread: clip problems are handed over
  // there.
  SdlSoundBackend();
  ~SdlSoundBackend() override;
  SdlSoundBackend(const SdlSoundBackend&) = delete;
  SdlSoundBackend& operator=(const SdlSoundBackend&) = delete;

  // For tools: waits up to the given time for the sound thread's first attempt at opening the
  // output, and tells whether an output is open.
  bool WaitForOutput(std::chrono::milliseconds wait) const;

  void PlayEffect(const SoundImage& image) override;
  void StopEffect() override;
  void StartClip(const std::filesystem::path& file) override;
  void StopClip() override;
  void CloseClip() override;
  int OutputVolume() const override { return volume_; }
  void SetOutputVolume(int volume) override;
  void SetClipProblemHandler(ClipProblemHandler handler) override;

 private:
  struct Worker;

  std::shared_ptr<Worker> worker_;  // shared with the sound thread, which may outlive us
  std::thread thread_;
  // The effects as the sound thread plays them: copies, so they live as long as it does.
  std::map<const SoundImage*, std::shared_ptr<const std::string>> copies_;
  int volume_ = 65535;
  ClipProblemHandler clipProblem_;
  // Lives on the window's thread; the sound thread posts the clip problems to it.
  std::unique_ptr<QObject> mailbox_;
};

}  // namespace sb
