#pragma once

// Pixel-exact drawing into a 32-bit image, clipped to its bounds. The map's shapes are defined
// by these rules (not by a painter's anti-aliasing), so tests can name the pixels they expect.

#include <cstdint>

struct Canvas {
  uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;  // pixels per row
};

void FillCanvas(Canvas& canvas, uint32_t colour);
void PutPixel(Canvas& canvas, int x, int y, uint32_t colour);
// Pixels x0..x1 (inclusive) of row y, and y0..y1 of column x.
void HorizontalRun(Canvas& canvas, int x0, int x1, int y, uint32_t colour);
void VerticalRun(Canvas& canvas, int x, int y0, int y1, uint32_t colour);
// From (x0, y0) towards (x1, y1); the end point itself is not drawn. Only the part over the
// canvas is walked, so a line of any length costs at most one step per row or column.
void DrawLine(Canvas& canvas, long long x0, long long y0, long long x1, long long y1,
              uint32_t colour);
// The disk of the pixels with dx^2 + dy^2 <= r^2 + r; radius 0 is the single centre pixel.
void FillCircle(Canvas& canvas, int cx, int cy, int radius, uint32_t colour);
// The pixels of that disk that have a 4-neighbour outside it.
void CircleOutline(Canvas& canvas, int cx, int cy, int radius, uint32_t colour);
void FillRect(Canvas& canvas, int x, int y, int width, int height, uint32_t colour);
// The border pixels of the rectangle x..x+width-1, y..y+height-1.
void RectOutline(Canvas& canvas, int x, int y, int width, int height, uint32_t colour);
