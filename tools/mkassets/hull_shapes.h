#pragma once

#include <cstdint>
#include <vector>

#include "formats/ship_catalogue.h"
#include "tools/mkassets/image.h"

// A ship hull as a signed distance field in ship coordinates: f forward (the nose at f < 1),
// s to starboard, both in units of half the picture side. Negative inside.
struct HullPart {
  enum Kind { kCapsule, kEllipse, kPolygon, kBox } kind = kCapsule;
  float a0 = 0, b0 = 0, a1 = 0, b1 = 0, r = 0;  // capsule: segment (f,s)->(f,s) and radius;
                                                // ellipse/box: centre (a0,b0), half sizes (a1,b1)
  std::vector<Vec2> points;                     // polygon, x = f, y = s
  bool mirrored = true;                         // also at -s
};

struct HullDesign {
  std::vector<HullPart> parts;
  Rgba paint, accent, trim;
  float canopyF = 0.5f, canopyLength = 0.12f, canopyWidth = 0.06f;
  std::vector<Vec2> engines;  // nozzle centres (f, s >= 0; mirrored when s > 0)
  float engineRadius = 0.06f;
  int archetype = 0;
};

// The design of a ship type: its archetype follows the catalogue (large holds make freighters,
// the others cycle through the combat shapes in catalogue order), its proportions the name.
HullDesign DesignHull(const ShipType& ship, int archetype);
// Which archetype every entry of the catalogue gets ([0] unused).
std::vector<int> ChooseArchetypes(const ShipCatalogue& ships);
inline constexpr int kArchetypeCount = 5;

float HullDistance(const HullDesign& hull, float f, float s);

// Mount points (f, s) on the front half of the hull and the exhaust point at the stern.
std::vector<Vec2> MountPoints(const HullDesign& hull, int slotCount);
Vec2 ExhaustPoint(const HullDesign& hull);
