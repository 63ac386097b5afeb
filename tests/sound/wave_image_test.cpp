// Reading WAVE files: the formats the effects may come in, and damaged files that must be
// turned away rather than played as noise.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "case_name.h"
#include "ui/sound/wave_image.h"
#include "wave_builder.h"

namespace sb {
namespace {

using test::Chunk;
using test::MakeWave;
using test::WaveLayout;
using namespace std::string_literals;

struct GoodCase {
  const char* what;
  WaveLayout layout;
  WaveFormat format;
  std::size_t dataSize;
};

class GoodWave : public testing::TestWithParam<GoodCase> {};

TEST_P(GoodWave, FormatAndSamples) {
  const auto& c = GetParam();
  std::string fault;
  const std::string bytes = MakeWave(c.layout);
  const auto image = ParseWave(bytes, fault);
  ASSERT_TRUE(image) << fault;
  EXPECT_EQ(image->format, c.format);
  EXPECT_EQ(image->dataSize, c.dataSize);
  EXPECT_EQ(image->Samples(), c.layout.samples.substr(0, c.dataSize));
  EXPECT_EQ(image->bytes, bytes);  // the whole file is kept
}

const std::string kEightBytes = "\x01\x00\x02\x00\x03\x00\x04\x00"s;

INSTANTIATE_TEST_SUITE_P(
    Formats, GoodWave,
    testing::Values(GoodCase{"pcm16 mono", {}, {22050, 1, SampleFormat::Int16}, 8},
                    GoodCase{"pcm8 stereo",
                             {.channels = 2, .rate = 44100, .bits = 8},
                             {44100, 2, SampleFormat::UInt8},
                             8},
                    GoodCase{"float", {.tag = 3, .bits = 32}, {22050, 1, SampleFormat::Float32}, 8},
                    GoodCase{"pcm32", {.bits = 32}, {22050, 1, SampleFormat::Int32}, 8},
                    GoodCase{"extensible pcm16",
                             {.tag = 0xFFFE, .channels = 2},
                             {22050, 2, SampleFormat::Int16},
                             8},
                    GoodCase{"odd chunk before the data",
                             {.chunkBeforeData = Chunk("LIST", "abc")},
                             {22050, 1, SampleFormat::Int16},
                             8},
                    GoodCase{"part frame at the end is dropped",
                             {.channels = 2, .samples = kEightBytes + "\x05\x00"s},
                             {22050, 2, SampleFormat::Int16},
                             8}),
    test::CaseName{});

struct BadCase {
  const char* what;
  std::string bytes;
  const char* fault;
};

class BadWave : public testing::TestWithParam<BadCase> {};

TEST_P(BadWave, TurnedAwayWithReason) {
  std::string fault;
  EXPECT_FALSE(ParseWave(GetParam().bytes, fault));
  EXPECT_EQ(fault, GetParam().fault);
}

std::string Cut(const std::string& bytes, std::size_t drop) {
  return bytes.substr(0, bytes.size() - drop);
}

INSTANTIATE_TEST_SUITE_P(
    Damaged, BadWave,
    testing::Values(
        BadCase{"empty", "", "not a WAVE file"},
        BadCase{"text", "This is not a sound at all.", "not a WAVE file"},
        BadCase{"an MP3 under a WAVE name", "ID3\x04\x00\x00\x00\x00\x00\x00 and more bytes"s,
                "not a WAVE file"},
        BadCase{"RIFF of another kind", "RIFF\x04\x00\x00\x00"s + "AVI ", "not a WAVE file"},
        BadCase{"header only", "RIFF\x04\x00\x00\x00WAVE"s, "truncated"},
        BadCase{"cut inside the samples", Cut(MakeWave({}), 3), "truncated"},
        BadCase{"cut inside the format chunk", MakeWave({}).substr(0, 30), "truncated"},
        BadCase{"no format chunk", MakeWave({.withFormat = false}), "no format chunk"},
        BadCase{"compressed", MakeWave({.tag = 2, .bits = 4}), "unsupported sample format"},
        BadCase{"24 bits", MakeWave({.bits = 24, .samples = "\x01\x02\x03"}),
                "unsupported sample format"},
        BadCase{"no channels", MakeWave({.channels = 0}), "inconsistent format"},
        BadCase{"absurd rate", MakeWave({.rate = 1}), "inconsistent format"},
        BadCase{"no samples", MakeWave({.samples = ""}), "no samples"}),
    test::CaseName{});

// The effects the game ships, as the generator leaves them.
class ShippedEffect : public testing::TestWithParam<const char*> {};

TEST_P(ShippedEffect, ShortSmallMonoWave) {
  const auto path = std::filesystem::path(SUMBURROW_SOUND_ASSETS) / GetParam();
  std::ifstream in(path, std::ios::binary);
  ASSERT_TRUE(in) << path;
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::string fault;
  const auto image = ParseWave(bytes, fault);
  ASSERT_TRUE(image) << fault;
  EXPECT_EQ(image->format.channels, 1);
  EXPECT_EQ(image->format.sample, SampleFormat::Int16);
  const double seconds = static_cast<double>(image->dataSize) / 2 / image->format.sampleRate;
  EXPECT_GT(seconds, 0.03);
  EXPECT_LT(seconds, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Assets, ShippedEffect,
                         testing::Values("sbok.wav", "sbwrong.wav", "sbtimerstart.wav",
                                         "sbclue.wav", "sbtimer.wav"));

}  // namespace
}  // namespace sb
