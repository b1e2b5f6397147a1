#pragma once

// A picture as the CPU renderer draws it as a quad: its keyed pixels with an edge border, what of
// it can add light at all, whether it looks the same turned, and its pre-scaled splats.

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "game/media/pixel_kernels.h"

constexpr int kAlphaBuckets = 16;  // alpha >> 4
constexpr int kSplatBuckets = 8;   // alpha >> 5

// A particle pre-scaled to a square of `side` pixels (and turned, for pictures that are not
// round): its light at full alpha, and for each row and alpha bucket the columns that add
// anything, so that the dark rim of a glow is never visited.
struct Splat {
  int side = 0;
  std::vector<std::uint16_t> light;        // side x side pixels of blue, green, red, 0
  std::vector<std::uint16_t> spans;        // [row][bucket]: first column, end column
  std::array<bool, kSplatBuckets> adds{};  // anything at all at that bucket
  std::size_t Bytes() const { return light.size() * 2 + spans.size() * 2; }
};

struct SoftImage {
  std::vector<std::uint32_t> padded;
  SoftTexture texture;
  // For square pictures up to kMaxMeasuredSide, once drawn additively: the distance from the middle
  // (in texels) beyond which a filtered sample adds nothing (additive) or changes nothing (normal
  // blending), by alpha bucket, highest alpha of the bucket; -1 when nothing anywhere. Others: no
  // limit.
  bool measured = false;
  bool measureTried = false;
  std::array<float, kAlphaBuckets> additiveReach{};
  std::array<float, kAlphaBuckets> normalReach{};
  bool round = false;  // turned by any angle it looks the same (within a few levels)
  std::map<int, std::unique_ptr<const Splat>> splats;  // by side x 64 + turn step
};

constexpr int kMaxSplatSide = 256;
constexpr int kMaxMeasuredSide = 128;  // particles; larger pictures are panels and bodies
constexpr int kTurnSteps = 64;  // pictures that are not round are splatted turned to 1/64 turns

std::unique_ptr<SoftImage> MakeSoftImage(const std::uint32_t* pixels, int width, int height);

// Finds the reach and roundness (once; only square pictures up to kMaxMeasuredSide).
void MeasureSoftImage(SoftImage& image);

// The side a splat is made at for a quad of `side` pixels: exact while small, then in steps of
// 2, 4 and 8 pixels, which nobody sees on a glow that large and which keeps few splats.
int SplatSideFor(float side);

// The splat of the image at `side` pixels, turned by `step` / kTurnSteps of a full turn, made on
// first use. `madeBytes` grows by what a new splat takes.
const Splat& SplatOf(SoftImage& image, int side, int step, std::size_t& madeBytes);
