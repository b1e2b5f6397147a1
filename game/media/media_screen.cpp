// The screen: a 1024 x 768 frame, drawn into an off-screen surface when headless and into a
// target texture shown letterboxed in a window otherwise, so that the logical screen is the same
// size everywhere and a grab always reads 1024 x 768 pixels.

#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <emmintrin.h>

#include <algorithm>
#include <cstdlib>

#include "game/media/media_internal.h"

bool InitVideo(Media& media, bool headless) {
  media.headless = headless;
  if (headless) {
    // Without explicit drivers SDL probes real devices and audio start-up fails on servers.
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
  }
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  return SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) == 0;
}

bool OpenScreen(Media& media, int width, int height, int /*depth*/) {
  if (media.headless) {
    media.device->headlessScreen =
        SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    return media.device->headlessScreen != nullptr;
  }
  Uint32 flags = media.device->fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0;
  media.device->window = SDL_CreateWindow("Velmarith", SDL_WINDOWPOS_CENTERED,
                                          SDL_WINDOWPOS_CENTERED, width, height, flags);
  if (!media.device->window) return false;
  media.device->renderer = SDL_CreateRenderer(media.device->window, -1, SDL_RENDERER_ACCELERATED);
  if (!media.device->renderer)
    media.device->renderer = SDL_CreateRenderer(media.device->window, -1, SDL_RENDERER_SOFTWARE);
  if (!media.device->renderer) return false;
  media.device->screenTarget = SDL_CreateTexture(media.device->renderer, SDL_PIXELFORMAT_ARGB8888,
                                                 SDL_TEXTUREACCESS_TARGET, width, height);
  if (!media.device->screenTarget) return false;
  SDL_SetRenderTarget(media.device->renderer, media.device->screenTarget);
  SDL_ShowCursor(SDL_DISABLE);  // the game draws its own pointer
  return true;
}

void ShutdownMedia(Media& media) {
  for (Picture& picture : media.device->pictures) {
    if (picture.texture) SDL_DestroyTexture(picture.texture);
    if (picture.surface) SDL_FreeSurface(picture.surface);
    picture = Picture{};
  }
  for (Mix_Chunk*& chunk : media.device->clips) {
    if (chunk) Mix_FreeChunk(chunk);
    chunk = nullptr;
  }
  if (media.device->audioOpen) Mix_CloseAudio();
  media.device->audioOpen = false;
  for (TTF_Font* font : media.device->fonts) TTF_CloseFont(font);
  media.device->fonts.clear();
  if (TTF_WasInit()) TTF_Quit();
  if (media.device->screenTarget) SDL_DestroyTexture(media.device->screenTarget);
  if (media.device->renderer) SDL_DestroyRenderer(media.device->renderer);
  if (media.device->window) SDL_DestroyWindow(media.device->window);
  if (media.device->headlessScreen) SDL_FreeSurface(media.device->headlessScreen);
  media.device->screenTarget = nullptr;
  media.device->renderer = nullptr;
  media.device->window = nullptr;
  media.device->headlessScreen = nullptr;
  SDL_Quit();
}

void SetFrameCap(Media& media, int framesPerSecond) {
  media.device->frameCap = framesPerSecond;
}

void ClearScreen(Media& media, int colour) {
  if (media.device->headlessScreen) {
    // Plain stores: SDL_FillRect streams past the cache, and every draw of the frame that
    // follows would then wait for memory.
    SDL_Surface* screen = media.device->headlessScreen;
    const Uint32 pixel =
        0xFF000000u | (Uint32(colour & 255) << 16) | (colour & 0xFF00) | ((colour >> 16) & 255);
    auto* pixels = static_cast<__m128i*>(screen->pixels);  // SDL aligns surface pixels
    const __m128i four = _mm_set1_epi32(static_cast<int>(pixel));
    const size_t blocks = static_cast<size_t>(screen->pitch) * screen->h / sizeof(__m128i);
    for (size_t i = 0; i < blocks; ++i) _mm_store_si128(pixels + i, four);
    return;
  }
  SDL_SetRenderDrawBlendMode(media.device->renderer, SDL_BLENDMODE_NONE);
  SDL_SetRenderDrawColor(media.device->renderer, colour & 255, (colour >> 8) & 255,
                         (colour >> 16) & 255, 255);
  SDL_RenderClear(media.device->renderer);
}

static void WaitForFrameSlot(Media& media) {
  if (media.headless || media.device->frameCap <= 0) return;
  const std::uint64_t slot = 1000 / media.device->frameCap;
  const std::uint64_t due = media.device->lastFlipTicks + slot;
  std::uint64_t now = SDL_GetTicks64();
  while (now < due) {
    SDL_Delay(static_cast<Uint32>(due - now));
    now = SDL_GetTicks64();
  }
  // A late frame starts a new schedule instead of rushing the following ones.
  media.device->lastFlipTicks = (now - due < slot) ? due : now;
}

