// Shapes and font text drawn into a picture (DrawInto ... EndDraw), or onto the screen.

#include <SDL_ttf.h>

#include <cmath>

#include "game/media/cpu_drawing.h"
#include "game/media/media_backend.h"

namespace {

constexpr const char* kFontFolder = "/usr/share/fonts/truetype/dejavu/";

// The faces the game asks for, drawn with the fonts every Debian desktop has.
std::string FontFileForFace(const std::string& faceName) {
  if (faceName.find("Courier") != std::string::npos) {
    return std::string(kFontFolder) + "DejaVuSansMono-Bold.ttf";
  }
  return std::string(kFontFolder) + "DejaVuSans-Bold.ttf";
}

}  // namespace

bool InitFonts(Media&) {
  return TTF_WasInit() || TTF_Init() == 0;
}

void DrawInto(Media& media, int picture) {
  media.device->drawTarget = PictureExists(media, picture) ? picture : -1;
}

void EndDraw(Media& media) {
  media.device->drawTarget = -1;
}

void FillBox(Media& media, int x, int y, int w, int h, int colour) {
  const SDL_Rect box{x, y, w, h};
  if (SDL_Surface* target = DrawIntoSurface(*media.device)) {
    CpuFillBox(target, box, colour);
  } else {
    media.device->backend->fillBox(*media.device, box, colour);
  }
}

void FillCircle(Media& media, int cx, int cy, int radius, int colour) {
  if (radius < 0) return;
  for (int dy = -radius; dy <= radius; ++dy) {
    const int half = static_cast<int>(std::sqrt(double(radius) * radius - double(dy) * dy));
    FillBox(media, cx - half, cy + dy, 2 * half + 1, 1, colour);
  }
}

void DrawLine(Media& media, int x1, int y1, int x2, int y2, int colour) {
  if (SDL_Surface* target = DrawIntoSurface(*media.device)) {
    CpuDrawLine(target, x1, y1, x2, y2, colour);
  } else {
    media.device->backend->drawLine(*media.device, x1, y1, x2, y2, colour);
  }
}

int LoadFont(Media& media, const std::string& faceName, int size) {
  TTF_Font* font = TTF_OpenFont(FontFileForFace(faceName).c_str(), size);
  if (!font) return -1;
  media.device->fonts.push_back(font);
  return static_cast<int>(media.device->fonts.size()) - 1;
}

static TTF_Font* FontHandle(Media& media, int font) {
  return font >= 0 && font < static_cast<int>(media.device->fonts.size())
             ? media.device->fonts[font]
             : nullptr;
}

void DrawFontText(Media& media, int font, int x, int y, const std::string& text, int colour) {
  TTF_Font* handle = FontHandle(media, font);
  if (!handle || text.empty()) return;
  const SDL_Color textColour{Uint8(colour & 255), Uint8((colour >> 8) & 255),
                             Uint8((colour >> 16) & 255), 255};
  // The text is Latin-1 bytes, which is what the non-UTF-8 call takes.
  SDL_Surface* rendered = TTF_RenderText_Blended(handle, text.c_str(), textColour);
  if (!rendered) return;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(rendered);
  if (!argb) return;
  if (SDL_Surface* target = DrawIntoSurface(*media.device)) {
    CpuBlendGlyphs(argb, target, x, y);
  } else {
    media.device->backend->drawText(*media.device, argb, x, y);
  }
  SDL_FreeSurface(argb);
}

int TextWidth(Media& media, int font, const std::string& text) {
  TTF_Font* handle = FontHandle(media, font);
  int width = 0;
  if (handle && TTF_SizeText(handle, text.c_str(), &width, nullptr) != 0) width = 0;
  return width;
}
