#include "tools/mkassets/hull_shapes.h"

#include <algorithm>
#include <cmath>

#include "tools/mkassets/noise.h"

namespace {

float Capsule(float f, float s, const HullPart& p) {
  float df = p.a1 - p.a0, ds = p.b1 - p.b0;
  float t = std::clamp(((f - p.a0) * df + (s - p.b0) * ds) / std::max(1e-6f, df * df + ds * ds),
                       0.0f, 1.0f);
  return std::hypot(f - p.a0 - t * df, s - p.b0 - t * ds) - p.r;
}

float Ellipse(float f, float s, const HullPart& p) {
  float u = (f - p.a0) / p.a1, v = (s - p.b0) / p.b1;
  float k = std::hypot(u, v);
  return (k - 1) * std::min(p.a1, p.b1);
}

float Box(float f, float s, const HullPart& p) {
  float qx = std::fabs(f - p.a0) - p.a1 + p.r, qy = std::fabs(s - p.b0) - p.b1 + p.r;
  return std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) -
         p.r;
}

float Polygon(float f, float s, const std::vector<Vec2>& pts) {
  float d = 1e9f;
  bool inside = false;
  for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
    Vec2 a = pts[i], b = pts[j];
    float ex = b.x - a.x, ey = b.y - a.y, wx = f - a.x, wy = s - a.y;
    float t = std::clamp((wx * ex + wy * ey) / std::max(1e-9f, ex * ex + ey * ey), 0.0f, 1.0f);
    d = std::min(d, std::hypot(wx - ex * t, wy - ey * t));
    if ((a.y > s) != (b.y > s) && f < (b.x - a.x) * (s - a.y) / (b.y - a.y) + a.x) inside = !inside;
  }
  return inside ? -d : d;
}

float PartDistance(const HullPart& p, float f, float s) {
  switch (p.kind) {
    case HullPart::kCapsule:
      return Capsule(f, s, p);
    case HullPart::kEllipse:
      return Ellipse(f, s, p);
    case HullPart::kBox:
      return Box(f, s, p);
    default:
      return Polygon(f, s, p.points);
  }
}

// Smooth union: parts melt into each other instead of meeting at hard creases.
float SmoothMin(float a, float b, float k) {
  float h = std::clamp(0.5f + 0.5f * (b - a) / k, 0.0f, 1.0f);
  return b + (a - b) * h - k * h * (1 - h);
}

HullPart Cap(float f0, float s0, float f1, float s1, float r, bool mirrored = true) {
  HullPart p;
  p.kind = HullPart::kCapsule, p.a0 = f0, p.b0 = s0, p.a1 = f1, p.b1 = s1, p.r = r,
  p.mirrored = mirrored;
  return p;
}
HullPart Ell(float f, float s, float hf, float hs, bool mirrored = true) {
  HullPart p;
  p.kind = HullPart::kEllipse, p.a0 = f, p.b0 = s, p.a1 = hf, p.b1 = hs, p.mirrored = mirrored;
  return p;
}
HullPart Poly(std::vector<Vec2> points) {
  HullPart p;
  p.kind = HullPart::kPolygon, p.points = std::move(points);
  return p;
}
HullPart BoxPart(float f, float s, float hf, float hs, float round, bool mirrored = true) {
  HullPart p;
  p.kind = HullPart::kBox, p.a0 = f, p.b0 = s, p.a1 = hf, p.b1 = hs, p.r = round,
  p.mirrored = mirrored;
  return p;
}

}  // namespace

std::vector<int> ChooseArchetypes(const ShipCatalogue& ships) {
  const int count = ships.shipTypeCount;
  std::vector<int> result(count + 1, 0);
  std::vector<double> ratios;
  for (int i = 1; i <= count; ++i)
    ratios.push_back(ships.shipTypes[i].cargoCapacity /
                     std::max(1.0, double(ships.shipTypes[i].size)));
  std::vector<double> sorted = ratios;
  std::sort(sorted.begin(), sorted.end());
  double median = sorted.empty() ? 0 : sorted[sorted.size() / 2];
  int next = 0;
  for (int i = 1; i <= count; ++i) {
    bool hauler = count > 1 && ratios[i - 1] > 0 && ratios[i - 1] >= 2.5 * median;
    result[i] = hauler ? 4 : (next++ % 4);
  }
  return result;
}

