// The headless back end: the screen is an off-screen 1024 x 768 surface drawn by the CPU, so
// that tests and scripted runs need no display and can read every pixel. No frame cap.

#include <emmintrin.h>

#include <algorithm>

#include "game/media/cpu_drawing.h"
#include "game/media/media_backend.h"
#include "game/media/soft_quads.h"

namespace {

bool OpenFrame(MediaDevice& device, int width, int height) {
  device.headlessFrame =
      SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
  return device.headlessFrame != nullptr;
}

void CloseFrame(MediaDevice& device) {
  if (device.headlessFrame) SDL_FreeSurface(device.headlessFrame);
  device.headlessFrame = nullptr;
}

void Clear(MediaDevice& device, int colour) {
  SDL_Surface* frame = device.headlessFrame;
  if (!frame) return;
  // Plain stores: SDL_FillRect streams past the cache, and every draw of the frame that follows
  // would then wait for memory.
  auto* pixels = static_cast<__m128i*>(frame->pixels);  // SDL aligns surface pixels
  const __m128i four = _mm_set1_epi32(static_cast<int>(PixelOfColour(colour)));
  const size_t blocks = static_cast<size_t>(frame->pitch) * frame->h / sizeof(__m128i);
  for (size_t i = 0; i < blocks; ++i) _mm_store_si128(pixels + i, four);
}

void Present(MediaDevice&) {}

void ReadPixels(MediaDevice& device, const SDL_Rect& rect, SDL_Surface* into) {
  if (!device.headlessFrame) return;
  SDL_Rect source = rect;
  SDL_BlitSurface(device.headlessFrame, &source, into, nullptr);
}

void DrawPicture(MediaDevice& device, Picture& picture, const SDL_Rect& source, int x, int y,
                 bool keyed) {
  if (device.headlessFrame) CpuBlit(picture, source, device.headlessFrame, x, y, keyed);
}

void FillBox(MediaDevice& device, const SDL_Rect& box, int colour) {
  if (device.headlessFrame) CpuFillBox(device.headlessFrame, box, colour);
}

void DrawLine(MediaDevice& device, int x1, int y1, int x2, int y2, int colour) {
  if (device.headlessFrame) CpuDrawLine(device.headlessFrame, x1, y1, x2, y2, colour);
}

void DrawText(MediaDevice& device, SDL_Surface* glyphs, int x, int y) {
  if (device.headlessFrame) CpuBlendGlyphs(glyphs, device.headlessFrame, x, y);
}

void DrawQuad(MediaDevice& device, Picture& picture, const std::array<SDL_FPoint, 4>& corners,
              int alpha) {
  if (!device.headlessFrame) return;
  const int w = picture.surface->w;
  const int h = picture.surface->h;
  if (picture.paddedStale) {
    picture.paddedPixels = PadWithEdges(KeyedPixels(picture).data(), w, h);
    picture.paddedStale = false;
  }
  const SoftTexture texture{w, h, picture.paddedPixels.data() + (w + 2) + 1, w + 2};
  DrawSoftQuad(device.headlessFrame, texture, corners, alpha, device.blend == BlendMode::kAdditive,
               device.filtered);
}

void ForgetPicture(Picture&) {}

void ApplyFilter(MediaDevice&) {}  // read at every draw

void ToggleFullscreen(MediaDevice&) {}

void WindowToScreen(MediaDevice&, int windowX, int windowY, int& x, int& y) {
  x = std::clamp(windowX, 0, kScreenWidth - 1);
  y = std::clamp(windowY, 0, kScreenHeight - 1);
}

}  // namespace

const MediaBackend kHeadlessBackend{
    .openScreen = OpenFrame,
    .closeScreen = CloseFrame,
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
