#pragma once

// The two ways the screen exists: headless (an off-screen frame drawn by the CPU, for tests and
// scripted runs) and windowed (an SDL renderer drawing into a 1024 x 768 target texture that is
// shown letterboxed). OpenScreen chooses one; the operations in media_*.cpp call through it for
// everything that touches the screen. Drawing into pictures (DrawInto) is CPU work for both.

#include <SDL.h>

#include <array>
#include <string>

#include "game/media/media_internal.h"

struct MediaBackend {
  bool (*openScreen)(MediaDevice& device, int width, int height);
  void (*closeScreen)(MediaDevice& device);
  void (*clear)(MediaDevice& device, int colour);
  void (*present)(MediaDevice& device);  // shows the finished frame, paced to the frame cap
  // Copies a rectangle of the frame into a surface of its size (parts outside stay as they are).
  void (*readPixels)(MediaDevice& device, const SDL_Rect& rect, SDL_Surface* into);
  void (*drawPicture)(MediaDevice& device, Picture& picture, const SDL_Rect& source, int x, int y,
                      bool keyed);
  void (*fillBox)(MediaDevice& device, const SDL_Rect& box, int colour);
  void (*drawLine)(MediaDevice& device, int x1, int y1, int x2, int y2, int colour);
  void (*drawText)(MediaDevice& device, SDL_Surface* glyphs, int x, int y);  // ARGB, alpha edges
  // The picture mapped onto four screen corners with alpha 1..255, in the device's blend mode.
  void (*drawQuad)(MediaDevice& device, Picture& picture, const std::array<SDL_FPoint, 4>& corners,
                   int alpha);
  // Before a picture's surface or key colour changes or it is freed: pending drawing that may
  // use it is done, and what the back end made of it is dropped.
  void (*forgetPicture)(MediaDevice& device, Picture& picture);
  void (*applyFilter)(MediaDevice& device);  // after the device's filter setting changed
  void (*toggleFullscreen)(MediaDevice& device);
  // A position from a mouse event (window points) on the 1024 x 768 screen, clamped to it.
  void (*windowToScreen)(MediaDevice& device, int windowX, int windowY, int& x, int& y);
};

extern const MediaBackend kHeadlessBackend;
extern const MediaBackend kWindowedBackend;   // the renderer draws (a graphics card)
extern const MediaBackend kCpuWindowBackend;  // the CPU draws, the renderer only shows the frame

// The drawing operations of the CPU-drawn frame, shared by the headless and the CPU window back
// ends (media_cpu_drawing.cpp).
void CpuClear(MediaDevice& device, int colour);
void CpuReadPixels(MediaDevice& device, const SDL_Rect& rect, SDL_Surface* into);
void CpuDrawPicture(MediaDevice& device, Picture& picture, const SDL_Rect& source, int x, int y,
                    bool keyed);
void CpuFillBoxOnFrame(MediaDevice& device, const SDL_Rect& box, int colour);
void CpuDrawLineOnFrame(MediaDevice& device, int x1, int y1, int x2, int y2, int colour);
void CpuDrawText(MediaDevice& device, SDL_Surface* glyphs, int x, int y);
void CpuDrawQuad(MediaDevice& device, Picture& picture, const std::array<SDL_FPoint, 4>& corners,
                 int alpha);
void CpuForgetPicture(MediaDevice& device, Picture& picture);

// What both window back ends share (media_window.cpp). The window opens with its renderer; the
// back end chosen then makes its textures.
bool OpenWindowAndRenderer(MediaDevice& device, int width, int height);
void CloseWindowAndRenderer(MediaDevice& device);
// Whether the renderer draws on the processor; `name` says what it is.
bool RendererDrawsInSoftware(SDL_Renderer* renderer, std::string& name);
// Shows the 1024 x 768 frame letterboxed in the window, paced to the frame cap.
void ShowLetterboxed(WindowScreen& screen, SDL_Texture* frame);
void ToggleWindowFullscreen(MediaDevice& device);
void WindowPointToScreen(MediaDevice& device, int windowX, int windowY, int& x, int& y);
