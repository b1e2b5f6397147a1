#include "tools/mkassets/image.h"

#include <algorithm>
#include <cmath>

Image MakeImage(int width, int height, Rgba fill) {
  Image image;
  image.width = width;
  image.height = height;
  image.pixels.assign(static_cast<size_t>(width) * height, fill);
  return image;
}

Rgba Mix(Rgba a, Rgba b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
          a.a + (b.a - a.a) * t};
}

Rgba Scale(Rgba c, float k) {
  return {c.r * k, c.g * k, c.b * k, c.a};
}

Rgba Rgb(int r, int g, int b, float a) {
  return {r / 255.0f, g / 255.0f, b / 255.0f, a};
}

float Clamp01(float v) {
  return v < 0 ? 0 : (v > 1 ? 1 : v);
}

float SmoothStep(float edge0, float edge1, float v) {
  float t = Clamp01((v - edge0) / (edge1 - edge0));
  return t * t * (3 - 2 * t);
}

void AddLight(Image& image, int x, int y, Rgba colour, float weight) {
  if (x < 0 || y < 0 || x >= image.width || y >= image.height) return;
  Rgba& p = At(image, x, y);
  p.r += colour.r * weight;
  p.g += colour.g * weight;
  p.b += colour.b * weight;
  p.a = std::max(p.a, Clamp01(weight * colour.a));
}

void BlendOver(Image& image, int x, int y, Rgba c) {
  if (x < 0 || y < 0 || x >= image.width || y >= image.height || c.a <= 0) return;
  Rgba& p = At(image, x, y);
  float a = Clamp01(c.a);
  float outA = a + p.a * (1 - a);
  if (outA <= 0) return;
  p.r = (c.r * a + p.r * p.a * (1 - a)) / outA;
  p.g = (c.g * a + p.g * p.a * (1 - a)) / outA;
  p.b = (c.b * a + p.b * p.a * (1 - a)) / outA;
  p.a = outA;
}

void AddGlow(Image& image, float cx, float cy, float radius, Rgba colour, float power) {
  int x0 = std::max(0, static_cast<int>(std::floor(cx - radius)));
  int x1 = std::min(image.width - 1, static_cast<int>(std::ceil(cx + radius)));
  int y0 = std::max(0, static_cast<int>(std::floor(cy - radius)));
  int y1 = std::min(image.height - 1, static_cast<int>(std::ceil(cy + radius)));
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
      float d = std::sqrt(dx * dx + dy * dy) / radius;
      if (d >= 1) continue;
      AddLight(image, x, y, colour, std::pow(1 - d, power));
    }
  }
}

void FillDisc(Image& image, float cx, float cy, float radius, Rgba colour) {
  int x0 = std::max(0, static_cast<int>(std::floor(cx - radius - 1)));
  int x1 = std::min(image.width - 1, static_cast<int>(std::ceil(cx + radius + 1)));
  int y0 = std::max(0, static_cast<int>(std::floor(cy - radius - 1)));
  int y1 = std::min(image.height - 1, static_cast<int>(std::ceil(cy + radius + 1)));
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
      float cover = Clamp01(radius - std::sqrt(dx * dx + dy * dy) + 0.5f);
      if (cover > 0) BlendOver(image, x, y, {colour.r, colour.g, colour.b, colour.a * cover});
    }
  }
}

void FillRect(Image& image, int x, int y, int w, int h, Rgba colour) {
  for (int yy = std::max(0, y); yy < std::min(image.height, y + h); ++yy)
    for (int xx = std::max(0, x); xx < std::min(image.width, x + w); ++xx)
      BlendOver(image, xx, yy, colour);
}

void FrameRect(Image& image, int x, int y, int w, int h, int t, Rgba colour) {
  FillRect(image, x, y, w, t, colour);
  FillRect(image, x, y + h - t, w, t, colour);
  FillRect(image, x, y + t, t, h - 2 * t, colour);
  FillRect(image, x + w - t, y + t, t, h - 2 * t, colour);
}

