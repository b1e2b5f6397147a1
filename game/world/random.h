#pragma once

#include <cstdint>

// The game's one source of chance: a PCG32 generator (64-bit state, XSH RR output) of our own, so
// that a seed replays the same run with every compiler and standard library. Seeded once at the
// start: the program seeds from the clock unless VELMARITH_SEED names a seed.

inline constexpr std::uint64_t kDefaultSeed = 20261208u;  // a game nobody seeded (tests)
inline constexpr std::uint64_t kRandomStream = 1442695040888963407u;

struct Rng {
  std::uint64_t state = 0x50fd8f5a4acd59aau;  // the state SeededRng(kDefaultSeed) gives
  std::uint64_t increment = kRandomStream | 1u;
};

// The next 32 random bits.
constexpr std::uint32_t NextRandom(Rng& rng) {
  const std::uint64_t old = rng.state;
  rng.state = old * 6364136223846793005u + rng.increment;
  const auto xorShifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
  const auto rotation = static_cast<std::uint32_t>(old >> 59u);
  return (xorShifted >> rotation) | (xorShifted << ((32u - rotation) & 31u));
}

constexpr Rng SeededRng(std::uint64_t seed) {
  Rng rng{0, kRandomStream | 1u};
  NextRandom(rng);
  rng.state += seed;
  NextRandom(rng);
  return rng;
}
static_assert(SeededRng(kDefaultSeed).state == Rng{}.state);

inline void SeedRandom(Rng& rng, std::uint64_t seed) {
  rng = SeededRng(seed);
}

// A uniformly drawn integer from 0 to max inclusive (0 when max is not positive). Draws below
// 2^32 mod (max + 1) are rejected, so that every value is equally likely; the draw kept is taken
// modulo max + 1.
int RandomInt(Rng& rng, int max);
