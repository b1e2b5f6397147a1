// BMP\Objekte: pods, the docking ring, route lane markers, the station and the mine.
#include <cmath>
#include <string>

#include "tools/mkassets/art.h"
#include "tools/mkassets/noise.h"
#include "tools/mkassets/shading.h"

namespace {

constexpr float kPi = 3.14159265f;
const std::string kDir = "BMP\\Objekte\\";

// Brushed hull metal with panel seams, lit by a normal tilted from the centre.
Rgba Metal(float u, float v, float tilt, Rgba base, std::uint32_t seed) {
  float n = Fbm2(u * 6, v * 6, 4, seed) * 0.5f + 0.5f;
  float seam = (std::fabs(std::fmod(u * 8 + 100, 1.0f) - 0.5f) > 0.47f ||
                std::fabs(std::fmod(v * 8 + 100, 1.0f) - 0.5f) > 0.47f)
                   ? 0.75f
                   : 1.0f;
  float light = (0.55f + 0.45f * tilt) * (0.85f + 0.3f * n) * seam;
  return Scale(base, light);
}

// A cargo or weapon pod: a rounded capsule with a coloured band and a beacon.
Image Pod(Rgba band, bool weapon, std::uint32_t seed) {
  const int side = 32;
  Image image = MakeImage(side, side);
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      float u = (x + 0.5f - 16) / 12, v = (y + 0.5f - 16) / (weapon ? 7.5f : 10);
      // The weapon pod is a capsule, the cargo pods are crates.
      float d = weapon ? std::hypot(std::max(0.0f, std::fabs(u) - 0.4f) / 0.6f, v)
                       : std::max(std::fabs(u), std::fabs(v));
      float edge = Clamp01((1 - d) * 8);
      if (edge <= 0) continue;
      float tilt = Clamp01(-(u * kLightX + v * kLightY) * 0.7f + 0.4f);
      Rgba c = Metal(u, v, tilt, Rgb(150, 156, 168), seed);
      if (std::fabs(u) < 0.22f) c = Scale(band, 0.6f + 0.6f * tilt);
      if (d > 0.86f) c = Scale(c, 0.6f);
      c.a = edge;
      At(image, x, y) = c;
    }
  FillDisc(image, 16, 16, 2.4f, weapon ? Rgb(255, 90, 60) : Rgb(255, 240, 160));
  return image;
}

// The docking ring (and the neutral lane marker): a torus with four pylons and lights; the
// entrance faces up, where the game points the ring's direction.
Image DockingRing() {
  const int side = 256;
  Image image = MakeImage(side, side);
  const float c = side / 2.0f;
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      float u = (x + 0.5f - c) / c, v = (y + 0.5f - c) / c;
      float d = std::hypot(u, v);
      float ring = std::fabs(d - 0.78f) / 0.11f;
      if (ring >= 1.08f) continue;
      float edge = Clamp01((1 - ring) * 12);
      float bulge = std::sqrt(std::max(0.0f, 1 - ring * ring));
      float nx = u / d * (d - 0.78f) / 0.11f, ny = v / d * (d - 0.78f) / 0.11f;
      float diffuse = Clamp01(-(nx * kLightX + ny * kLightY) + bulge * kLightZ);
      float angle = std::atan2(v, u);
      float segment = std::fabs(std::sin(angle * 12)) < 0.08f ? 0.6f : 1.0f;
      Rgba col = Metal(angle * 2, ring, diffuse, Rgb(170, 176, 190), 4100);
      col = Scale(col, segment);
      col.a = edge;
      At(image, x, y) = col;
    }
  // Pylons at the four diagonals and guide lights around the rim.
  for (int k = 0; k < 4; ++k) {
    float a = kPi / 4 + k * kPi / 2;
    float px = c + 0.78f * c * std::cos(a), py = c + 0.78f * c * std::sin(a);
    FillDisc(image, px, py, 13, Rgb(70, 80, 96));
    FillDisc(image, px, py, 9, Rgb(120, 130, 150));
    FillDisc(image, px, py, 3.5f, Rgb(120, 220, 255));
  }
  for (int k = 0; k < 24; ++k) {
    float a = k * 2 * kPi / 24;
    FillDisc(image, c + 0.9f * c * std::cos(a), c + 0.9f * c * std::sin(a), 2.2f,
             k % 2 ? Rgb(255, 220, 120) : Rgb(140, 230, 255));
  }
  // Entrance marks at the top.
  FillPolygon(image, {{c, 8}, {c + 12, 24}, {c - 12, 24}}, Rgb(120, 255, 160));
  return image;
}

