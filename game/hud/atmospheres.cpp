#include "game/hud/atmospheres.h"

#include <cmath>

#include "formats/angles.h"
#include "formats/rounding.h"
#include "game/world/geometry.h"

namespace {

constexpr float kAtmosphereRange = 8000;
constexpr int kAtmosphereAlpha = 200;

// Planets (4210 ..) and suns (4310 ..); their atmosphere is the picture after their own.
bool HasAtmosphere(int type) {
  return type > 4200 && type < 4400;
}

}  // namespace

void DrawAtmospheres(HudContext& hud) {
  FlightContext& flight = hud.flight;
  if (!flight.drawing) return;
  const World& world = flight.world;
  Media& media = flight.media;
  for (const SystemObjectRecord& o : world.visit.systemObjects) {
    if (!HasAtmosphere(o.type) || !QuadExists(media, o.type + 1)) continue;
    if (!InBox(o.x, o.y, world.cameraX, world.cameraY, kAtmosphereRange)) continue;
    ViewPoint view;
    if (!ViewTransform(world, o.x, o.y, kAtmosphereRange, view)) continue;
    // The corners of a square of side 2 x radius, turned with the body.
    const int d = RoundToInt(o.radius * std::sqrt(2.0));
    const double a = o.angle - world.playerHeading;
    float corners[8];
    for (int i = 0; i < 4; ++i) {
      corners[2 * i] = static_cast<float>(RoundToInt(CosDeg(a + 225 + 90 * i) * d));
      corners[2 * i + 1] = static_cast<float>(RoundToInt(SinDeg(a + 225 + 90 * i) * d));
    }
    ShapeQuad(media, o.type + 1, corners[0], corners[1], corners[2], corners[3], corners[4],
              corners[5], corners[6], corners[7]);
    DrawQuad(media, o.type + 1, view.viewOffsetX + kShipScreenX, view.viewOffsetY + kShipScreenY,
             kAtmosphereAlpha);
  }
}
