// Playing the game's sounds with Qt Multimedia: effects from memory through an audio sink,
// clips through a media player, both only when the desktop has an audio output.
#pragma once

#include <QAudioDevice>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

#include "ui/sound/sound_backend.h"

class QAudioOutput;
class QAudioSink;
class QIODevice;
class QMediaPlayer;

namespace sb {

// Picks the FFmpeg media backend, which plays a clip from its first note even when the sound
// output is slow to start (the GStreamer one then drops the first second or so). Call before the
// first Qt Multimedia object exists, best at the top of main(); a QT_MEDIA_BACKEND chosen by the
// user is kept.
void ChooseMediaBackend();

// Every request is noted and carried out on the next pass of the event loop: opening a stream
// or a clip takes the sound server a few milliseconds, and the game must not wait for that.
class QtSoundBackend final : public SoundBackend {
 public:
  // Looks for the default audio output once, and with one makes the clip player at once, so the
  // first clip does not wait for the media backend to load. Without one every call plays
  // nothing: no Qt player is ever made, so a media backend that cannot cope without a device
  // is never touched. Make it after the QApplication.
  QtSoundBackend();
  ~QtSoundBackend() override;
  QtSoundBackend(const QtSoundBackend&) = delete;
  QtSoundBackend& operator=(const QtSoundBackend&) = delete;

  bool HasOutput() const { return !device_.isNull(); }

  void PlayEffect(const SoundImage& image) override;
  void StopEffect() override;
  void StartClip(const std::filesystem::path& file) override;
  void StopClip() override;
  void CloseClip() override;
  int OutputVolume() const override { return volume_; }
  void SetOutputVolume(int volume) override;

 private:
  // What is still to be done, in this order, on the next pass of the event loop.
  struct Requests {
    bool stopEffect = false;
    const SoundImage* effect = nullptr;
    bool stopClip = false;
    bool closeClip = false;
    std::optional<std::filesystem::path> clip;
  };

  void Request();
  void CarryOut();
  void StopSink();
  void StartSink(const SoundImage& image);
  void LoseOutput();
  void Feed();
  void DropBrokenEffect();
  void OpenClip(const std::filesystem::path& file);
  void MakeClipPlayer();
  float Gain() const;

  QAudioDevice device_;
  int volume_ = 65535;
  Requests requests_;
  QTimer requestTimer_;

  std::unique_ptr<QAudioSink> sink_;
  WaveFormat sinkFormat_;
  QIODevice* sinkInput_ = nullptr;  // owned by the sink
  std::string_view pending_;        // the part of the effect not yet handed to the sink
  int frameBytes_ = 2;
  QTimer feedTimer_;
  QTimer tailTimer_;

  std::unique_ptr<QAudioOutput> clipOutput_;
  std::unique_ptr<QMediaPlayer> clipPlayer_;  // after its output, so it goes first
};

}  // namespace sb
