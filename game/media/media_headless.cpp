// The headless back end: the screen is an off-screen 1024 x 768 frame drawn by the CPU, so that
// tests and scripted runs need no display and can read every pixel. No frame cap.

#include <algorithm>

#include "game/media/media_backend.h"

namespace {

bool OpenFrame(MediaDevice& device, int width, int height) {
  device.rendererName = "CPU (headless)";
  return OpenCpuFrame(device.cpu, width, height, DrawThreadCount());
}

void CloseFrame(MediaDevice& device) {
  CloseCpuFrame(device.cpu);
}

void Present(MediaDevice& device) {
  FlushCpuFrame(device.cpu);
}

void ApplyFilter(MediaDevice&) {}  // read at every draw

// No window: only the choice is kept, for the window a later OpenScreen makes.
void ToggleFullscreen(MediaDevice& device) {
  device.windowed.fullscreen = !device.windowed.fullscreen;
}

void WindowToScreen(MediaDevice&, int windowX, int windowY, int& x, int& y) {
  x = std::clamp(windowX, 0, kScreenWidth - 1);
  y = std::clamp(windowY, 0, kScreenHeight - 1);
}

}  // namespace

const MediaBackend kHeadlessBackend{
    .openScreen = OpenFrame,
    .closeScreen = CloseFrame,
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
    .toggleFullscreen = ToggleFullscreen,
    .windowToScreen = WindowToScreen,
};
