#include "tools/mkassets/text_render.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <stdexcept>

namespace {

std::map<std::pair<int, int>, TTF_Font*>& OpenFonts() {
  static std::map<std::pair<int, int>, TTF_Font*> fonts;
  return fonts;
}

TTF_Font* FontFor(Face face, int size) {
  auto key = std::make_pair(static_cast<int>(face), size);
  auto& fonts = OpenFonts();
  auto found = fonts.find(key);
  if (found != fonts.end()) return found->second;
  std::string path = FacePath(face);
  TTF_Font* font = TTF_OpenFont(path.c_str(), size);
  if (!font) throw std::runtime_error("cannot open font " + path);
  TTF_SetFontHinting(font, TTF_HINTING_LIGHT);
  fonts[key] = font;
  return font;
}

}  // namespace

std::string FacePath(Face face) {
  const char* file = "DejaVuSans.ttf";
  switch (face) {
    case Face::kSans:
      file = "DejaVuSans.ttf";
      break;
    case Face::kSansBold:
      file = "DejaVuSans-Bold.ttf";
      break;
    case Face::kMono:
      file = "DejaVuSansMono.ttf";
      break;
    case Face::kMonoBold:
      file = "DejaVuSansMono-Bold.ttf";
      break;
    case Face::kSerifBold:
      file = "DejaVuSerif-Bold.ttf";
      break;
  }
  for (const char* folder :
       {"/usr/share/fonts/truetype/dejavu/", "/usr/share/fonts/dejavu/", "/usr/share/fonts/TTF/"}) {
    std::string path = std::string(folder) + file;
    if (std::filesystem::exists(path)) return path;
  }
  throw std::runtime_error(std::string("font not found (install fonts-dejavu-core): ") + file);
}

void InitText() {
  if (!TTF_WasInit() && TTF_Init() != 0)
    throw std::runtime_error(std::string("SDL_ttf: ") + TTF_GetError());
}

void QuitText() {
  for (auto& [key, font] : OpenFonts()) TTF_CloseFont(font);
  OpenFonts().clear();
  if (TTF_WasInit()) TTF_Quit();
}

Image TextImage(Face face, int pixelSize, std::string_view utf8, Rgba colour) {
  InitText();
  TTF_Font* font = FontFor(face, pixelSize);
  std::string text(utf8);
  if (text.empty()) return MakeImage(1, TTF_FontLineSkip(font));
  SDL_Surface* rendered = TTF_RenderUTF8_Shaded(font, text.c_str(), SDL_Color{255, 255, 255, 255},
                                                SDL_Color{0, 0, 0, 255});
  if (!rendered) throw std::runtime_error(std::string("SDL_ttf: ") + TTF_GetError());
  // 8-bit shaded surface: the palette index is the coverage (0 background .. 255 full).
  Image image = MakeImage(rendered->w, rendered->h);
  SDL_LockSurface(rendered);
  const SDL_Palette* palette = rendered->format->palette;
  for (int y = 0; y < rendered->h; ++y) {
    const Uint8* row = static_cast<const Uint8*>(rendered->pixels) + y * rendered->pitch;
    for (int x = 0; x < rendered->w; ++x) {
      float cover = palette ? palette->colors[row[x]].r / 255.0f : row[x] / 255.0f;
      At(image, x, y) = {colour.r, colour.g, colour.b, colour.a * cover};
    }
  }
  SDL_UnlockSurface(rendered);
  SDL_FreeSurface(rendered);
  return image;
}

void DrawTextCentred(Image& image, Face face, int pixelSize, std::string_view utf8, float cx,
                     float cy, Rgba colour, float halo) {
  Image text = TextImage(face, pixelSize, utf8, colour);
  int x = static_cast<int>(std::lround(cx - text.width / 2.0f));
  int y = static_cast<int>(std::lround(cy - text.height / 2.0f));
  if (halo > 0) {
    int reach = std::max(1, pixelSize / 10);
    for (int j = -reach; j <= reach; ++j)
      for (int i = -reach; i <= reach; ++i)
        for (int ty = 0; ty < text.height; ++ty)
          for (int tx = 0; tx < text.width; ++tx) {
            float a = At(text, tx, ty).a * halo / ((2 * reach + 1) * (2 * reach + 1)) * 3;
            if (a > 0) BlendOver(image, x + tx + i, y + ty + j, {0.01f, 0.01f, 0.02f, Clamp01(a)});
          }
  }
  Paste(image, text, x, y);
}
