#include "game/world/random.h"

int RandomInt(Rng& rng, int max) {
  if (max <= 0) return 0;
  const std::uint32_t range = static_cast<std::uint32_t>(max) + 1u;
  const std::uint32_t threshold = (0u - range) % range;  // 2^32 mod range
  std::uint32_t draw = NextRandom(rng);
  while (draw < threshold) draw = NextRandom(rng);
  return static_cast<int>(draw % range);
}
