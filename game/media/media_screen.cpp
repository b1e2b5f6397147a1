// The screen: start-up and shut-down of the platform, and the frame operations, which go to the
// back end that OpenScreen chose (media_headless.cpp, media_windowed.cpp).

#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "game/media/cpu_drawing.h"
#include "game/media/media_backend.h"

bool InitVideo(Media& media, bool headless) {
  media.headless = headless;
  if (headless) {
    // Without explicit drivers SDL probes real devices and audio start-up fails on servers.
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
  }
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) return false;
  if (!headless) OpenGamepads();  // a game without pads plays on keys and mouse alone
  return true;
}

namespace {

RendererChoice ChoiceFromEnvironment(RendererChoice choice) {
  const char* text = std::getenv("VELMARITH_RENDERER");
  if (RendererChoiceFromEnvironment(choice) || !text || !*text) return choice;
  std::fprintf(stderr, "VELMARITH_RENDERER must be auto, cpu or gpu, not \"%s\"\n", text);
  return choice;
}

}  // namespace

bool RendererChoiceFromEnvironment(RendererChoice& choice) {
  const char* text = std::getenv("VELMARITH_RENDERER");
  if (!text) return false;
  for (const RendererChoice named :
       {RendererChoice::kAuto, RendererChoice::kCpu, RendererChoice::kGpu}) {
    if (std::string_view(text) == RendererChoiceName(named)) {
      choice = named;
      return true;
    }
  }
  return false;
}

const char* RendererChoiceName(RendererChoice choice) {
  switch (choice) {
    case RendererChoice::kCpu:
      return "cpu";
    case RendererChoice::kGpu:
      return "gpu";
    case RendererChoice::kAuto:
      break;
  }
  return "auto";
}

bool OpenScreen(Media& media, int width, int height, int /*depth*/, RendererChoice choice) {
  MediaDevice& device = *media.device;
  device.backend->closeScreen(device);
  device.backend = &kHeadlessBackend;
  if (media.headless) return device.backend->openScreen(device, width, height);
  if (!OpenWindowAndRenderer(device, width, height)) {
    CloseWindowAndRenderer(device);
    return false;
  }
  std::string name;
  const bool software = RendererDrawsInSoftware(device.windowed.renderer, name);
  choice = ChoiceFromEnvironment(choice);
  const bool cpu = choice == RendererChoice::kCpu || (choice == RendererChoice::kAuto && software);
  device.backend = cpu ? &kCpuWindowBackend : &kWindowedBackend;
  device.rendererName = cpu ? "CPU in a window on " + name : name;
  return device.backend->openScreen(device, width, height);
}

std::string ScreenRendererName(const Media& media) {
  return media.device->rendererName;
}

void ShutdownMedia(Media& media) {
  MediaDevice& device = *media.device;
  for (Picture& picture : device.pictures) FreePicture(device, picture);
  for (Mix_Chunk*& chunk : device.clips) {
    if (chunk) Mix_FreeChunk(chunk);
    chunk = nullptr;
  }
  if (device.audioOpen) Mix_CloseAudio();
  device.audioOpen = false;
  for (TTF_Font* font : device.fonts) TTF_CloseFont(font);
  device.fonts.clear();
  if (TTF_WasInit()) TTF_Quit();
  device.backend->closeScreen(device);
  device.backend = &kHeadlessBackend;
  CloseGamepad(device.input.pad);
  SDL_Quit();
}

void SetFrameCap(Media& media, int framesPerSecond) {
  media.device->windowed.frameCap = framesPerSecond;
}

void ClearScreen(Media& media, int colour) {
  media.device->backend->clear(*media.device, colour);
}

void FlipScreen(Media& media) {
  media.device->framesShown += 1;
  media.device->backend->present(*media.device);
  PumpEvents(media);
}

void ToggleFullscreen(Media& media) {
  media.device->backend->toggleFullscreen(*media.device);
}

void SetFullscreen(Media& media, bool on) {
  if (IsFullscreen(media) != on) ToggleFullscreen(media);
}

bool IsFullscreen(const Media& media) {
  return media.device->windowed.fullscreen;
}

void GrabScreen(Media& media, int picture, int x, int y, int w, int h) {
  if (!ValidPictureNumber(picture) || w <= 0 || h <= 0) return;
  SDL_Surface* surface = NewPictureSurface(w, h);
  if (!surface) return;
  media.device->backend->readPixels(*media.device, SDL_Rect{x, y, w, h}, surface);
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
  SDL_Surface* pixel = NewPictureSurface(1, 1);
  if (!pixel) return 0;
  media.device->backend->readPixels(*media.device, SDL_Rect{x, y, 1, 1}, pixel);
  const int colour = ColourOfPixel(*static_cast<const Uint32*>(pixel->pixels));
  SDL_FreeSurface(pixel);
  return colour;
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
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(),
                           media.device->windowed.window);
}

MediaDevice::MediaDevice() : backend(&kHeadlessBackend) {}

Media::Media() : device(std::make_unique<MediaDevice>()) {}
Media::~Media() = default;
