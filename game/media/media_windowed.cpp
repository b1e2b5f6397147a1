// The windowed back end for a graphics card: an SDL renderer draws the frame into a 1024 x 768
// target texture, which the flip shows letterboxed in the window, so the game's screen has the
// same size on every desktop and a grab always reads 1024 x 768 pixels. Full screen covers the
// desktop; Alt+Enter switches to a 1024 x 768 window and back (media_window.cpp).

#include <algorithm>

#include "game/media/media_backend.h"

namespace {

bool OpenTarget(MediaDevice& device, int width, int height) {
  WindowScreen& screen = device.windowed;
  screen.target = SDL_CreateTexture(screen.renderer, SDL_PIXELFORMAT_ARGB8888,
                                    SDL_TEXTUREACCESS_TARGET, width, height);
  if (!screen.target) return false;
  SDL_SetRenderTarget(screen.renderer, screen.target);
  return true;
}

void SetDrawColour(SDL_Renderer* renderer, int colour) {
  SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
  SDL_SetRenderDrawColor(renderer, colour & 255, (colour >> 8) & 255, (colour >> 16) & 255, 255);
}

void Clear(MediaDevice& device, int colour) {
  SetDrawColour(device.windowed.renderer, colour);
  SDL_RenderClear(device.windowed.renderer);
}

void Present(MediaDevice& device) {
  ShowLetterboxed(device.windowed, device.windowed.target);
  SDL_SetRenderTarget(device.windowed.renderer, device.windowed.target);
}

void ReadPixels(MediaDevice& device, const SDL_Rect& rect, SDL_Surface* into) {
  SDL_RenderReadPixels(device.windowed.renderer, &rect, SDL_PIXELFORMAT_ARGB8888, into->pixels,
                       into->pitch);
}

// The picture's texture, uploaded (again) when its surface changed since the last upload.
SDL_Texture* PictureTexture(MediaDevice& device, Picture& picture) {
  if (!picture.textureStale && picture.texture) return picture.texture;
  SDL_Surface* surface = picture.surface;
  if (picture.texture) {
    int w = 0, h = 0;
    SDL_QueryTexture(picture.texture, nullptr, nullptr, &w, &h);
    if (w != surface->w || h != surface->h) {
      SDL_DestroyTexture(picture.texture);
      picture.texture = nullptr;
    }
  }
  if (!picture.texture) {
    picture.texture = SDL_CreateTexture(device.windowed.renderer, SDL_PIXELFORMAT_ARGB8888,
                                        SDL_TEXTUREACCESS_STATIC, surface->w, surface->h);
    if (!picture.texture) return nullptr;
    SDL_SetTextureBlendMode(picture.texture, SDL_BLENDMODE_BLEND);
  }
  SDL_UpdateTexture(picture.texture, nullptr, KeyedPixels(picture).data(), surface->w * 4);
  SDL_SetTextureScaleMode(picture.texture,
                          device.filtered ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
  picture.textureStale = false;
  return picture.texture;
}

void DrawPicture(MediaDevice& device, Picture& picture, const SDL_Rect& source, int x, int y,
                 bool keyed) {
  SDL_Texture* texture = PictureTexture(device, picture);
  if (!texture) return;
  SDL_SetTextureBlendMode(texture, keyed ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE);
  SDL_SetTextureAlphaMod(texture, 255);
  SDL_SetTextureColorMod(texture, 255, 255, 255);
  const SDL_Rect target{x, y, source.w, source.h};
  SDL_RenderCopy(device.windowed.renderer, texture, &source, &target);
}

void FillBox(MediaDevice& device, const SDL_Rect& box, int colour) {
  SetDrawColour(device.windowed.renderer, colour);
  SDL_RenderFillRect(device.windowed.renderer, &box);
}

void DrawLine(MediaDevice& device, int x1, int y1, int x2, int y2, int colour) {
  SetDrawColour(device.windowed.renderer, colour);
  SDL_RenderDrawLine(device.windowed.renderer, x1, y1, x2, y2);
}

void DrawText(MediaDevice& device, SDL_Surface* glyphs, int x, int y) {
  if (SDL_Texture* texture = SDL_CreateTextureFromSurface(device.windowed.renderer, glyphs)) {
    const SDL_Rect where{x, y, glyphs->w, glyphs->h};
    SDL_RenderCopy(device.windowed.renderer, texture, nullptr, &where);
    SDL_DestroyTexture(texture);
  }
}

void DrawQuad(MediaDevice& device, Picture& picture, const std::array<SDL_FPoint, 4>& corners,
              int alpha) {
  SDL_Texture* texture = PictureTexture(device, picture);
  if (!texture) return;
  SDL_SetTextureBlendMode(
      texture, device.blend == BlendMode::kAdditive ? SDL_BLENDMODE_ADD : SDL_BLENDMODE_BLEND);
  static constexpr SDL_FPoint kTexture[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  SDL_Vertex vertices[4];
  for (int i = 0; i < 4; ++i) {
    vertices[i].position = corners[i];
    vertices[i].color = SDL_Color{255, 255, 255, static_cast<Uint8>(alpha)};
    vertices[i].tex_coord = kTexture[i];
  }
  static constexpr int kIndices[6] = {0, 1, 2, 0, 2, 3};
  SDL_RenderGeometry(device.windowed.renderer, texture, vertices, 4, kIndices, 6);
}

void ForgetPicture(MediaDevice&, Picture& picture) {
  if (picture.texture) SDL_DestroyTexture(picture.texture);
  picture.texture = nullptr;
  picture.textureStale = true;
}

void ApplyFilter(MediaDevice& device) {
  const SDL_ScaleMode mode = device.filtered ? SDL_ScaleModeLinear : SDL_ScaleModeNearest;
  for (Picture& picture : device.pictures) {
    if (picture.texture) SDL_SetTextureScaleMode(picture.texture, mode);
  }
}

}  // namespace

const MediaBackend kWindowedBackend{
    .openScreen = OpenTarget,
    .closeScreen = CloseWindowAndRenderer,
    .clear = Clear,
    .present = Present,
    .readPixels = ReadPixels,
    .drawPicture = DrawPicture,
    .fillBox = FillBox,
    .drawLine = DrawLine,
    .drawText = DrawText,
    .drawQuad = DrawQuad,
    .forgetPicture = ForgetPicture,
    .applyFilter = ApplyFilter,
    .toggleFullscreen = ToggleWindowFullscreen,
    .windowToScreen = WindowPointToScreen,
};
