#include "game/world/random.h"

void SeedRandom(Rng& rng, std::uint32_t seed) {
  rng.engine.seed(seed);
}

int RandomInt(Rng& rng, int max) {
  if (max <= 0) return 0;
  return std::uniform_int_distribution<int>(0, max)(rng.engine);
}
