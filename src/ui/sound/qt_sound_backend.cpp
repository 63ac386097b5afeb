// The Qt Multimedia backend of the sound player.
#include "ui/sound/qt_sound_backend.h"

#include <QAudioFormat>
#include <QAudioOutput>
#include <QAudioSink>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>
#include <QtGlobal>
#include <algorithm>
#include <utility>

namespace sb {
namespace {

// Well inside the 145 ms the sound server asks to be buffered ahead.
constexpr int kFeedMs = 10;
// Longer than the sound server holds in its buffer.
constexpr int kTailMs = 1000;

QAudioFormat ToQt(const WaveFormat& format) {
  QAudioFormat qt;
  qt.setSampleRate(format.sampleRate);
  qt.setChannelCount(format.channels);
  switch (format.sample) {
    case SampleFormat::UInt8:
      qt.setSampleFormat(QAudioFormat::UInt8);
      break;
    case SampleFormat::Int16:
      qt.setSampleFormat(QAudioFormat::Int16);
      break;
    case SampleFormat::Int32:
      qt.setSampleFormat(QAudioFormat::Int32);
      break;
    case SampleFormat::Float32:
      qt.setSampleFormat(QAudioFormat::Float);
      break;
  }
  return qt;
}

QAudioDevice FindOutput() {
  if (QMediaDevices::audioOutputs().isEmpty()) return {};
  return QMediaDevices::defaultAudioOutput();
}

}  // namespace

void ChooseMediaBackend() {
  if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "ffmpeg");
}

QtSoundBackend::QtSoundBackend() : device_(FindOutput()) {
  if (!HasOutput()) qInfo("No audio output found: the game plays without sound.");
  requestTimer_.setSingleShot(true);
  requestTimer_.setInterval(0);
  QObject::connect(&requestTimer_, &QTimer::timeout, &requestTimer_, [this] { CarryOut(); });
  feedTimer_.setInterval(kFeedMs);
  QObject::connect(&feedTimer_, &QTimer::timeout, &feedTimer_, [this] { Feed(); });
  tailTimer_.setSingleShot(true);
  tailTimer_.setInterval(kTailMs);
  QObject::connect(&tailTimer_, &QTimer::timeout, &tailTimer_, [this] { StopSink(); });
  // Made now, while the program starts, so the first clip of a game does not wait for the
  // media backend to load.
  if (HasOutput()) MakeClipPlayer();
}

QtSoundBackend::~QtSoundBackend() {
  requestTimer_.stop();
  StopSink();
  if (clipPlayer_) clipPlayer_->stop();
}

void QtSoundBackend::PlayEffect(const SoundImage& image) {
  requests_.stopEffect = true;  // a new effect cuts off the last
  requests_.effect = &image;
  Request();
}

void QtSoundBackend::StopEffect() {
  requests_.stopEffect = true;
  requests_.effect = nullptr;
  Request();
}

void QtSoundBackend::StartClip(const std::filesystem::path& file) {
  requests_.clip = file;
  Request();
}

void QtSoundBackend::StopClip() {
  requests_.stopClip = true;
  requests_.clip.reset();
  Request();
}

void QtSoundBackend::CloseClip() {
  requests_.closeClip = true;
  requests_.clip.reset();
  Request();
}

void QtSoundBackend::SetOutputVolume(int volume) {
  volume_ = volume;
  if (sink_) sink_->setVolume(Gain());
  if (clipOutput_) clipOutput_->setVolume(Gain());
}

void QtSoundBackend::Request() {
  if (HasOutput() && !requestTimer_.isActive()) requestTimer_.start();
}

void QtSoundBackend::CarryOut() {
  const Requests requests = std::exchange(requests_, Requests{});
  if (requests.stopEffect) StopSink();
  if (requests.effect != nullptr) StartSink(*requests.effect);
  if (!HasOutput()) return;
  if (requests.stopClip && clipPlayer_) clipPlayer_->stop();
  if (requests.closeClip && clipPlayer_) clipPlayer_->setSource(QUrl());
  if (requests.clip) OpenClip(*requests.clip);
}

// The sound server has gone (a stream cannot even be opened). Qt 6.4's FFmpeg media player
// crashes when it opens a clip without a server, so from now on the game plays silently.
void QtSoundBackend::LoseOutput() {
  qInfo("The audio output has gone: the game plays on without sound.");
  device_ = QAudioDevice();
}

void QtSoundBackend::StopSink() {
  feedTimer_.stop();
  tailTimer_.stop();
  pending_ = {};
  if (sink_) sink_->stop();
}

void QtSoundBackend::StartSink(const SoundImage& image) {
  if (!sink_ || !(sinkFormat_ == image.format)) {
    sink_ = std::make_unique<QAudioSink>(device_, ToQt(image.format));
    sinkFormat_ = image.format;
  }
  sink_->setVolume(Gain());
  sinkInput_ = sink_->start();
  if (sinkInput_ == nullptr) {
    if (sink_->error() == QAudio::FatalError) LoseOutput();
    return;
  }
  pending_ = image.Samples();
  frameBytes_ = image.format.BytesPerFrame();
  Feed();
}

// Hands the sink as much of the effect as it has room for. We write the samples ourselves
// rather than letting the sink pull them from a buffer: Qt 6.4's pulling stalls now and then,
// leaving an effect silent.
void QtSoundBackend::Feed() {
  while (!pending_.empty()) {
    const qsizetype room = sink_->bytesFree();
    const auto chunk =
        std::min<qsizetype>(room - room % frameBytes_, static_cast<qsizetype>(pending_.size()));
    if (chunk <= 0) break;
    const qint64 written = sinkInput_->write(pending_.data(), chunk);
    if (written <= 0) {
      DropBrokenEffect();
      return;
    }
    pending_.remove_prefix(static_cast<std::size_t>(written));
  }
  if (pending_.empty()) {
    feedTimer_.stop();
    // The server still plays what it holds; closing the stream a moment later lets it rest
    // without cutting off the tail.
    tailTimer_.start();
  } else if (!feedTimer_.isActive()) {
    feedTimer_.start();
  }
}

// The stream refused the samples, which happens when the server has gone away: the rest of the
// effect is dropped rather than offered again a hundred times a second.
void QtSoundBackend::DropBrokenEffect() {
  pending_ = {};
  feedTimer_.stop();
  const QAudio::Error error = sink_->error();
  if (error == QAudio::FatalError || error == QAudio::IOError) LoseOutput();
}

void QtSoundBackend::OpenClip(const std::filesystem::path& file) {
  if (!clipPlayer_) MakeClipPlayer();
  // A clip that cannot be decoded reports an error and stays silent, which is all the game
  // wants of it.
  clipPlayer_->setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
  clipPlayer_->play();
}

void QtSoundBackend::MakeClipPlayer() {
  clipOutput_ = std::make_unique<QAudioOutput>(device_);
  clipOutput_->setVolume(Gain());
  clipPlayer_ = std::make_unique<QMediaPlayer>();
  clipPlayer_->setAudioOutput(clipOutput_.get());
}

float QtSoundBackend::Gain() const {
  return static_cast<float>(volume_) / 65535.0F;
}

}  // namespace sb
