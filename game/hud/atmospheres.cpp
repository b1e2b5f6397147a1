#include "game/hud/atmospheres.h"

#include <algorithm>
#include <cmath>

#include "formats/angles.h"
#include "formats/rounding.h"
#include "game/flight/system_objects.h"
#include "game/world/geometry.h"

namespace {

constexpr float kAtmosphereRange = 8000;
constexpr float kScreenReach = 1000;  // farther than any screen corner lies from the ship
constexpr int kAtmosphereAlpha = 200;

// Planets (4210 ..) and suns (4310 ..); their atmosphere is the picture after their own.
bool HasAtmosphere(int type) {
  return type > 4200 && type < 4400;
}

// Half the side of the atmosphere's square: its glow ends where the body starts to burn the
// player's ship, so the band that heats the hull is the band that glows.
float AtmosphereHalfSide(const World& world, const SystemObjectRecord& o) {
  const ShipRecord* local = world.ships.Front();
  const float shipRadius = local ? local->radius : 0;
  return BurningReach(o.type, o.radius + shipRadius);
}

}  // namespace

void DrawAtmospheres(HudContext& hud) {
  FlightContext& flight = hud.flight;
  if (!flight.drawing) return;
  const World& world = flight.world;
  Media& media = flight.media;
  for (const SystemObjectRecord& o : world.visit.systemObjects) {
    if (!HasAtmosphere(o.type) || !QuadExists(media, o.type + 1)) continue;
    const float half = AtmosphereHalfSide(world, o);
    // A sun's corona reaches far beyond its middle's usual range.
    const float range = std::max(kAtmosphereRange, half + kScreenReach);
    if (!InBox(o.x, o.y, world.cameraX, world.cameraY, range)) continue;
    ViewPoint view;
    if (!ViewTransform(world, o.x, o.y, range, view)) continue;
    const int d = RoundToInt(half * std::sqrt(2.0));
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
