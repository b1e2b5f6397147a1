// What both window back ends share: the window and its renderer, the letterboxed flip paced to
// the frame cap, the switch between full screen and a window, the mouse mapping, and the test
// whether the renderer draws on a graphics card at all.

#include <algorithm>
#include <cctype>

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

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

bool OpenWindowAndRenderer(MediaDevice& device, int width, int height) {
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
  SDL_ShowCursor(SDL_DISABLE);  // the game draws its own pointer
  return true;
}

void CloseWindowAndRenderer(MediaDevice& device) {
  WindowScreen& screen = device.windowed;
  if (screen.target) SDL_DestroyTexture(screen.target);
  if (screen.streaming) SDL_DestroyTexture(screen.streaming);
  if (screen.renderer) SDL_DestroyRenderer(screen.renderer);
  if (screen.window) SDL_DestroyWindow(screen.window);
  screen.target = nullptr;
  screen.streaming = nullptr;
  screen.renderer = nullptr;
  screen.window = nullptr;
}

bool RendererDrawsInSoftware(SDL_Renderer* renderer, std::string& name) {
  SDL_RendererInfo info{};
  if (SDL_GetRendererInfo(renderer, &info) != 0) return false;
  name = info.name ? info.name : "?";
  if ((info.flags & SDL_RENDERER_SOFTWARE) || name == "software") return true;
  if (name.rfind("opengl", 0) != 0 || !SDL_GL_GetCurrentContext()) return false;
  // OpenGL without a graphics card is Mesa drawing on the processor; its renderer string says so.
  using GetString = const unsigned char* (*)(unsigned);
  const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  const unsigned char* text = getString ? getString(0x1F01 /* GL_RENDERER */) : nullptr;
  if (!text) return false;
  const std::string glRenderer = reinterpret_cast<const char*>(text);
  name += " on " + glRenderer;
  const std::string lower = Lower(glRenderer);
  for (const char* software : {"llvmpipe", "softpipe", "software rasterizer", "swrast"}) {
    if (lower.find(software) != std::string::npos) return true;
  }
  return false;
}

void ShowLetterboxed(WindowScreen& screen, SDL_Texture* frame) {
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
  SDL_RenderCopy(screen.renderer, frame, nullptr, &where);
  SDL_RenderPresent(screen.renderer);
}

void ToggleWindowFullscreen(MediaDevice& device) {
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

void WindowPointToScreen(MediaDevice& device, int windowX, int windowY, int& x, int& y) {
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
