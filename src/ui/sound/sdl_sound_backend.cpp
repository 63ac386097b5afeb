// The SDL backend of the sound player: requests from the window's thread, carried out on the
// sound thread, which alone calls SDL and SDL_mixer.
#include "ui/sound/sdl_sound_backend.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

#include <QMetaObject>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <mutex>
#include <optional>
#include <utility>

namespace sb {
namespace {

constexpr int kRate = 44100;
// 23 ms a buffer: a cue is heard well within 100 ms, and the server is woken rarely.
constexpr int kBufferFrames = 1024;
constexpr Uint32 kSubsystems = SDL_INIT_AUDIO | SDL_INIT_EVENTS;
// An open output streams silence to the sound server between sounds, which costs about one per
// cent of a core: after this long without a sound it is let go, and the next cue opens it again.
constexpr auto kIdleClose = std::chrono::seconds(4);

// What is still to be done, in this order, at the sound thread's next turn. Requests made
// meanwhile merge, so a sound thread held up in SDL never falls behind by more than one turn.
struct Requests {
  bool stopEffect = false;
  std::shared_ptr<const std::string> effect;  // a whole WAVE file
  bool stopClip = false;
  bool closeClip = false;
  std::optional<std::filesystem::path> clip;

  bool Any() const { return stopEffect || effect || stopClip || closeClip || clip; }
};

// ALSA's library prints its configuration's complaints (eight lines on a machine without a sound
// card) each time SDL tries it, which is at every cue while there is no output. SDL already
// brings the library in; its error printer is replaced through the dynamic linker, so no ALSA
// headers are needed.
void QuietAlsa(const char* /*file*/, int /*line*/, const char* /*function*/, int /*err*/,
               const char* /*fmt*/, ...) {}

void SilenceAlsa() {
  using Printer = void (*)(const char*, int, const char*, int, const char*, ...);
  using SetPrinter = int (*)(Printer);
  if (void* set = dlsym(RTLD_DEFAULT, "snd_lib_error_set_handler"))
    reinterpret_cast<SetPrinter>(set)(&QuietAlsa);
}

std::optional<std::string> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return bytes;
}

// The program's own volume, applied to the finished mix of effect and clip.
void SDLCALL ApplyGain(void* gain, Uint8* stream, int bytes) {
  const float g = static_cast<std::atomic<float>*>(gain)->load(std::memory_order_relaxed);
  if (g == 1.0F) return;
  auto* samples = reinterpret_cast<float*>(stream);
  const auto count = static_cast<std::size_t>(bytes) / sizeof(float);
  for (std::size_t i = 0; i < count; ++i)
    samples[i] *= g;
}

}  // namespace

struct SdlSoundBackend::Worker {
  // Shared with the window's thread, under the mutex.
  std::mutex mutex;
  std::condition_variable wake;
  std::condition_variable settled;
  Requests pending;
  bool quit = false;
  bool firstOpenDone = false;
  bool done = false;
  bool abandoned = false;
  QObject* mailbox = nullptr;  // where clip problems go; null once the backend is going
  SdlSoundBackend* backend = nullptr;
  std::atomic<float> gain{1.0F};
  std::atomic<bool> open{false};

  // The sound thread's own.
  std::map<const std::string*, Mix_Chunk*> chunks;
  Mix_Music* music = nullptr;
  std::string musicBytes;  // read whole, so the file is let go at once

  void Run();
  std::optional<Requests> Next();
  void Settle(bool& flag);
  void CarryOut(const Requests& requests);
  bool Open();
  void Close();
  bool OutputWentAway();
  void PlayEffect(const std::shared_ptr<const std::string>& wave);
  void FreeClip();
  void StartClip(const std::filesystem::path& file);
  void Report(const std::filesystem::path& file, const std::string& reason);
};

