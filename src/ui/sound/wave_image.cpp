// Reading RIFF WAVE files, trusting none of the sizes written in them.
#include "ui/sound/wave_image.h"

#include <cstdint>

namespace sb {
namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
constexpr std::size_t kChunkHeader = 8;

std::uint32_t ReadU32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i)
    value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return value;
}

std::uint16_t ReadU16(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                    (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

struct Chunk {
  std::string_view id;
  std::size_t offset = 0;  // of the chunk's body
  std::size_t size = 0;
};

struct FormatChunk {
  std::uint16_t tag = 0;
  int channels = 0;
  std::uint32_t sampleRate = 0;
  int blockAlign = 0;
  int bits = 0;
};

FormatChunk ReadFormatChunk(std::string_view bytes, const Chunk& chunk) {
  FormatChunk format;
  format.tag = ReadU16(bytes, chunk.offset);
  format.channels = ReadU16(bytes, chunk.offset + 2);
  format.sampleRate = ReadU32(bytes, chunk.offset + 4);
  format.blockAlign = ReadU16(bytes, chunk.offset + 12);
  format.bits = ReadU16(bytes, chunk.offset + 14);
  // The extensible header names the real format in the first two bytes of its sub-format.
  if (format.tag == kFormatExtensible && chunk.size >= 40)
    format.tag = ReadU16(bytes, chunk.offset + 24);
  return format;
}

std::optional<SampleFormat> SampleFormatOf(const FormatChunk& format) {
  if (format.tag == kFormatPcm && format.bits == 8) return SampleFormat::UInt8;
  if (format.tag == kFormatPcm && format.bits == 16) return SampleFormat::Int16;
  if (format.tag == kFormatPcm && format.bits == 32) return SampleFormat::Int32;
  if (format.tag == kFormatFloat && format.bits == 32) return SampleFormat::Float32;
  return std::nullopt;
}

std::optional<WaveFormat> CheckFormat(const FormatChunk& chunk, std::string& fault) {
  const auto sample = SampleFormatOf(chunk);
  if (!sample) {
    fault = "unsupported sample format";
    return std::nullopt;
  }
  WaveFormat format{static_cast<int>(chunk.sampleRate), chunk.channels, *sample};
  if (chunk.channels < 1 || chunk.channels > 8 || chunk.sampleRate < 4000 ||
      chunk.sampleRate > 192000 || chunk.blockAlign != format.BytesPerFrame()) {
    fault = "inconsistent format";
    return std::nullopt;
  }
  return format;
}

// Walks the chunks after the RIFF header; a chunk that runs past the end means a cut-off file.
bool FindChunks(std::string_view bytes, std::optional<Chunk>& fmt, std::optional<Chunk>& data,
                std::string& fault) {
  std::size_t at = 12;
  while (bytes.size() - at >= kChunkHeader && !(fmt && data)) {
    Chunk chunk{bytes.substr(at, 4), at + kChunkHeader, ReadU32(bytes, at + 4)};
    if (chunk.size > bytes.size() - chunk.offset) {
      fault = "truncated";
      return false;
    }
    if (chunk.id == "fmt ") fmt = chunk;
    if (chunk.id == "data") data = chunk;
    at = chunk.offset + chunk.size + (chunk.size & 1);  // chunks are padded to even sizes
    if (at > bytes.size()) break;
  }
  // A file that ends before its samples has lost them; one with samples but no format never
  // had a usable header.
  if (!data)
    fault = "truncated";
  else if (!fmt)
    fault = "no format chunk";
  else if (fmt->size < 16)
    fault = "inconsistent format";
  return fault.empty();
}

}  // namespace

int WaveFormat::BytesPerFrame() const {
  const int bytesPerSample = sample == SampleFormat::UInt8   ? 1
                             : sample == SampleFormat::Int16 ? 2
                                                             : 4;
  return bytesPerSample * channels;
}

std::optional<SoundImage> ParseWave(std::string bytes, std::string& fault) {
  fault.clear();
  const std::string_view view(bytes);
  if (view.size() < 12 || view.substr(0, 4) != "RIFF" || view.substr(8, 4) != "WAVE") {
    fault = "not a WAVE file";
    return std::nullopt;
  }
  std::optional<Chunk> fmt;
  std::optional<Chunk> data;
  if (!FindChunks(view, fmt, data, fault)) return std::nullopt;
  const auto format = CheckFormat(ReadFormatChunk(view, *fmt), fault);
  if (!format) return std::nullopt;
  const auto frameBytes = static_cast<std::size_t>(format->BytesPerFrame());
  const std::size_t dataSize = data->size - data->size % frameBytes;
  if (dataSize == 0) {
    fault = "no samples";
    return std::nullopt;
  }
  SoundImage image{std::move(bytes), *format, data->offset, dataSize};
  return image;
}

}  // namespace sb
