#pragma once

// Drawing by the CPU into an ARGB8888 surface: what DrawInto draws into pictures on both back
// ends, and everything the headless back end draws into its frame.

#include <SDL.h>

#include <climits>
#include <cstdint>

#include "game/media/media_internal.h"
#include "game/media/pixel_kernels.h"

constexpr RowBand kAllRows{0, 1 << 24};

// The opaque ARGB pixel of a game colour (red in the lowest byte).
inline std::uint32_t PixelOfColour(int colour) {
  return 0xFF000000u | (std::uint32_t(colour & 255) << 16) |
         (std::uint32_t((colour >> 8) & 255) << 8) | std::uint32_t((colour >> 16) & 255);
}

// The game colour of an ARGB pixel.
inline int ColourOfPixel(std::uint32_t pixel) {
  return MakeColour((pixel >> 16) & 255, (pixel >> 8) & 255, pixel & 255);
}

// Each draws only the rows `rows` of the target.
void CpuFillBox(SDL_Surface* target, const SDL_Rect& box, int colour, RowBand rows = kAllRows);
void CpuDrawLine(SDL_Surface* target, int x1, int y1, int x2, int y2, int colour,
                 RowBand rows = kAllRows);

// Copies a source rectangle of a picture's surface onto a surface at (x, y), clipped to the
// destination; when keyed, key-colour pixels are skipped and the others blended by their alpha.
void CpuBlit(const Picture& source, const SDL_Rect& sourceRect, SDL_Surface* target, int x, int y,
             bool keyed, RowBand rows = kAllRows);

// Rendered text (ARGB with soft edges in its alpha) blended onto a surface at (x, y).
void CpuBlendGlyphs(SDL_Surface* glyphs, SDL_Surface* target, int x, int y,
                    RowBand rows = kAllRows);
