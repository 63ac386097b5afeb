// What the sound player needs from an audio system: one effect voice, one clip player and a
// volume. The SDL backend plays through the desktop's sound server; tests record the calls.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "ui/sound/wave_image.h"

namespace sb {

class SoundBackend {
 public:
  virtual ~SoundBackend() = default;

  // Starts an effect from memory and returns at once; an effect still sounding is cut off.
  // The image outlives the call (the player keeps its images for the whole run).
  virtual void PlayEffect(const SoundImage& image) = 0;
  virtual void StopEffect() = 0;

  // Opens a music clip file and starts it, returning at once. A file that cannot be played
  // stays silent and is told to the clip problem handler.
  virtual void StartClip(const std::filesystem::path& file) = 0;
  virtual void StopClip() = 0;
  // Lets go of the clip's file.
  virtual void CloseClip() = 0;

  // The program's own output volume for effects and clips alike, 0 .. 65535, linear
  // (32768 is half the amplitude). The desktop's own volume is never touched.
  virtual int OutputVolume() const = 0;
  virtual void SetOutputVolume(int volume) = 0;

  // Called on the window's thread, some time after StartClip, with a clip file that could not be
  // read or played and why ("unreadable", "damaged: ..."). A backend that plays nothing never
  // calls it.
  using ClipProblemHandler =
      std::function<void(const std::filesystem::path& file, const std::string& reason)>;
  virtual void SetClipProblemHandler(ClipProblemHandler handler) { (void)handler; }
};

}  // namespace sb
