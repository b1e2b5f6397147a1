#pragma once

#include <cstdint>
#include <random>

// The game's one source of chance, seeded once so that a test (or a replay) can fix it.
struct Rng {
  std::mt19937 engine{20261208u};
};

void SeedRandom(Rng& rng, std::uint32_t seed);

// A uniformly drawn integer from 0 to max inclusive (0 when max is not positive).
int RandomInt(Rng& rng, int max);