void DrawLine(Image& image, float x0, float y0, float x1, float y1, float width, Rgba colour,
              bool additive) {
  float half = width / 2;
  int bx0 = std::max(0, static_cast<int>(std::floor(std::min(x0, x1) - half - 1)));
  int bx1 = std::min(image.width - 1, static_cast<int>(std::ceil(std::max(x0, x1) + half + 1)));
  int by0 = std::max(0, static_cast<int>(std::floor(std::min(y0, y1) - half - 1)));
  int by1 = std::min(image.height - 1, static_cast<int>(std::ceil(std::max(y0, y1) + half + 1)));
  float dx = x1 - x0, dy = y1 - y0;
  float len2 = std::max(1e-6f, dx * dx + dy * dy);
  for (int y = by0; y <= by1; ++y) {
    for (int x = bx0; x <= bx1; ++x) {
      float px = x + 0.5f - x0, py = y + 0.5f - y0;
      float t = std::clamp((px * dx + py * dy) / len2, 0.0f, 1.0f);
      float ex = px - t * dx, ey = py - t * dy;
      float cover = Clamp01(half - std::sqrt(ex * ex + ey * ey) + 0.5f);
      if (cover <= 0) continue;
      if (additive)
        AddLight(image, x, y, colour, cover * colour.a);
      else
        BlendOver(image, x, y, {colour.r, colour.g, colour.b, colour.a * cover});
    }
  }
}

Rgba Sample(const Image& image, float x, float y) {
  x = std::clamp(x - 0.5f, 0.0f, static_cast<float>(image.width - 1));
  y = std::clamp(y - 0.5f, 0.0f, static_cast<float>(image.height - 1));
  int ix = std::min(static_cast<int>(x), image.width - 2 < 0 ? 0 : image.width - 2);
  int iy = std::min(static_cast<int>(y), image.height - 2 < 0 ? 0 : image.height - 2);
  int jx = std::min(ix + 1, image.width - 1), jy = std::min(iy + 1, image.height - 1);
  float fx = x - ix, fy = y - iy;
  Rgba top = Mix(At(image, ix, iy), At(image, jx, iy), fx);
  Rgba bottom = Mix(At(image, ix, jy), At(image, jx, jy), fx);
  return Mix(top, bottom, fy);
}

Image Resize(const Image& image, int width, int height) {
  Image out = MakeImage(width, height);
  float sx = static_cast<float>(image.width) / width,
        sy = static_cast<float>(image.height) / height;
  if (sx <= 1 && sy <= 1) {
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        At(out, x, y) = Sample(image, (x + 0.5f) * sx, (y + 0.5f) * sy);
    return out;
  }
  // Box filter over the source footprint, weighting colour by alpha so edges do not darken.
  for (int y = 0; y < height; ++y) {
    int y0 = static_cast<int>(y * sy), y1 = std::max(y0 + 1, static_cast<int>((y + 1) * sy));
    for (int x = 0; x < width; ++x) {
      int x0 = static_cast<int>(x * sx), x1 = std::max(x0 + 1, static_cast<int>((x + 1) * sx));
      double r = 0, g = 0, b = 0, a = 0;
      int n = 0;
      for (int yy = y0; yy < std::min(y1, image.height); ++yy)
        for (int xx = x0; xx < std::min(x1, image.width); ++xx) {
          const Rgba& p = At(image, xx, yy);
          r += p.r * p.a, g += p.g * p.a, b += p.b * p.a, a += p.a;
          ++n;
        }
      if (a > 0) At(out, x, y) = {float(r / a), float(g / a), float(b / a), float(a / n)};
    }
  }
  return out;
}

void Paste(Image& target, const Image& source, int x, int y) {
  for (int yy = 0; yy < source.height; ++yy)
    for (int xx = 0; xx < source.width; ++xx) BlendOver(target, x + xx, y + yy, At(source, xx, yy));
}

Image Flatten(const Image& image) {
  Image out = image;
  for (Rgba& p : out.pixels) p = {p.r * p.a, p.g * p.a, p.b * p.a, 1};
  return out;
}

void FillPolygon(Image& image, const std::vector<Vec2>& points, Rgba colour) {
  if (points.size() < 3) return;
  float minX = points[0].x, maxX = minX, minY = points[0].y, maxY = minY;
  for (const Vec2& p : points) {
    minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
  }
  int x0 = std::max(0, static_cast<int>(std::floor(minX))),
      x1 = std::min(image.width - 1, static_cast<int>(std::ceil(maxX)));
  int y0 = std::max(0, static_cast<int>(std::floor(minY))),
      y1 = std::min(image.height - 1, static_cast<int>(std::ceil(maxY)));
  auto inside = [&points](float x, float y) {
    bool in = false;
    for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
      const Vec2 &a = points[i], &b = points[j];
      if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) in = !in;
    }
    return in;
  };
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      int hits = 0;
      for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i) hits += inside(x + (i + 0.5f) / 4, y + (j + 0.5f) / 4);
      if (hits) BlendOver(image, x, y, {colour.r, colour.g, colour.b, colour.a * hits / 16.0f});
    }
}