// A lane marker: a gate of two pylons with a light bar and a chevron pointing up (the lane's
// direction after the game's turn), in the lane's colour.
Image LaneMarker(Rgba colour) {
  const int side = 256;
  Image image = MakeImage(side, side);
  const float c = side / 2.0f;
  for (float side_x : {c - 92, c + 92}) {
    std::vector<Vec2> pylon = {
        {side_x - 10, c - 60}, {side_x + 10, c - 60}, {side_x + 14, c + 60}, {side_x - 14, c + 60}};
    FillPolygon(image, pylon, Rgb(60, 66, 80));
    FillPolygon(
        image,
        {{side_x - 6, c - 54}, {side_x + 6, c - 54}, {side_x + 9, c + 54}, {side_x - 9, c + 54}},
        Rgb(130, 138, 156));
    for (int k = 0; k < 4; ++k) FillDisc(image, side_x, c - 40 + k * 27, 4, colour);
  }
  DrawLine(image, c - 80, c, c + 80, c, 3, Mix(colour, Rgb(255, 255, 255), 0.3f));
  for (int k = 0; k < 3; ++k) {
    float y = c - 10 - k * 24;
    float a = 1 - k * 0.25f;
    DrawLine(image, c - 34, y + 26, c, y, 7, Rgba{colour.r, colour.g, colour.b, a});
    DrawLine(image, c + 34, y + 26, c, y, 7, Rgba{colour.r, colour.g, colour.b, a});
    DrawLine(image, c - 30, y + 23, c, y + 1, 2.5f, Rgba{1, 1, 1, a * 0.8f});
    DrawLine(image, c + 30, y + 23, c, y + 1, 2.5f, Rgba{1, 1, 1, a * 0.8f});
  }
  return image;
}

