// The windowed back end: an SDL renderer draws the frame into a 1024 x 768 target texture, which
// the flip shows letterboxed in the window, so the game's screen has the same size on every
// desktop and a grab always reads 1024 x 768 pixels. Full screen covers the desktop; Alt+Enter
// switches to a 1024 x 768 window and back.

#include <algorithm>

#include "game/media/letterbox.h"
#include "game/media/media_backend.h"

namespace {

// The desktop of the window's display (of the first display before the window exists).
SDL_Rect DesktopBounds(SDL_Window* window) {
  const int display = window ? std::max(SDL_GetWindowDisplayIndex(window), 0) : 0;
  SDL_Rect bounds{0, 0, kScreenWidth, kScreenHeight};
  if (SDL_GetDisplayBounds(display, &bounds) != 0 || bounds.w <= 0 || bounds.h <= 0) {
    bounds = SDL_Rect{0, 0, kScreenWidth, kScreenHeight};
  }
  return bounds;
}

bool OpenWindow(MediaDevice& device, int width, int height) {
  WindowScreen& screen = device.windowed;
  // Full screen takes the desktop's size from the start: without a window manager nobody
  // resizes the window, and a window of the picture's size would show part of a desktop-sized
  // frame.
  SDL_Rect where{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height};
  if (screen.fullscreen) where = DesktopBounds(nullptr);
  const Uint32 flags = screen.fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0;
  screen.window = SDL_CreateWindow("Velmarith", where.x, where.y, where.w, where.h, flags);
  if (!screen.window) return false;
  screen.renderer = SDL_CreateRenderer(screen.window, -1, SDL_RENDERER_ACCELERATED);
  if (!screen.renderer)
    screen.renderer = SDL_CreateRenderer(screen.window, -1, SDL_RENDERER_SOFTWARE);
  if (!screen.renderer) return false;
  screen.target = SDL_CreateTexture(screen.renderer, SDL_PIXELFORMAT_ARGB8888,
                                    SDL_TEXTUREACCESS_TARGET, width, height);
  if (!screen.target) return false;
  SDL_SetRenderTarget(screen.renderer, screen.target);
  SDL_ShowCursor(SDL_DISABLE);  // the game draws its own pointer
  return true;
}

void CloseWindow(MediaDevice& device) {
  WindowScreen& screen = device.windowed;
  if (screen.target) SDL_DestroyTexture(screen.target);
  if (screen.renderer) SDL_DestroyRenderer(screen.renderer);
  if (screen.window) SDL_DestroyWindow(screen.window);
  screen.target = nullptr;
  screen.renderer = nullptr;
  screen.window = nullptr;
}

void SetDrawColour(SDL_Renderer* renderer, int colour) {
  SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
  SDL_SetRenderDrawColor(renderer, colour & 255, (colour >> 8) & 255, (colour >> 16) & 255, 255);
}

void Clear(MediaDevice& device, int colour) {
  SetDrawColour(device.windowed.renderer, colour);
  SDL_RenderClear(device.windowed.renderer);
}

void WaitForFrameSlot(WindowScreen& screen) {
  if (screen.frameCap <= 0) return;
  const std::uint64_t slot = 1000 / screen.frameCap;
  const std::uint64_t due = screen.lastFlipTicks + slot;
  std::uint64_t now = SDL_GetTicks64();
  while (now < due) {
    SDL_Delay(static_cast<Uint32>(due - now));
    now = SDL_GetTicks64();
  }
  // A late frame starts a new schedule instead of rushing the following ones.
  screen.lastFlipTicks = (now - due < slot) ? due : now;
}

void Present(MediaDevice& device) {
  WindowScreen& screen = device.windowed;
  WaitForFrameSlot(screen);
  SDL_SetRenderTarget(screen.renderer, nullptr);
  SDL_SetRenderDrawColor(screen.renderer, 0, 0, 0, 255);
  SDL_RenderClear(screen.renderer);
  // Asked with no target bound: with the frame's texture bound the renderer reports its size.
  int outputWidth = kScreenWidth;
  int outputHeight = kScreenHeight;
  SDL_GetRendererOutputSize(screen.renderer, &outputWidth, &outputHeight);
  const PictureBox box = LetterboxIn(outputWidth, outputHeight);
  const SDL_Rect where{box.x, box.y, box.width, box.height};
  SDL_RenderCopy(screen.renderer, screen.target, nullptr, &where);
  SDL_RenderPresent(screen.renderer);
  SDL_SetRenderTarget(screen.renderer, screen.target);
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

void ForgetPicture(Picture& picture) {
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

void ToggleFullscreen(MediaDevice& device) {
  WindowScreen& screen = device.windowed;
  screen.fullscreen = !screen.fullscreen;
  if (screen.fullscreen) {
    // Cover the desktop first: without a window manager the window keeps the size it has.
    const SDL_Rect desktop = DesktopBounds(screen.window);
    SDL_SetWindowSize(screen.window, desktop.w, desktop.h);
    SDL_SetWindowPosition(screen.window, desktop.x, desktop.y);
    SDL_SetWindowFullscreen(screen.window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    return;
  }
  SDL_SetWindowFullscreen(screen.window, 0);
  SDL_SetWindowSize(screen.window, kScreenWidth, kScreenHeight);
  SDL_SetWindowPosition(screen.window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

void WindowToScreen(MediaDevice& device, int windowX, int windowY, int& x, int& y) {
  int windowWidth = kScreenWidth;
  int windowHeight = kScreenHeight;
  SDL_GetWindowSize(device.windowed.window, &windowWidth, &windowHeight);
  // The drawable's size, not the renderer's: the renderer reports its bound target texture.
  int drawableWidth = windowWidth;
  int drawableHeight = windowHeight;
  SDL_GetWindowSizeInPixels(device.windowed.window, &drawableWidth, &drawableHeight);
  const ScreenPoint point = WindowPointToScreen(windowWidth, windowHeight, drawableWidth,
                                                drawableHeight, windowX, windowY);
  x = point.x;
  y = point.y;
}

}  // namespace

const MediaBackend kWindowedBackend{
    .openScreen = OpenWindow,
    .closeScreen = CloseWindow,
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
    .toggleFullscreen = ToggleFullscreen,
    .windowToScreen = WindowToScreen,
};
