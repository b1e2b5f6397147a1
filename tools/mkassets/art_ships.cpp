// Ship pictures and their marker pictures. The game turns sprites so that +x is the heading;
// the marker scan measures angles from the picture's -y axis, so the marker picture holds the
// same hull turned nose-up (and mirrored, which a symmetric hull does not show).
#include <algorithm>
#include <cmath>
#include <set>

#include "formats/object_kinds.h"
#include "tools/mkassets/catalogue_art.h"
#include "tools/mkassets/hull_shapes.h"
#include "tools/mkassets/noise.h"
#include "tools/mkassets/shading.h"

namespace {

int EvenRound(float v) {
  return 2 * static_cast<int>(std::lround(v / 2));
}

Image RenderShip(const HullDesign& hull, int side, std::uint32_t seed) {
  Image image = MakeImage(side, side);
  const float half = side / 2.0f;
  const float px = 1 / half;  // one pixel in ship units
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      float f = (x + 0.5f - half) / half, s = (y + 0.5f - half) / half;
      float d = HullDistance(hull, f, s);
      float cover = Clamp01(0.5f - d / px);
      if (cover <= 0) continue;
      // Height rises from the rim: a rounded, bevelled hull.
      const float e = px;
      float gx = HullDistance(hull, f + e, s) - HullDistance(hull, f - e, s);
      float gy = HullDistance(hull, f, s + e) - HullDistance(hull, f, s - e);
      float g = std::max(1e-6f, std::hypot(gx, gy));
      float depth = Clamp01(-d / 0.12f);
      float slope = 1 - depth;  // steep at the rim, flat on top
      float nx = gx / g * slope, ny = gy / g * slope, nz = 0.6f + depth;
      float len = std::sqrt(nx * nx + ny * ny + nz * nz);
      nx /= len, ny /= len, nz /= len;
      float diffuse = Clamp01(nx * kLightX + ny * kLightY + nz * kLightZ);
      float highlight = std::pow(Clamp01(diffuse), 24.0f) * 0.5f;
      // Paint: base, a stripe along the body, panel seams and grime.
      Rgba c = hull.paint;
      float stripe = std::fabs(std::fabs(s) - 0.1f) < 0.025f && f > -0.3f ? 1.0f : 0.0f;
      c = Mix(c, hull.accent, stripe * 0.85f);
      float seam = (std::fabs(std::fmod(f * 7 + 50.5f, 1.0f) - 0.5f) > 0.46f ||
                    std::fabs(std::fmod(std::fabs(s) * 6 + 0.25f, 1.0f) - 0.5f) > 0.46f)
                       ? 0.78f
                       : 1.0f;
      float grime = 0.88f + 0.24f * (Fbm2(f * 5, s * 5, 4, seed) * 0.5f + 0.5f);
      if (d > -0.02f) c = Mix(c, hull.trim, 0.6f);  // dark rim
      c = Scale(c, (0.38f + 0.8f * diffuse) * seam * grime);
      c.r += highlight, c.g += highlight, c.b += highlight;
      c.a = cover;
      At(image, x, y) = c;
    }
  // Canopy: a glassy cyan ellipse on the spine.
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      float f = (x + 0.5f - half) / half, s = (y + 0.5f - half) / half;
      float u = (f - hull.canopyF) / hull.canopyLength, v = s / hull.canopyWidth;
      float k = u * u + v * v;
      if (k >= 1) continue;
      float glint = std::pow(Clamp01(1 - std::hypot(u + 0.35f, v + 0.45f) * 1.6f), 2.0f);
      Rgba glass = Mix(Rgb(10, 40, 70), Rgb(80, 200, 255), 0.3f + 0.5f * (1 - k));
      glass = Mix(glass, Rgb(255, 255, 255), glint);
      glass.a = Clamp01((1 - k) * 6);
      BlendOver(image, x, y, glass);
    }
  // Engine nozzles (hot cores) and navigation lights at the widest points.
  for (const Vec2& e : hull.engines)
    for (int sign : {1, -1}) {
      if (e.y == 0 && sign < 0) continue;
      float ex = half + e.x * half, ey = half + sign * e.y * half;
      FillDisc(image, ex, ey, hull.engineRadius * half, Rgb(40, 44, 54));
      FillDisc(image, ex, ey, hull.engineRadius * half * 0.65f, Rgb(120, 200, 255));
      FillDisc(image, ex, ey, hull.engineRadius * half * 0.3f, Rgb(235, 250, 255));
    }
  float wide = 0, wideF = 0;
  for (float s = 0; s < 1; s += 0.01f)
    for (float f = -0.9f; f < 0.9f; f += 0.02f)
      if (HullDistance(hull, f, s) < -0.03f && s > wide) wide = s, wideF = f;
  if (wide > 0.1f) {
    FillDisc(image, half + wideF * half, half + wide * half, std::max(1.2f, side / 90.0f),
             Rgb(80, 255, 120));
    FillDisc(image, half + wideF * half, half - wide * half, std::max(1.2f, side / 90.0f),
             Rgb(255, 70, 60));
  }
  return image;
}

}  // namespace

