#pragma once

#include <cstdint>
#include <string_view>

// Every generated file is a pure function of fixed seeds: this generator and hash are fully
// specified here (no library distributions, whose output differs between implementations).
struct Rng {
  std::uint64_t state = 0;
};

Rng MakeRng(std::uint64_t seed);
std::uint64_t NextU64(Rng& rng);
float NextFloat(Rng& rng);  // 0 <= v < 1
float NextRange(Rng& rng, float lo, float hi);
int NextInt(Rng& rng, int maxInclusive);  // 0..maxInclusive

// A stable 64-bit hash of text (FNV-1a), used to seed per-file generators by name.
std::uint64_t HashText(std::string_view text);

// Smooth value noise in -1..1 and its fractal sum (octaves halve in amplitude, double in
// frequency); `seed` picks an independent field.
float ValueNoise2(float x, float y, std::uint32_t seed);
float ValueNoise3(float x, float y, float z, std::uint32_t seed);
float Fbm2(float x, float y, int octaves, std::uint32_t seed);
float Fbm3(float x, float y, float z, int octaves, std::uint32_t seed);
// 1 - |noise| summed: sharp ridges (veins, lava cracks, mountain chains).
float Ridged3(float x, float y, float z, int octaves, std::uint32_t seed);
// Distance to the nearest of a jittered grid of points (cells, craters).
float CellDistance2(float x, float y, std::uint32_t seed);