void SdlSoundBackend::Worker::Run() {
  SilenceAlsa();
  if (!Open()) std::fputs("No audio output found: the game plays without sound for now.\n", stderr);
  Settle(firstOpenDone);
  while (auto requests = Next())
    CarryOut(*requests);
  {
    // Left behind by a backend that could wait no longer: the process is ending, and SDL is
    // best not touched while it does.
    std::lock_guard lock(mutex);
    if (abandoned) return;
  }
  Close();
  SDL_Quit();
  Settle(done);
}

// The next requests, or none when it is time to end. While nothing is asked for, an output that
// has been quiet for a while is let go.
std::optional<Requests> SdlSoundBackend::Worker::Next() {
  std::unique_lock lock(mutex);
  while (!wake.wait_for(lock, kIdleClose, [this] { return quit || pending.Any(); })) {
    lock.unlock();
    if (open && Mix_Playing(-1) == 0 && Mix_PlayingMusic() == 0) Close();
    lock.lock();
  }
  if (quit) return std::nullopt;
  return std::exchange(pending, Requests{});
}

void SdlSoundBackend::Worker::Settle(bool& flag) {
  {
    std::lock_guard lock(mutex);
    flag = true;
  }
  settled.notify_all();
}

void SdlSoundBackend::Worker::CarryOut(const Requests& requests) {
  if (open && OutputWentAway()) {
    std::fputs("The audio output has gone: the game plays on without sound for now.\n", stderr);
    Close();
  }
  // Only a sound to start is worth opening an output for; stopping needs none.
  if (!open && (requests.effect || requests.clip) && !Open()) return;
  if (!open) return;
  if (requests.stopEffect) Mix_HaltChannel(0);
  if (requests.effect) PlayEffect(requests.effect);
  if (requests.stopClip) Mix_HaltMusic();
  if (requests.closeClip) FreeClip();
  if (requests.clip) StartClip(*requests.clip);
}

bool SdlSoundBackend::Worker::Open() {
  // SDL must not take over Ctrl+C and the terminal's signals: the window handles its own end.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Sumburrow");
  if (SDL_InitSubSystem(kSubsystems) != 0) return false;
  if (Mix_OpenAudioDevice(kRate, AUDIO_F32SYS, 2, kBufferFrames, nullptr, 0) != 0) {
    SDL_QuitSubSystem(kSubsystems);
    return false;
  }
  Mix_AllocateChannels(1);
  Mix_SetPostMix(ApplyGain, &gain);
  // Device events from before this opening are about outputs that are gone.
  SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  open = true;
  return true;
}

// Lets go of the output and of the sound server: after a server has gone, SDL's connection to
// it is dead, and only a new start of SDL's audio finds the next one; the next opening also
// follows a new default output.
void SdlSoundBackend::Worker::Close() {
  if (!open) return;
  Mix_HaltChannel(-1);
  FreeClip();
  for (auto& [wave, chunk] : chunks)
    Mix_FreeChunk(chunk);
  chunks.clear();
  Mix_CloseAudio();
  SDL_QuitSubSystem(kSubsystems);
  open = false;
}

// SDL posts an event when the output it plays to has gone away: the device unplugged, the
// server stopped or crashed. This backend opens one output only, so any output that went away
// is ours.
bool SdlSoundBackend::Worker::OutputWentAway() {
  SDL_Event event;
  bool gone = false;
  while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0)
    gone = gone || (event.type == SDL_AUDIODEVICEREMOVED && event.adevice.iscapture == 0);
  return gone;
}

void SdlSoundBackend::Worker::PlayEffect(const std::shared_ptr<const std::string>& wave) {
  Mix_Chunk*& chunk = chunks[wave.get()];
  if (chunk == nullptr) {
    // Converted once to the output's format, and kept while the output is open.
    chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(wave->data(), static_cast<int>(wave->size())), 1);
    if (chunk == nullptr) return;
  }
  Mix_HaltChannel(0);  // a new effect cuts off the last
  Mix_PlayChannel(0, chunk, 0);
}

