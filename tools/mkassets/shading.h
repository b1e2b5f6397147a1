#pragma once

#include <cstdint>

#include "tools/mkassets/image.h"

// Shared recipes of the procedural style: rocky lumps and lit spheres, so that rocks, pods and
// planets share one light and one palette logic.

// Light direction for everything lit in a picture (from the upper left, towards the viewer).
inline constexpr float kLightX = -0.55f, kLightY = -0.6f, kLightZ = 0.58f;

struct RockStyle {
  Rgba dark, light;        // surface colours by noise
  Rgba glow;               // emissive cracks (lava); alpha = strength, 0 for none
  float roughness = 0.3;   // outline wobble
  float gloss = 0;         // specular (ice)
  float translucency = 0;  // ice: lets the rim glow through
};

// An irregular lit lump filling most of a square picture, with soft alpha edges.
Image RockSprite(int side, const RockStyle& style, std::uint32_t seed);