// The cross-shaped station, seen from above: four arms on a hub, solar panels, lights.
Image Station() {
  const int side = 512;
  Image image = MakeImage(side, side);
  const float c = side / 2.0f;
  auto armDistance = [c](float x, float y) {
    float ax = std::fabs(x - c), ay = std::fabs(y - c);
    float arm = std::min(std::max(ax - 230, ay - 34), std::max(ay - 230, ax - 34));
    float hub = std::hypot(x - c, y - c) - 92;
    return std::min(arm, hub);
  };
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      float px = x + 0.5f, py = y + 0.5f;
      float sd = armDistance(px, py);
      // Solar panels across each arm.
      float ax = std::fabs(px - c), ay = std::fabs(py - c);
      bool panel = (ax > 130 && ax < 200 && ay < 78 && ay > 40) ||
                   (ay > 130 && ay < 200 && ax < 78 && ax > 40);
      if (sd > 0.5f && !panel) continue;
      Rgba col;
      if (sd <= 0.5f) {
        float depth = Clamp01(-sd / 30);
        float dxs = armDistance(px + 1, py) - armDistance(px - 1, py);
        float dys = armDistance(px, py + 1) - armDistance(px, py - 1);
        float diffuse = Clamp01(0.6f + (dxs * kLightX + dys * kLightY) * -0.35f * (1 - depth));
        col = Metal(px / 90, py / 90, diffuse, Rgb(168, 172, 182), 4101);
        col = Scale(col, 0.75f + 0.35f * depth);
        float hubR = std::hypot(px - c, py - c);
        if (hubR < 60) col = Mix(col, Rgb(90, 110, 140), 0.4f);
        if (std::fabs(hubR - 70) < 2) col = Rgb(60, 70, 86);
        col.a = Clamp01(0.5f - sd);
      } else {
        float cell = (std::fmod(px, 8) < 1 || std::fmod(py, 8) < 1) ? 0.5f : 1.0f;
        col = Scale(Rgb(40, 70, 150), cell * (0.8f + 0.2f * std::sin(px * 0.05f)));
        col.a = 1;
      }
      At(image, x, y) = col;
    }
  // Windows along the arms and beacons at the tips.
  for (int k = 0; k < 4; ++k) {
    float dx = k == 0 ? 1.0f : k == 1 ? -1.0f : 0.0f, dy = k == 2 ? 1.0f : k == 3 ? -1.0f : 0.0f;
    for (int i = 0; i < 9; ++i) {
      float r = 104 + i * 13;
      for (int s = -1; s <= 1; s += 2)
        FillDisc(image, c + dx * r + dy * s * 18, c + dy * r + dx * s * 18, 1.8f,
                 Rgb(255, 230, 150));
    }
    FillDisc(image, c + dx * 238, c + dy * 238, 5, k % 2 ? Rgb(255, 60, 50) : Rgb(80, 255, 120));
  }
  FillDisc(image, c, c, 26, Rgb(40, 56, 80));
  FillDisc(image, c, c, 18, Rgb(120, 200, 255));
  FillDisc(image, c, c, 8, Rgb(230, 250, 255));
  return image;
}

// A mine, drawn with additive blending: a dark shell shows only as its glowing parts.
Image Mine() {
  const int side = 64;
  Image image = MakeImage(side, side);
  const float c = side / 2.0f;
  for (int k = 0; k < 8; ++k) {
    float a = k * kPi / 4;
    DrawLine(image, c + 10 * std::cos(a), c + 10 * std::sin(a), c + 25 * std::cos(a),
             c + 25 * std::sin(a), 2.5f, Rgba{0.55f, 0.12f, 0.06f, 1}, true);
    AddGlow(image, c + 26 * std::cos(a), c + 26 * std::sin(a), 5, Rgb(255, 120, 60), 1.5f);
  }
  AddGlow(image, c, c, 20, Rgb(200, 40, 20), 1.6f);
  AddGlow(image, c, c, 9, Rgb(255, 200, 150), 1.2f);
  return image;
}

}  // namespace

void GenerateObjects(AssetSink& sink) {
  SavePicture(sink, "3901", kDir + "Waffe.bmp", Pod(Rgb(230, 70, 50), true, 3901),
              PixelMode::kAlpha);
  const Rgba bands[] = {Rgb(240, 190, 60), Rgb(70, 180, 255), Rgb(110, 220, 110)};
  for (int i = 1; i <= 3; ++i)
    SavePicture(sink, std::to_string(3910 + i), kDir + "Katon" + std::to_string(i) + ".bmp",
                Pod(bands[i - 1], false, 3910 + i), PixelMode::kAlpha);
  SavePicture(sink, "4001-4003, 4100", kDir + "Route.bmp", DockingRing(), PixelMode::kAlpha);
  SavePicture(sink, "4011-4013", kDir + "Route1.bmp", LaneMarker(Rgb(70, 140, 255)),
              PixelMode::kAlpha);
  SavePicture(sink, "4021-4023", kDir + "Route2.bmp", LaneMarker(Rgb(70, 240, 120)),
              PixelMode::kAlpha);
  SavePicture(sink, "4031-4033", kDir + "Route3.bmp", LaneMarker(Rgb(255, 80, 60)),
              PixelMode::kAlpha);
  SaveJpeg(sink, "4101", kDir + "ST01-H.jpg", Station(), 100);
  SavePicture(sink, "4401, 4501", kDir + "Mine.bmp", Mine(), PixelMode::kLight);
}
