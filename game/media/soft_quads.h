#pragma once

#include <SDL.h>

#include <array>
#include <cstdint>
#include <vector>

// Quads drawn by the CPU straight into a 32-bit surface: the headless screen's fast path. SDL's
// own software renderer blends triangles pixel by pixel through generic code, ten times slower.
// The texture's ARGB pixels (the key colour already transparent), surrounded by a border of one
// texel that repeats the edge, so that filtered sampling never needs to check its bounds.
struct SoftTexture {
  int width = 0;
  int height = 0;
  const std::uint32_t* pixels = nullptr;  // the first texel inside the border
  int stride = 0;                         // texels per row, border included: width + 2
};

// A texture's pixels with that border: (width + 2) x (height + 2).
std::vector<std::uint32_t> PadWithEdges(const std::uint32_t* pixels, int width, int height);

// Draws the texture mapped onto the four screen corners (top-left, top-right, bottom-right,
// bottom-left) as two triangles, with the vertex alpha, additive (source x alpha + destination) or
// normal alpha blending, and bilinear or nearest sampling.
void DrawSoftQuad(SDL_Surface* target, const SoftTexture& texture,
                  const std::array<SDL_FPoint, 4>& corners, int alpha, bool additive,
                  bool filtered);
