// xoshiro256** seeded through splitmix64, mapped to ranges by our own rejection sampling so the
// sequence does not depend on the standard library's distributions.
#include "util/random.h"

#include <chrono>

namespace sb {
namespace {

struct Xoshiro256 {
  std::uint64_t s[4];

  void Seed(std::uint64_t seed) {
    for (auto& word : s) {
      seed += 0x9E3779B97F4A7C15ULL;
      std::uint64_t z = seed;
      z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
      z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
      word = z ^ (z >> 31);
    }
  }

  static std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

  std::uint64_t Next() {
    const std::uint64_t result = Rotl(s[1] * 5, 7) * 9;
    const std::uint64_t t = s[1] << 17;
    s[2] ^= s[0];
    s[3] ^= s[1];
    s[1] ^= s[2];
    s[0] ^= s[3];
    s[2] ^= t;
    s[3] = Rotl(s[3], 45);
    return result;
  }
};

Xoshiro256& Generator() {
  static Xoshiro256 generator = [] {
    Xoshiro256 g{};
    g.Seed(1);
    return g;
  }();
  return generator;
}

}  // namespace

int Random(int n) {
  if (n <= 0) return 0;
  // Lemire's multiply-and-shift on 32-bit draws, with rejection: unbiased, and a division only
  // when a draw falls into the short leftover block.
  const auto range = static_cast<std::uint32_t>(n);
  std::uint64_t product = (Generator().Next() >> 32) * range;
  auto low = static_cast<std::uint32_t>(product);
  if (low < range) {
    const std::uint32_t threshold = (0u - range) % range;
    while (low < threshold) {
      product = (Generator().Next() >> 32) * range;
      low = static_cast<std::uint32_t>(product);
    }
  }
  return static_cast<int>(product >> 32);
}

void SeedRandom(std::uint64_t seed) {
  Generator().Seed(seed);
}

void SeedRandomFromClock() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch().count() ^
                   std::chrono::system_clock::now().time_since_epoch().count();
  SeedRandom(static_cast<std::uint64_t>(now));
}

}  // namespace sb
