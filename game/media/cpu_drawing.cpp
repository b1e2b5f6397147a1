#include "game/media/cpu_drawing.h"

#include <algorithm>
#include <cstdlib>

namespace {

Uint32* PixelRow(SDL_Surface* surface, int y) {
  return reinterpret_cast<Uint32*>(static_cast<unsigned char*>(surface->pixels) +
                                   y * surface->pitch);
}

Uint32 BlendPixel(Uint32 source, Uint32 target) {
  const Uint32 alpha = source >> 24;
  if (alpha == 255) return source;
  auto mix = [alpha](Uint32 s, Uint32 t) { return (s * alpha + t * (255 - alpha)) / 255; };
  const Uint32 r = mix((source >> 16) & 255, (target >> 16) & 255);
  const Uint32 g = mix((source >> 8) & 255, (target >> 8) & 255);
  const Uint32 b = mix(source & 255, target & 255);
  return (target & 0xFF000000u) | (r << 16) | (g << 8) | b;
}

}  // namespace

void CpuFillBox(SDL_Surface* target, const SDL_Rect& box, int colour, RowBand rows) {
  const int left = std::max(box.x, 0);
  const int right = std::min(box.x + box.w, target->w);
  const int top = std::max({box.y, rows.top, 0});
  const int bottom = std::min({box.y + box.h, rows.bottom, target->h});
  const Uint32 pixel = PixelOfColour(colour);
  // Plain stores: a streaming fill would leave the frame out of the cache for the draws after it.
  for (int y = top; y < bottom && left < right; ++y) {
    std::fill(PixelRow(target, y) + left, PixelRow(target, y) + right, pixel);
  }
}

void CpuDrawLine(SDL_Surface* target, int x1, int y1, int x2, int y2, int colour, RowBand rows) {
  const int steps = std::max(std::abs(x2 - x1), std::abs(y2 - y1));
  const Uint32 pixel = PixelOfColour(colour);
  for (int i = 0; i <= steps; ++i) {
    const int x = steps ? x1 + (x2 - x1) * i / steps : x1;
    const int y = steps ? y1 + (y2 - y1) * i / steps : y1;
    if (x < 0 || y < std::max(rows.top, 0) || x >= target->w ||
        y >= std::min(rows.bottom, target->h)) {
      continue;
    }
    PixelRow(target, y)[x] = pixel;
  }
}

void CpuBlit(const Picture& source, const SDL_Rect& sourceRect, SDL_Surface* target, int x, int y,
             bool keyed, RowBand rows) {
  const int left = std::max(0, -x);
  const int top = std::max({0, -y, rows.top - y});
  const int right = std::min(sourceRect.w, target->w - x);
  const int bottom = std::min({sourceRect.h, target->h - y, rows.bottom - y});
  for (int row = top; row < bottom; ++row) {
    const Uint32* from = PixelRow(source.surface, sourceRect.y + row) + sourceRect.x;
    Uint32* to = PixelRow(target, y + row) + x;
    for (int column = left; column < right; ++column) {
      const Uint32 pixel = from[column];
      if (keyed && (pixel & 0x00FFFFFFu) == source.keyColour) continue;
      to[column] = keyed ? BlendPixel(pixel, to[column]) : (pixel | 0xFF000000u);
    }
  }
}

void CpuBlendGlyphs(SDL_Surface* glyphs, SDL_Surface* target, int x, int y, RowBand rows) {
  Picture text;
  text.surface = glyphs;
  text.keyColour = 0xFFFFFFFFu;  // matches no pixel: only the alpha decides
  CpuBlit(text, SDL_Rect{0, 0, glyphs->w, glyphs->h}, target, x, y, true, rows);
}
