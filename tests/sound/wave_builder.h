// Builds small RIFF WAVE files in memory for the sound tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sb::test {

struct WaveLayout {
  std::uint16_t tag = 1;  // 1 PCM, 3 float, 0xFFFE extensible
  std::uint16_t channels = 1;
  std::uint32_t rate = 22050;
  std::uint16_t bits = 16;
  std::uint16_t subTag = 1;  // the extensible header's real format
  std::string samples = std::string("\x01\x00\x02\x00\x03\x00\x04\x00", 8);
  std::string chunkBeforeData{};  // e.g. an odd-sized "LIST" chunk
  bool withFormat = true;
};

inline void PutU16(std::string& out, std::uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}

inline void PutU32(std::string& out, std::uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

inline std::string Chunk(const std::string& id, const std::string& body) {
  std::string out = id;
  PutU32(out, static_cast<std::uint32_t>(body.size()));
  out += body;
  if (body.size() % 2 == 1) out += '\0';
  return out;
}

inline std::string FormatBody(const WaveLayout& layout) {
  std::string body;
  const std::uint32_t block = layout.channels * layout.bits / 8U;
  PutU16(body, layout.tag);
  PutU16(body, layout.channels);
  PutU32(body, layout.rate);
  PutU32(body, layout.rate * block);
  PutU16(body, block);
  PutU16(body, layout.bits);
  if (layout.tag == 0xFFFE) {
    PutU16(body, 22);  // the extension's size
    PutU16(body, layout.bits);
    PutU32(body, 0);  // channel mask
    PutU16(body, layout.subTag);
    body += std::string(14, '\x10');  // the rest of the sub-format GUID
  }
  return body;
}

inline std::string MakeWave(const WaveLayout& layout) {
  std::string chunks;
  if (layout.withFormat) chunks += Chunk("fmt ", FormatBody(layout));
  chunks += layout.chunkBeforeData;
  chunks += Chunk("data", layout.samples);
  std::string out = "RIFF";
  PutU32(out, static_cast<std::uint32_t>(chunks.size() + 4));
  return out + "WAVE" + chunks;
}

}  // namespace sb::test
