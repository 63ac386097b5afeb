// The sounds the game asks for: five effects held in memory and three music clips, each with the
// file that holds it in the sound folder.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace sb {

enum class Cue {
  OK,          // a right equation
  Wrong,       // a wrong equation
  TimerStart,  // the worm is unleashed
  Clue,        // not asked for by the rules
  Timer,       // not asked for by the rules
  StartClip,   // a new game is ready
  WonClip,     // the worm is home after a completed tunnel
  OverClip,    // the tunnel shown by solve
};

struct CueSound {
  Cue cue;
  std::string_view name;  // for tools and messages
  std::string_view file;  // in the sound folder
  bool effect;            // played from memory; otherwise a music clip
};

// The effects first, in the order they are loaded, then the clips.
inline constexpr std::array<CueSound, 8> kCueSounds{{
    {Cue::OK, "OK", "sbok.wav", true},
    {Cue::Clue, "Clue", "sbclue.wav", true},
    {Cue::Timer, "Timer", "sbtimer.wav", true},
    {Cue::TimerStart, "TimerStart", "sbtimerstart.wav", true},
    {Cue::Wrong, "Wrong", "sbwrong.wav", true},
    {Cue::StartClip, "sbStart.mp3", "sbStart.mp3", false},
    {Cue::WonClip, "sbWon.mp3", "sbWon.mp3", false},
    {Cue::OverClip, "sbOver.mp3", "sbOver.mp3", false},
}};

inline const CueSound& SoundOf(Cue cue) {
  for (const CueSound& sound : kCueSounds)
    if (sound.cue == cue) return sound;
  return kCueSounds[0];
}

// The cue of a name ("OK", "sbStart.mp3" ...), compared exactly.
inline std::optional<Cue> CueNamed(std::string_view name) {
  for (const CueSound& sound : kCueSounds)
    if (sound.name == name) return sound.cue;
  return std::nullopt;
}

}  // namespace sb
