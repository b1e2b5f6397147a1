#pragma once

#include <vector>

// The generators paint in floating point (0..1 per channel, straight alpha) and convert to bytes
// only when writing, so soft falloffs keep their low bits until the very end.
struct Rgba {
  float r = 0, g = 0, b = 0, a = 0;
};

struct Image {
  int width = 0;
  int height = 0;
  std::vector<Rgba> pixels;  // rows from the top
};

Image MakeImage(int width, int height, Rgba fill = {});

inline Rgba& At(Image& image, int x, int y) {
  return image.pixels[y * image.width + x];
}
inline const Rgba& At(const Image& image, int x, int y) {
  return image.pixels[y * image.width + x];
}

Rgba Mix(Rgba a, Rgba b, float t);
Rgba Scale(Rgba c, float k);  // colour only; alpha untouched
Rgba Rgb(int r, int g, int b, float a = 1);

float Clamp01(float v);
float SmoothStep(float edge0, float edge1, float v);

// Adds colour x weight to the pixel (light: glows and effects).
void AddLight(Image& image, int x, int y, Rgba colour, float weight);
// Composites colour (straight alpha) over the pixel.
void BlendOver(Image& image, int x, int y, Rgba colour);

// A soft round light centred at (cx, cy): brightness falls off as (1 - d/radius)^power.
void AddGlow(Image& image, float cx, float cy, float radius, Rgba colour, float power);
// A filled disc with an antialiased rim, composited over.
void FillDisc(Image& image, float cx, float cy, float radius, Rgba colour);
// A filled axis-aligned rectangle, composited over.
void FillRect(Image& image, int x, int y, int w, int h, Rgba colour);
// An antialiased line of the given width, composited over (or added when `additive`).
void DrawLine(Image& image, float x0, float y0, float x1, float y1, float width, Rgba colour,
              bool additive = false);
// A rectangle outline of the given thickness.
void FrameRect(Image& image, int x, int y, int w, int h, int thickness, Rgba colour);

// Bilinear sample with clamping at the edges.
Rgba Sample(const Image& image, float x, float y);
// Box-filtered copy at a smaller size (or bilinear at a larger one).
Image Resize(const Image& image, int width, int height);
// Copies `source` over `target` at (x, y), compositing by alpha.
void Paste(Image& target, const Image& source, int x, int y);
// Premultiplies: colour x alpha, alpha 1 (for pictures written without an alpha channel).
Image Flatten(const Image& image);

struct Vec2 {
  float x = 0, y = 0;
};

// An antialiased polygon (even-odd rule, 4 x 4 samples per pixel), composited over.
void FillPolygon(Image& image, const std::vector<Vec2>& points, Rgba colour);
