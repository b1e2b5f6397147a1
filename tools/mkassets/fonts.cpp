// The bitmap fonts: one row of glyph cells for the Latin-1 codes 32..255, cell height 20 and
// width 2 x size. Glyphs carry their coverage in alpha (the game blends keyed pictures by alpha)
// and a thin dark rim so that text stays readable over planets and bright effects.
#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "tools/mkassets/media_extra.h"
#include "tools/mkassets/palette.h"
#include "tools/mkassets/text_render.h"

namespace {

constexpr int kCellHeight = 20;
constexpr int kFirstCode = 32;
constexpr int kCodes = 224;

// The largest size of the face whose advance fits the cell.
TTF_Font* FitFont(const std::string& path, int cellWidth) {
  for (int pixels = 24; pixels >= 6; --pixels) {
    TTF_Font* font = TTF_OpenFont(path.c_str(), pixels);
    if (!font) throw std::runtime_error("cannot open font " + path);
    int advance = 0;
    TTF_GlyphMetrics32(font, 'M', nullptr, nullptr, nullptr, nullptr, &advance);
    if (advance <= cellWidth && TTF_FontHeight(font) <= kCellHeight + 2) return font;
    TTF_CloseFont(font);
  }
  throw std::runtime_error("no font size fits a cell of width " + std::to_string(cellWidth));
}

// Coverage of every glyph, one float per pixel of the whole row.
std::vector<float> GlyphCoverage(int cellWidth) {
  InitText();
  TTF_Font* font = FitFont(FacePath(Face::kMonoBold), cellWidth);
  TTF_SetFontHinting(font, TTF_HINTING_LIGHT);
  const int width = kCodes * cellWidth;
  std::vector<float> cover(static_cast<size_t>(width) * kCellHeight, 0.0f);
  const int top = (kCellHeight - TTF_FontHeight(font)) / 2 + (cellWidth < 8 ? 1 : 0);
  for (int code = kFirstCode; code < kFirstCode + kCodes; ++code) {
    if (code >= 0x7F && code < 0xA0) continue;  // control codes have no glyph
    if (code == 0xA0) continue;                 // no-break space draws as a blank
    SDL_Surface* glyph = TTF_RenderGlyph32_Shaded(
        font, static_cast<Uint32>(code), SDL_Color{255, 255, 255, 255}, SDL_Color{0, 0, 0, 255});
    if (!glyph) continue;
    SDL_LockSurface(glyph);
    const int cellX = (code - kFirstCode) * cellWidth;
    const int offsetX = (cellWidth - glyph->w) / 2;
    for (int y = 0; y < glyph->h; ++y) {
      const Uint8* row = static_cast<const Uint8*>(glyph->pixels) + y * glyph->pitch;
      for (int x = 0; x < glyph->w; ++x) {
        int cx = offsetX + x, cy = top + y;
        if (cx < 0 || cx >= cellWidth || cy < 0 || cy >= kCellHeight) continue;
        float v = glyph->format->palette ? glyph->format->palette->colors[row[x]].r / 255.0f
                                         : row[x] / 255.0f;
        float& c = cover[static_cast<size_t>(cy) * width + cellX + cx];
        c = std::max(c, v);
      }
    }
    SDL_UnlockSurface(glyph);
    SDL_FreeSurface(glyph);
  }
  TTF_CloseFont(font);
  return cover;
}

}  // namespace

Image FontPicture(int size, Rgba colour) {
  const int cellWidth = 2 * size;
  const int width = kCodes * cellWidth;
  std::vector<float> cover = GlyphCoverage(cellWidth);
  Image image = MakeImage(width, kCellHeight);
  const Rgba rim = Rgb(4, 6, 12);
  for (int y = 0; y < kCellHeight; ++y)
    for (int x = 0; x < width; ++x) {
      float own = cover[static_cast<size_t>(y) * width + x];
      // The rim stays inside the glyph's own cell so that neighbours never clip it.
      int cellStart = x / cellWidth * cellWidth;
      float near = 0;
      for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 1; ++i) {
          int xx = x + i, yy = y + j;
          if (xx < cellStart || xx >= cellStart + cellWidth || yy < 0 || yy >= kCellHeight)
            continue;
          near =
              std::max(near, cover[static_cast<size_t>(yy) * width + xx] * (i && j ? 0.6f : 1.0f));
        }
      float rimAlpha = near * 0.7f;
      // Light top, slightly deeper bottom: a hint of relief without losing the hue.
      float shade = 1.08f - 0.16f * (y / static_cast<float>(kCellHeight));
      Rgba glyph{Clamp01(colour.r * shade), Clamp01(colour.g * shade), Clamp01(colour.b * shade),
                 own};
      Rgba out{rim.r, rim.g, rim.b, rimAlpha};
      // Composite glyph over rim.
      float a = glyph.a + out.a * (1 - glyph.a);
      if (a > 0) {
        out.r = (glyph.r * glyph.a + out.r * out.a * (1 - glyph.a)) / a;
        out.g = (glyph.g * glyph.a + out.g * out.a * (1 - glyph.a)) / a;
        out.b = (glyph.b * glyph.a + out.b * out.a * (1 - glyph.a)) / a;
      }
      out.a = a;
      At(image, x, y) = out;
    }
  return image;
}

void GenerateFonts(AssetSink& sink) {
  struct Set {
    const char* name;
    Rgba colour;
  };
  const Set sets[] = {{"Schrift", kNormalText},      {"Feind-Schrift", kHostile},
                      {"Neutral-Schrift", kNeutral}, {"Freund-Schrift", kFriendly},
                      {"Aktiv-Schrift", kActive},    {"Dunkel-Schrift", kDarkText}};
  for (int size : {3, 5})
    for (const Set& set : sets)
      SavePicture(sink, "",
                  std::string("BMP\\Schrift\\") + set.name + " " + std::to_string(size) + ".bmp",
                  FontPicture(size, set.colour), PixelMode::kAlpha);
}