HullDesign DesignHull(const ShipType& ship, int archetype) {
  Rng rng = MakeRng(HashText(ship.name) ^ 0x5EED);
  auto vary = [&rng](float lo, float hi) { return NextRange(rng, lo, hi); };
  HullDesign h;
  h.archetype = archetype;
  const Rgba paints[] = {Rgb(150, 160, 176), Rgb(196, 184, 150), Rgb(124, 130, 146),
                         Rgb(210, 214, 220), Rgb(120, 132, 104), Rgb(160, 120, 110)};
  const Rgba accents[] = {Rgb(210, 60, 50),  Rgb(40, 120, 220), Rgb(240, 170, 40),
                          Rgb(40, 170, 140), Rgb(150, 70, 200), Rgb(230, 110, 40)};
  h.paint = paints[NextInt(rng, 5)];
  h.accent = accents[NextInt(rng, 5)];
  h.trim = Rgb(60, 66, 78);
  switch (archetype) {
    case 0: {  // arrow fighter: slim body, swept delta wings, tail fins
      float sweep = vary(0.45f, 0.7f), span = vary(0.62f, 0.82f);
      h.parts.push_back(Cap(-0.62f, 0, 0.82f, 0, vary(0.1f, 0.14f), false));
      h.parts.push_back(Poly(
          {{0.25f, 0.05f}, {0.25f - sweep, span}, {0.1f - sweep, span + 0.02f}, {-0.5f, 0.12f}}));
      h.parts.push_back(Poly({{-0.35f, 0.06f}, {-0.72f, 0.3f}, {-0.78f, 0.28f}, {-0.62f, 0.05f}}));
      h.canopyF = 0.45f;
      h.engines = {{-0.66f, 0.07f}};
      h.engineRadius = 0.055f;
      break;
    }
    case 1: {  // hawk: forward-swept wings on a pointed body, wing-root engines
      float span = vary(0.72f, 0.88f), reach = vary(0.22f, 0.4f);
      h.parts.push_back(Cap(-0.55f, 0, 0.88f, 0, 0.1f, false));
      h.parts.push_back(
          Poly({{-0.3f, 0.06f}, {reach, span}, {reach - 0.16f, span + 0.04f}, {-0.5f, 0.2f}}));
      h.parts.push_back(Cap(-0.62f, 0.2f, -0.1f, 0.2f, 0.085f));
      h.canopyF = 0.5f;
      h.engines = {{-0.66f, 0.2f}};
      h.engineRadius = 0.06f;
      break;
    }
    case 2: {  // crab: a broad shell with two claws reaching forward
      float claw = vary(0.55f, 0.7f);
      h.parts.push_back(Ell(-0.1f, 0, 0.45f, vary(0.42f, 0.5f), false));
      h.parts.push_back(Cap(-0.05f, 0.42f, claw * 0.7f, claw * 0.85f, 0.12f));
      h.parts.push_back(Cap(claw * 0.7f, claw * 0.85f, claw + 0.2f, claw * 0.5f, 0.09f));
      h.parts.push_back(Cap(0.1f, 0, 0.62f, 0, 0.11f, false));
      h.canopyF = 0.42f;
      h.engines = {{-0.56f, 0.22f}};
      h.engineRadius = 0.07f;
      break;
    }
    case 3: {  // saucer: a round hull with a prow and side nacelles
      float r = vary(0.5f, 0.6f);
      h.parts.push_back(Ell(-0.05f, 0, r, r, false));
      h.parts.push_back(Cap(0.2f, 0, 0.78f, 0, 0.12f, false));
      h.parts.push_back(Cap(-0.6f, r + 0.06f, 0.1f, r + 0.1f, 0.08f));
      h.canopyF = 0.55f;
      h.engines = {{-0.66f, r + 0.06f}};
      h.engineRadius = 0.065f;
      break;
    }
    default: {  // hauler: long spine, cargo blocks, bridge forward, big engines
      float width = vary(0.2f, 0.28f);
      h.parts.push_back(BoxPart(0.0f, 0, 0.82f, width, 0.06f, false));
      for (int k = 0; k < 3; ++k)
        h.parts.push_back(BoxPart(-0.45f + k * 0.36f, width + 0.12f, 0.15f, 0.13f, 0.03f));
      h.parts.push_back(Ell(0.7f, 0, 0.2f, width * 0.9f, false));
      h.canopyF = 0.78f;
      h.canopyWidth = 0.08f;
      h.engines = {{-0.84f, width * 0.55f}};
      h.engineRadius = 0.08f;
      break;
    }
  }
  return h;
}

float HullDistance(const HullDesign& hull, float f, float s) {
  float d = 1e9f;
  for (const HullPart& part : hull.parts) {
    float p = PartDistance(part, f, s);
    if (part.mirrored) p = std::min(p, PartDistance(part, f, -s));
    d = d > 1e8f ? p : SmoothMin(d, p, 0.06f);
  }
  return d;
}

std::vector<Vec2> MountPoints(const HullDesign& hull, int slotCount) {
  std::vector<Vec2> points;
  if (slotCount <= 0) return points;
  const float margin = 0.03f;
  // The front run of hull at a given s: from its most forward point back to where the hull ends
  // (or f = 0). A mount sits a little behind the leading edge, but inside thin wings.
  auto mountF = [&](float s) {
    float front = -1, back = 0;
    for (float f = 0.98f; f >= 0.0f; f -= 0.01f) {
      bool inside = HullDistance(hull, f, s) < -margin;
      if (inside && front < 0) front = f;
      if (!inside && front >= 0) {
        back = f;
        break;
      }
    }
    if (front < 0) return -1.0f;
    return std::max(front - 0.06f, (front + back) / 2);
  };
  float halfSpan = 0;
  for (float s = 0; s <= 1.0f; s += 0.01f)
    if (mountF(s) >= 0) halfSpan = s;
  const int pairs = slotCount / 2;
  for (int j = pairs; j >= 1; --j) {
    float s = halfSpan * (0.25f + 0.7f * j / std::max(1, pairs));
    while (s > 0.02f && mountF(s) < 0) s -= 0.01f;
    float f = std::max(0.0f, mountF(s));
    points.push_back({f, s});
    points.push_back({f, -s});
  }
  if (slotCount % 2) points.push_back({std::max(0.0f, mountF(0)), 0});
  return points;
}

Vec2 ExhaustPoint(const HullDesign& hull) {
  Vec2 engine = hull.engines.empty() ? Vec2{-0.6f, 0} : hull.engines.front();
  return engine;
}
