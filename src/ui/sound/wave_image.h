// A WAVE file held in memory: its bytes, its sample format and where its samples lie.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace sb {

enum class SampleFormat { UInt8, Int16, Int32, Float32 };

struct WaveFormat {
  int sampleRate = 0;
  int channels = 0;
  SampleFormat sample = SampleFormat::Int16;

  int BytesPerFrame() const;
  bool operator==(const WaveFormat&) const = default;
};

// The sound image of one effect: the whole file, read once and kept for the whole run.
struct SoundImage {
  std::string bytes;
  WaveFormat format;
  std::size_t dataOffset = 0;
  std::size_t dataSize = 0;  // whole frames only

  std::string_view Samples() const { return std::string_view(bytes).substr(dataOffset, dataSize); }
};

// Reads a RIFF WAVE file from its bytes: PCM of 8, 16 or 32 bits, or 32-bit float, 1 to 8
// channels. Anything else (not a WAVE file, truncated, no samples, a compressed or unusual
// format) gives nothing, with the reason in fault.
std::optional<SoundImage> ParseWave(std::string bytes, std::string& fault);

}  // namespace sb
