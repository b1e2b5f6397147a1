#pragma once

#include <SDL.h>

#include <array>
#include <cstdint>

#include "game/media/soft_image.h"

// Quads drawn by the CPU straight into a 32-bit surface: the frame of the headless screen and of
// the CPU-drawn window, one band of rows a call.

// Draws the picture mapped onto the four screen corners (top-left, top-right, bottom-right,
// bottom-left) as two triangles, with the vertex alpha, additive (source x alpha + destination) or
// normal alpha blending, and bilinear or nearest sampling. Rows where the picture adds nothing
// (a glow's dark rim) are cut away first when the quad is a square.
void DrawSoftQuad(SDL_Surface* target, RowBand rows, const SoftImage& image,
                  const std::array<SDL_FPoint, 4>& corners, int alpha, bool additive,
                  bool filtered);

// A quad that is a square of side `side` turned by `degrees` (counter-clockwise on the screen
// from the picture's top edge), or false.
bool IsSquareQuad(const std::array<SDL_FPoint, 4>& corners, float& side, float& degrees);

// Adds a splat at (x, y) with alpha 1..255.
void DrawSplat(SDL_Surface* target, RowBand rows, const Splat& splat, int x, int y, int alpha);