void SdlSoundBackend::Worker::FreeClip() {
  if (music == nullptr) return;
  Mix_HaltMusic();
  Mix_FreeMusic(music);
  music = nullptr;
  musicBytes.clear();
}

void SdlSoundBackend::Worker::StartClip(const std::filesystem::path& file) {
  FreeClip();
  auto bytes = ReadFile(file);
  if (!bytes) {
    Report(file, "unreadable");
    return;
  }
  musicBytes = std::move(*bytes);
  music = Mix_LoadMUSType_RW(
      SDL_RWFromConstMem(musicBytes.data(), static_cast<int>(musicBytes.size())), MUS_NONE, 1);
  if (music == nullptr) {
    Report(file, "damaged: not a playable sound");
    musicBytes.clear();
    return;
  }
  Mix_PlayMusic(music, 0);
}

void SdlSoundBackend::Worker::Report(const std::filesystem::path& file, const std::string& reason) {
  std::lock_guard lock(mutex);
  if (mailbox == nullptr) return;
  // Posted while the mailbox certainly lives; it runs on the window's thread, and a mailbox
  // deleted before then drops it.
  SdlSoundBackend* const owner = backend;
  QMetaObject::invokeMethod(
      mailbox,
      [owner, file, reason] {
        if (owner->clipProblem_) owner->clipProblem_(file, reason);
      },
      Qt::QueuedConnection);
}

SdlSoundBackend::SdlSoundBackend()
    : worker_(std::make_shared<Worker>()), mailbox_(std::make_unique<QObject>()) {
  worker_->mailbox = mailbox_.get();
  worker_->backend = this;
  thread_ = std::thread([worker = worker_] { worker->Run(); });
}

SdlSoundBackend::~SdlSoundBackend() {
  std::unique_lock lock(worker_->mutex);
  worker_->quit = true;
  worker_->mailbox = nullptr;
  worker_->wake.notify_all();
  const bool done =
      worker_->settled.wait_for(lock, kShutdownWait, [this] { return worker_->done; });
  worker_->abandoned = !done;
  lock.unlock();
  if (done)
    thread_.join();
  else
    thread_.detach();  // it keeps its share of the worker, and touches nothing of ours
}

bool SdlSoundBackend::WaitForOutput(std::chrono::milliseconds wait) const {
  std::unique_lock lock(worker_->mutex);
  worker_->settled.wait_for(lock, wait, [this] { return worker_->firstOpenDone; });
  return worker_->open;
}

void SdlSoundBackend::PlayEffect(const SoundImage& image) {
  auto& copy = copies_[&image];
  if (!copy) copy = std::make_shared<const std::string>(image.bytes);
  std::lock_guard lock(worker_->mutex);
  worker_->pending.stopEffect = true;  // a new effect cuts off the last
  worker_->pending.effect = copy;
  worker_->wake.notify_one();
}

void SdlSoundBackend::StopEffect() {
  std::lock_guard lock(worker_->mutex);
  worker_->pending.stopEffect = true;
  worker_->pending.effect.reset();
  worker_->wake.notify_one();
}

void SdlSoundBackend::StartClip(const std::filesystem::path& file) {
  std::lock_guard lock(worker_->mutex);
  worker_->pending.clip = file;
  worker_->wake.notify_one();
}

void SdlSoundBackend::StopClip() {
  std::lock_guard lock(worker_->mutex);
  worker_->pending.stopClip = true;
  worker_->pending.clip.reset();
  worker_->wake.notify_one();
}

void SdlSoundBackend::CloseClip() {
  std::lock_guard lock(worker_->mutex);
  worker_->pending.closeClip = true;
  worker_->pending.clip.reset();
  worker_->wake.notify_one();
}

void SdlSoundBackend::SetOutputVolume(int volume) {
  volume_ = volume;
  worker_->gain = static_cast<float>(volume) / 65535.0F;
}

void SdlSoundBackend::SetClipProblemHandler(ClipProblemHandler handler) {
  clipProblem_ = std::move(handler);
}

}  // namespace sb