// Where the 1024 x 768 frame lands in the window: as large as fits, centred, bars elsewhere.
static SDL_Rect LetterboxRect(SDL_Renderer* renderer) {
  int outputWidth = kScreenWidth;
  int outputHeight = kScreenHeight;
  SDL_GetRendererOutputSize(renderer, &outputWidth, &outputHeight);
  const double scale = std::min(static_cast<double>(outputWidth) / kScreenWidth,
                                static_cast<double>(outputHeight) / kScreenHeight);
  const int width = static_cast<int>(kScreenWidth * scale);
  const int height = static_cast<int>(kScreenHeight * scale);
  return SDL_Rect{(outputWidth - width) / 2, (outputHeight - height) / 2, width, height};
}

void FlipScreen(Media& media) {
  WaitForFrameSlot(media);
  media.device->framesShown += 1;
  if (media.device->screenTarget) {
    SDL_SetRenderTarget(media.device->renderer, nullptr);
    SDL_SetRenderDrawColor(media.device->renderer, 0, 0, 0, 255);
    SDL_RenderClear(media.device->renderer);
    const SDL_Rect target = LetterboxRect(media.device->renderer);
    SDL_RenderCopy(media.device->renderer, media.device->screenTarget, nullptr, &target);
    SDL_RenderPresent(media.device->renderer);
    SDL_SetRenderTarget(media.device->renderer, media.device->screenTarget);
  }
  PumpEvents(media);
}

void ToggleFullscreen(Media& media) {
  if (!media.device->window) return;
  media.device->fullscreen = !media.device->fullscreen;
  SDL_SetWindowFullscreen(media.device->window,
                          media.device->fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  if (!media.device->fullscreen) {
    SDL_SetWindowSize(media.device->window, kScreenWidth, kScreenHeight);
    SDL_SetWindowPosition(media.device->window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  }
}

// Converts a position in the window to the 1024 x 768 screen, clamped to it.
void WindowToScreen(Media& media, int windowX, int windowY, int& x, int& y) {
  if (!media.device->window) {
    x = windowX;
    y = windowY;
  } else {
    int windowWidth = kScreenWidth;
    int windowHeight = kScreenHeight;
    SDL_GetWindowSize(media.device->window, &windowWidth, &windowHeight);
    int outputWidth = windowWidth;
    int outputHeight = windowHeight;
    SDL_GetRendererOutputSize(media.device->renderer, &outputWidth, &outputHeight);
    // Mouse events arrive in window points; the letterbox is computed in output pixels.
    const double pixelsPerPoint = windowWidth > 0 ? double(outputWidth) / windowWidth : 1.0;
    const SDL_Rect box = LetterboxRect(media.device->renderer);
    x = static_cast<int>((windowX * pixelsPerPoint - box.x) * kScreenWidth / std::max(box.w, 1));
    y = static_cast<int>((windowY * pixelsPerPoint - box.y) * kScreenHeight / std::max(box.h, 1));
  }
  x = std::clamp(x, 0, kScreenWidth - 1);
  y = std::clamp(y, 0, kScreenHeight - 1);
}

void GrabScreen(Media& media, int picture, int x, int y, int w, int h) {
  if (!ValidPictureNumber(picture) || w <= 0 || h <= 0) return;
  SDL_Surface* surface = NewPictureSurface(w, h);
  if (!surface) return;
  const SDL_Rect rect{x, y, w, h};
  if (media.device->headlessScreen) {
    SDL_BlitSurface(media.device->headlessScreen, &rect, surface, nullptr);
  } else {
    SDL_RenderReadPixels(media.device->renderer, &rect, SDL_PIXELFORMAT_ARGB8888, surface->pixels,
                         surface->pitch);
  }
  StorePicture(media, picture, surface);
}

bool SavePicture(Media& media, int picture, const std::string& file) {
  if (!PictureExists(media, picture)) return false;
  // A plain 24-bit Windows bitmap, readable everywhere.
  SDL_Surface* rgb =
      SDL_ConvertSurfaceFormat(media.device->pictures[picture].surface, SDL_PIXELFORMAT_BGR24, 0);
  if (!rgb) return false;
  const bool saved = SDL_SaveBMP(rgb, file.c_str()) == 0;
  SDL_FreeSurface(rgb);
  return saved;
}

int ReadScreenPixel(Media& media, int x, int y) {
  if (x < 0 || y < 0 || x >= kScreenWidth || y >= kScreenHeight) return 0;
  Uint32 pixel = 0;
  if (media.device->headlessScreen) {
    const auto* row = static_cast<const unsigned char*>(media.device->headlessScreen->pixels) +
                      y * media.device->headlessScreen->pitch;
    pixel = reinterpret_cast<const Uint32*>(row)[x];
  } else {
    const SDL_Rect rect{x, y, 1, 1};
    SDL_RenderReadPixels(media.device->renderer, &rect, SDL_PIXELFORMAT_ARGB8888, &pixel, 4);
  }
  return MakeColour((pixel >> 16) & 255, (pixel >> 8) & 255, pixel & 255);
}

void SleepMs(const Media& media, int milliseconds) {
  if (media.headless || milliseconds <= 0) return;  // headless runs as fast as it can
  SDL_Delay(static_cast<Uint32>(milliseconds));
}

std::uint64_t TickMs() {
  return SDL_GetTicks64();
}

void ShowErrorBox(const Media& media, const std::string& title, const std::string& text) {
  if (media.headless) return;
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), media.device->window);
}

Media::Media() : device(std::make_unique<MediaDevice>()) {}
Media::~Media() = default;
