#include "sysedit/map/raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

void FillCanvas(Canvas& canvas, uint32_t colour) {
  for (int y = 0; y < canvas.height; ++y) {
    std::fill_n(canvas.pixels + static_cast<long>(y) * canvas.stride, canvas.width, colour);
  }
}

void PutPixel(Canvas& canvas, int x, int y, uint32_t colour) {
  if (x < 0 || y < 0 || x >= canvas.width || y >= canvas.height) return;
  canvas.pixels[static_cast<long>(y) * canvas.stride + x] = colour;
}

void HorizontalRun(Canvas& canvas, int x0, int x1, int y, uint32_t colour) {
  if (y < 0 || y >= canvas.height) return;
  x0 = std::max(x0, 0);
  x1 = std::min(x1, canvas.width - 1);
  if (x0 > x1) return;
  std::fill(canvas.pixels + static_cast<long>(y) * canvas.stride + x0,
            canvas.pixels + static_cast<long>(y) * canvas.stride + x1 + 1, colour);
}

void VerticalRun(Canvas& canvas, int x, int y0, int y1, uint32_t colour) {
  if (x < 0 || x >= canvas.width) return;
  y0 = std::max(y0, 0);
  y1 = std::min(y1, canvas.height - 1);
  for (int y = y0; y <= y1; ++y) canvas.pixels[static_cast<long>(y) * canvas.stride + x] = colour;
}

namespace {

// Products of two line extents (each up to about 2^38 pixels for the longest route at the
// closest zoom) overflow 64 bits.
__extension__ typedef __int128 WideInt;

}  // namespace

// The step-by-step walk from (x0, y0) towards (x1, y1) advances the longer axis by one pixel per
// step and the shorter one when its error term says so; after k steps the shorter axis has moved
// floor((2 minor k + major) / (2 major)) pixels (halves away from the start). So each step's pixel
// is known on its own, and only the steps whose longer-axis coordinate lies on the canvas are
// visited: at most one per row or column, whatever the line's length.
void DrawLine(Canvas& canvas, long long x0, long long y0, long long x1, long long y1,
              uint32_t colour) {
  const long long spanX = x1 > x0 ? x1 - x0 : x0 - x1;
  const long long spanY = y1 > y0 ? y1 - y0 : y0 - y1;
  const bool alongX = spanX >= spanY;
  const long long major = alongX ? spanX : spanY;
  const long long minor = alongX ? spanY : spanX;
  if (major == 0) return;  // the end point itself is never drawn
  const int majorStep = (alongX ? x0 < x1 : y0 < y1) ? 1 : -1;
  const int minorStep = (alongX ? y0 < y1 : x0 < x1) ? 1 : -1;
  const long long majorStart = alongX ? x0 : y0, minorStart = alongX ? y0 : x0;
  const long long majorSize = alongX ? canvas.width : canvas.height;

  // Steps k in 0..major-1 whose longer-axis coordinate majorStart + majorStep k is on the canvas.
  long long first = majorStep > 0 ? -majorStart : majorStart - (majorSize - 1);
  long long last = majorStep > 0 ? majorSize - 1 - majorStart : majorStart;
  first = std::max(first, 0LL);
  last = std::min(last, major - 1);
  for (long long k = first; k <= last; ++k) {
    const WideInt moved = (WideInt(2) * minor * k + major) / (WideInt(2) * major);
    const long long along = majorStart + majorStep * k;
    const long long across = minorStart + minorStep * static_cast<long long>(moved);
    const long long x = alongX ? along : across, y = alongX ? across : along;
    if (x >= 0 && y >= 0 && x < canvas.width && y < canvas.height) {
      canvas.pixels[y * canvas.stride + x] = colour;
    }
  }
}

namespace {

// Half-width of the disk's row dy, or -1 when the row lies outside it.
int DiskHalfWidth(int radius, int dy) {
  const long long rest =
      static_cast<long long>(radius) * radius + radius - static_cast<long long>(dy) * dy;
  if (rest < 0) return -1;
  long long w = static_cast<long long>(std::sqrt(static_cast<double>(rest)));
  while (w * w > rest) --w;
  while ((w + 1) * (w + 1) <= rest) ++w;
  return static_cast<int>(w);
}

}  // namespace

void FillCircle(Canvas& canvas, int cx, int cy, int radius, uint32_t colour) {
  if (radius < 0) return;
  const int top = std::max(-radius, -cy), bottom = std::min(radius, canvas.height - 1 - cy);
  for (int dy = top; dy <= bottom; ++dy) {
    const int w = DiskHalfWidth(radius, dy);
    HorizontalRun(canvas, cx - w, cx + w, cy + dy, colour);
  }
}

void CircleOutline(Canvas& canvas, int cx, int cy, int radius, uint32_t colour) {
  if (radius < 0) return;
  const int top = std::max(-radius, -cy), bottom = std::min(radius, canvas.height - 1 - cy);
  for (int dy = top; dy <= bottom; ++dy) {
    const int w = DiskHalfWidth(radius, dy);
    // Inside the outline are the pixels whose four neighbours all lie in the disk.
    const int inner =
        std::min({w - 1, DiskHalfWidth(radius, dy - 1), DiskHalfWidth(radius, dy + 1)});
    if (inner < 0) {
      HorizontalRun(canvas, cx - w, cx + w, cy + dy, colour);
    } else {
      HorizontalRun(canvas, cx - w, cx - inner - 1, cy + dy, colour);
      HorizontalRun(canvas, cx + inner + 1, cx + w, cy + dy, colour);
    }
  }
}

void FillRect(Canvas& canvas, int x, int y, int width, int height, uint32_t colour) {
  for (int row = std::max(y, 0); row < std::min(y + height, canvas.height); ++row) {
    HorizontalRun(canvas, x, x + width - 1, row, colour);
  }
}

void RectOutline(Canvas& canvas, int x, int y, int width, int height, uint32_t colour) {
  if (width <= 0 || height <= 0) return;
  HorizontalRun(canvas, x, x + width - 1, y, colour);
  HorizontalRun(canvas, x, x + width - 1, y + height - 1, colour);
  VerticalRun(canvas, x, y, y + height - 1, colour);
  VerticalRun(canvas, x + width - 1, y, y + height - 1, colour);
}