int ShipPictureSide(int size) {
  int side = (2 * std::max(size, 1) + 3) / 4 * 4;
  return std::clamp(side, 96, 256);
}

static Image ShipPictureFor(const ShipType& ship, const HullDesign& hull) {
  return RenderShip(hull, ShipPictureSide(ship.size),
                    static_cast<std::uint32_t>(HashText(ship.name)));
}

// The marker: the hull's outline in dark grey for whoever looks at the file, pure green points
// for the mounts and one pure red point for the exhaust, all on even pixels.
static Image MarkerFor(const ShipType& ship, const HullDesign& hull) {
  const int side = ShipPictureSide(ship.size);
  const float half = side / 2.0f;
  Image image = MakeImage(side, side, Rgba{0, 0, 0, 1});
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      // Marker pixel (x, y) shows ship point f = (half - y) / half, s = (half - x) / half.
      float f = (half - y) / half, s = (half - x) / half;
      if (HullDistance(hull, f, s) < 0) At(image, x, y) = Rgb(70, 74, 82);
    }
  std::set<std::pair<int, int>> used;
  auto place = [&](Vec2 point, Rgba colour) {
    int x = EvenRound(half - point.y * half), y = EvenRound(half - point.x * half);
    x = std::clamp(x, 0, side - 2), y = std::clamp(y, 0, side - 2);
    while (used.count({x, y}) || (x == static_cast<int>(half) && y == static_cast<int>(half)))
      y -= 2;
    used.insert({x, y});
    At(image, x, y) = colour;
  };
  for (const Vec2& mount : MountPoints(hull, ship.slotCount)) place(mount, Rgb(0, 255, 0));
  Vec2 exhaust = ExhaustPoint(hull);
  place({exhaust.x, exhaust.y}, Rgb(255, 0, 0));
  return image;
}

void GenerateShipPictures(AssetSink& sink, const ShipCatalogue& ships) {
  const std::vector<int> archetypes = ChooseArchetypes(ships);
  for (int n = 1; n <= ships.shipTypeCount; ++n) {
    const ShipType& ship = ships.shipTypes[n];
    if (ship.name.empty()) continue;
    HullDesign hull = DesignHull(ship, archetypes[n]);
    SavePicture(sink, std::to_string(ShipPictureOf(n)), ShipPictureDataPath(ship.name),
                ShipPictureFor(ship, hull), PixelMode::kAlpha);
    // Written exactly: pure green and red must survive, so no keying adjustments.
    SavePicture(sink, "Marker " + std::to_string(n), ShipMarkerDataPath(ship.name),
                MarkerFor(ship, hull), PixelMode::kLight);
  }
}
