#pragma once

// Where the 1024 x 768 picture sits in a window of another size, and which picture pixel a
// window position falls on. Pure arithmetic, so that every desktop size can be checked.

// A rectangle in output pixels.
struct PictureBox {
  int x;
  int y;
  int width;
  int height;
};

// The picture as large as fits into an output of the given pixel size, centred, with black bars
// on the other axis.
PictureBox LetterboxIn(int outputWidth, int outputHeight);

struct ScreenPoint {
  int x;
  int y;
};

// A window position in window points (what mouse events report) on the picture, clamped to it.
// The drawable is the window's size in pixels: larger than its size in points on HiDPI displays.
ScreenPoint WindowPointToScreen(int windowWidth, int windowHeight, int drawableWidth,
                                int drawableHeight, int windowX, int windowY);
