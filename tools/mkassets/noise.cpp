#include "tools/mkassets/noise.h"

#include <cmath>

Rng MakeRng(std::uint64_t seed) {
  return Rng{seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull};
}

std::uint64_t NextU64(Rng& rng) {
  std::uint64_t z = (rng.state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

float NextFloat(Rng& rng) {
  return static_cast<float>(NextU64(rng) >> 40) / 16777216.0f;
}

float NextRange(Rng& rng, float lo, float hi) {
  return lo + (hi - lo) * NextFloat(rng);
}

int NextInt(Rng& rng, int maxInclusive) {
  return static_cast<int>(NextU64(rng) % static_cast<std::uint64_t>(maxInclusive + 1));
}

std::uint64_t HashText(std::string_view text) {
  std::uint64_t h = 1469598103934665603ull;
  for (unsigned char c : text) {
    h ^= c;
    h *= 1099511628211ull;
  }
  return h;
}

namespace {

std::uint32_t Hash3(int x, int y, int z, std::uint32_t seed) {
  std::uint32_t h = seed * 0x27d4eb2dU;
  h ^= static_cast<std::uint32_t>(x) * 0x85ebca6bU;
  h = (h << 13) | (h >> 19);
  h ^= static_cast<std::uint32_t>(y) * 0xc2b2ae35U;
  h = (h << 17) | (h >> 15);
  h ^= static_cast<std::uint32_t>(z) * 0x165667b1U;
  h ^= h >> 16;
  h *= 0x7feb352dU;
  h ^= h >> 15;
  h *= 0x846ca68bU;
  h ^= h >> 16;
  return h;
}

float Lattice(int x, int y, int z, std::uint32_t seed) {
  return static_cast<float>(Hash3(x, y, z, seed) >> 8) / 8388608.0f - 1.0f;
}

float Fade(float t) {
  return t * t * t * (t * (t * 6 - 15) + 10);
}
float Lerp(float a, float b, float t) {
  return a + (b - a) * t;
}

}  // namespace

float ValueNoise3(float x, float y, float z, std::uint32_t seed) {
  float fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
  int ix = static_cast<int>(fx), iy = static_cast<int>(fy), iz = static_cast<int>(fz);
  float tx = Fade(x - fx), ty = Fade(y - fy), tz = Fade(z - fz);
  float c[2][2][2];
  for (int k = 0; k < 2; ++k)
    for (int j = 0; j < 2; ++j)
      for (int i = 0; i < 2; ++i) c[k][j][i] = Lattice(ix + i, iy + j, iz + k, seed);
  float z0 = Lerp(Lerp(c[0][0][0], c[0][0][1], tx), Lerp(c[0][1][0], c[0][1][1], tx), ty);
  float z1 = Lerp(Lerp(c[1][0][0], c[1][0][1], tx), Lerp(c[1][1][0], c[1][1][1], tx), ty);
  return Lerp(z0, z1, tz);
}

float ValueNoise2(float x, float y, std::uint32_t seed) {
  return ValueNoise3(x, y, 0.5f, seed);
}

float Fbm3(float x, float y, float z, int octaves, std::uint32_t seed) {
  float sum = 0, amp = 0.5f, norm = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += amp * ValueNoise3(x, y, z, seed + o * 101);
    norm += amp;
    x = x * 2.03f + 1.7f, y = y * 2.03f - 3.1f, z = z * 2.03f + 0.9f;
    amp *= 0.5f;
  }
  return sum / norm;
}

float Fbm2(float x, float y, int octaves, std::uint32_t seed) {
  return Fbm3(x, y, 0.37f, octaves, seed);
}

float Ridged3(float x, float y, float z, int octaves, std::uint32_t seed) {
  float sum = 0, amp = 0.5f, norm = 0;
  for (int o = 0; o < octaves; ++o) {
    float n = 1 - std::fabs(ValueNoise3(x, y, z, seed + o * 131));
    sum += amp * n * n;
    norm += amp;
    x = x * 2.1f + 0.3f, y = y * 2.1f + 5.2f, z = z * 2.1f - 1.3f;
    amp *= 0.5f;
  }
  return sum / norm;
}

float CellDistance2(float x, float y, std::uint32_t seed) {
  int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
  float best = 9;
  for (int j = -1; j <= 1; ++j)
    for (int i = -1; i <= 1; ++i) {
      float px = ix + i + 0.5f + 0.4f * Lattice(ix + i, iy + j, 7, seed);
      float py = iy + j + 0.5f + 0.4f * Lattice(ix + i, iy + j, 11, seed);
      float d = std::hypot(x - px, y - py);
      if (d < best) best = d;
    }
  return best;
}
