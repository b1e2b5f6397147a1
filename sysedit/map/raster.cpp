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

// Narrows a long line to the part near the canvas so that stepping stays cheap; returns false
// when nothing of it can be visible.
bool ClipLongLine(const Canvas& canvas, long long& x0, long long& y0, long long x1, long long y1) {
  const long long margin = 2;
  const long long minX = -margin, minY = -margin;
  const long long maxX = canvas.width + margin, maxY = canvas.height + margin;
  if ((x0 < minX && x1 < minX) || (x0 > maxX && x1 > maxX) || (y0 < minY && y1 < minY) ||
      (y0 > maxY && y1 > maxY)) {
    return false;
  }
  const long long steps = std::max(std::llabs(x1 - x0), std::llabs(y1 - y0));
  if (steps <= 4 * (canvas.width + canvas.height)) return true;
  // Liang-Barsky entry parameter; start the stepping a little before it.
  const double dx = static_cast<double>(x1 - x0), dy = static_cast<double>(y1 - y0);
  double t0 = 0.0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {static_cast<double>(x0 - minX), static_cast<double>(maxX - x0),
                       static_cast<double>(y0 - minY), static_cast<double>(maxY - y0)};
  for (int i = 0; i < 4; ++i) {
    if (p[i] < 0) t0 = std::max(t0, q[i] / p[i]);
  }
  x0 += static_cast<long long>(std::floor(t0 * dx));
  y0 += static_cast<long long>(std::floor(t0 * dy));
  return true;
}

}  // namespace

void DrawLine(Canvas& canvas, long long x0, long long y0, long long x1, long long y1,
              uint32_t colour) {
  if (!ClipLongLine(canvas, x0, y0, x1, y1)) return;
  const long long dx = std::llabs(x1 - x0), dy = -std::llabs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  long long error = dx + dy;
  const long long limit = 4LL * (canvas.width + canvas.height) + std::max(dx, -dy);
  for (long long step = 0; step < limit && (x0 != x1 || y0 != y1); ++step) {
    if (x0 >= 0 && y0 >= 0 && x0 < canvas.width && y0 < canvas.height) {
      canvas.pixels[y0 * canvas.stride + x0] = colour;
    }
    const long long doubled = 2 * error;
    if (doubled >= dy) {
      error += dy;
      x0 += sx;
    }
    if (doubled <= dx) {
      error += dx;
      y0 += sy;
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
