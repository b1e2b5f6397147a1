// The CPU window back end, for renderers without a graphics card (SDL's own software renderer,
// OpenGL on Mesa's llvmpipe or softpipe): the CPU draws the frame as when headless, and the
// renderer only shows it, one streaming texture upload a flip.

#include "game/media/media_backend.h"

namespace {

bool OpenCpuWindow(MediaDevice& device, int width, int height) {
  WindowScreen& screen = device.windowed;
  screen.streaming = SDL_CreateTexture(screen.renderer, SDL_PIXELFORMAT_ARGB8888,
                                       SDL_TEXTUREACCESS_STREAMING, width, height);
  if (!screen.streaming) return false;
  SDL_SetTextureBlendMode(screen.streaming, SDL_BLENDMODE_NONE);
  return OpenCpuFrame(device.cpu, width, height, DrawThreadCount());
}

void CloseCpuWindow(MediaDevice& device) {
  CloseCpuFrame(device.cpu);
  CloseWindowAndRenderer(device);
}

void Present(MediaDevice& device) {
  FlushCpuFrame(device.cpu);
  SDL_Surface* frame = device.cpu.surface;
  if (!frame) return;
  SDL_UpdateTexture(device.windowed.streaming, nullptr, frame->pixels, frame->pitch);
  ShowLetterboxed(device.windowed, device.windowed.streaming);
}

void ApplyFilter(MediaDevice&) {}  // read at every draw

}  // namespace

const MediaBackend kCpuWindowBackend{
    .openScreen = OpenCpuWindow,
    .closeScreen = CloseCpuWindow,
    .clear = CpuClear,
    .present = Present,
    .readPixels = CpuReadPixels,
    .drawPicture = CpuDrawPicture,
    .fillBox = CpuFillBoxOnFrame,
    .drawLine = CpuDrawLineOnFrame,
    .drawText = CpuDrawText,
    .drawQuad = CpuDrawQuad,
    .forgetPicture = CpuForgetPicture,
    .applyFilter = ApplyFilter,
    .toggleFullscreen = ToggleWindowFullscreen,
    .windowToScreen = WindowPointToScreen,
};
