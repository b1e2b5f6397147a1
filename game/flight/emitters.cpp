#include "game/flight/emitters.h"

#include <cmath>

#include "formats/angles.h"
#include "formats/object_kinds.h"
#include "formats/rounding.h"
#include "game/world/geometry.h"
#include "game/world/world_lists.h"

namespace {

int Random(FlightContext& flight, int max) {
  return RandomInt(flight.rng, max);
}

void Add(FlightContext& flight, int sprite, float size, float x, float y, float heading,
         float speed, int alpha, float life) {
  AddParticle(flight.world.visit.particles, {.sprite = sprite,
                                             .size = size,
                                             .x = x,
                                             .y = y,
                                             .heading = heading,
                                             .speed = speed,
                                             .alpha = alpha,
                                             .life = life});
}

// One nozzle's puffs: n + 1 chances of one in four.
void Puff(FlightContext& flight, const ShipRecord& ship, float nozzleX, float nozzleY, int n) {
  const int ahead = RoundToInt(ship.speed / 8);
  const int spread = RoundToInt(ship.speed / 2);
  const float cx = static_cast<float>(CosDeg(ship.heading));
  const float cy = static_cast<float>(SinDeg(ship.heading));
  for (int k = 0; k <= n; ++k) {
    if (Random(flight, 3) != 1) continue;
    const float o = static_cast<float>(ahead - Random(flight, spread));
    const float size = static_cast<float>((30 + Random(flight, 70)) / 15);
    const float speed = (1 + Random(flight, 40)) / 10.0f;
    const int alpha = 155 + Random(flight, 100);
    Add(flight, 1, size, nozzleX + o * cx, nozzleY + o * cy, ship.heading - 180, speed, alpha, 1);
  }
}

struct PlasmaStream {
  int sprite;
  int back;  // the particles start back - random 0..spread behind the marker
  int spread;
  float speed;
  float life;
};

// The stream of each kind of marker; the glow uses the level's entry sprite.
bool StreamOf(int type, PlasmaStream& stream) {
  switch (type) {
    case LaneMarkerType(1, LanePart::kEntry):
      stream = {411, 50, 100, 3, 43};
      return true;
    case LaneMarkerType(1, LanePart::kMiddle):
      stream = {412, 1050, 100, 90, 23};
      return true;
    case LaneMarkerType(1, LanePart::kExit):
      stream = {413, 1050, 100, 90, 43};
      return true;
    case LaneMarkerType(2, LanePart::kEntry):
      stream = {421, 100, 200, 3, 50};
      return true;
    case LaneMarkerType(2, LanePart::kMiddle):
      stream = {422, 2100, 200, 180, 23};
      return true;
    case LaneMarkerType(2, LanePart::kExit):
      stream = {423, 2100, 200, 180, 50};
      return true;
    case LaneMarkerType(3, LanePart::kEntry):
      stream = {431, 200, 400, 3, 57};
      return true;
    case LaneMarkerType(3, LanePart::kMiddle):
      stream = {432, 4200, 400, 360, 23};
      return true;
    case LaneMarkerType(3, LanePart::kExit):
      stream = {433, 4200, 400, 360, 57};
      return true;
    case kObjectDockingRing:
      stream = {440, 100, 100, 4, 40};
      return true;
    default:
      return false;
  }
}

// One kind's trail: how many particles a sub-step leaves and how each looks. Sizes, headings,
// speeds and alphas are a base plus random 0..spread.
struct TrailLook {
  int count, countSpread;  // count + random 0..countSpread (none below 1)
  int size, sizeSpread;
  float turn;  // heading offset from the projectile's
  int turnSpread;
  int speedSpread;
  int alpha, alphaSpread;
  float life;
};

bool TrailOf(int kind, TrailLook& look) {
  switch (kind) {
    case 1:
      look = {-5, 7, 6, 2, 0, 0, 0, 100, 100, 10};
      return true;
    case 2:
      look = {-1, 5, 6, 2, -210, 60, 5, 150, 100, 5};
      return true;
    case 3:
      look = {-2, 5, 3, 5, 0, 0, 30, 100, 100, 5};
      return true;
    case 4:
      look = {-4, 5, 2, 6, -180, 0, 0, 100, 100, 10};
      return true;
    case 5:
      look = {1, 0, 4, 2, 0, 0, 0, 150, 100, 0.2f};
      return true;
    case 6:
      look = {1, 0, 6, 2, 0, 0, 0, 150, 100, 0.2f};
      return true;
    case 7:
      look = {1, 0, 6, 2, 0, 0, 0, 150, 100, 2};
      return true;
    case 9:
      look = {-6, 7, 4, 2, 0, 0, 0, 150, 100, 5};
      return true;
    default:
      return false;
  }
}

}  // namespace

void EmitTrail(FlightContext& flight, const ProjectileRecord& p) {
  TrailLook look;
  if (!TrailOf(p.kind, look)) return;
  const int count = look.count + (look.countSpread > 0 ? Random(flight, look.countSpread) : 0);
  for (int i = 0; i < count; ++i) {
    const float size = static_cast<float>(look.size + Random(flight, look.sizeSpread));
    float heading = p.heading + look.turn;
    if (look.turnSpread > 0) heading += static_cast<float>(Random(flight, look.turnSpread));
    const float speed =
        look.speedSpread > 0 ? static_cast<float>(Random(flight, look.speedSpread)) : 0.0f;
    const int alpha = look.alpha + Random(flight, look.alphaSpread);
    Add(flight, p.sprite + 100, size, p.x, p.y, heading, speed, alpha, look.life);
  }
}

void EmitExhaust(FlightContext& flight, const ShipRecord& ship) {
  if (ship.type >= 4000) return;
  const World& world = flight.world;
  if (!InBox(ship.x, ship.y, world.cameraX, world.cameraY, 1000)) return;
  const int index = ShipTypeOfPicture(ship.type);
  const auto& types = flight.catalogues.ships.shipTypes;
  if (index < 0 || index >= static_cast<int>(types.size())) return;
  const float d = static_cast<float>(types[index].exhaustDistance);
  const float a = static_cast<float>(types[index].exhaustAngle);
  const int left = RoundToInt((-3 * ship.turnRate + ship.speed + 25) * 0.1);
  const int right = RoundToInt((3 * ship.turnRate + ship.speed + 25) * 0.1);
  Puff(flight, ship, ship.x + d * float(CosDeg(ship.heading - a)),
       ship.y + d * float(SinDeg(ship.heading - a)), left);
  Puff(flight, ship, ship.x + d * float(CosDeg(ship.heading + a)),
       ship.y + d * float(SinDeg(ship.heading + a)), right);
}

void EmitRoutePlasma(FlightContext& flight, const SystemObjectRecord& object) {
  PlasmaStream stream;
  if (!StreamOf(object.type, stream)) return;
  const World& world = flight.world;
  const int glowSprite =
      object.type == kObjectDockingRing ? 440 : 401 + 10 * LaneLevelOf(object.type);
  const float ux = static_cast<float>(CosDeg(object.angle));
  const float uy = static_cast<float>(SinDeg(object.angle));
  const float vx = static_cast<float>(CosDeg(object.angle + 90));
  const float vy = static_cast<float>(SinDeg(object.angle + 90));

  if (InBox(object.x, object.y, world.cameraX, world.cameraY, 1000) && Random(flight, 2) == 0) {
    const float o = static_cast<float>(Random(flight, 128) - 64);
    for (const float side : {1.0f, -1.0f}) {
      const float size = static_cast<float>(19 + Random(flight, 17));
      const int alpha = 150 + Random(flight, 100);
      Add(flight, glowSprite, size, object.x + side * o * vx, object.y + side * o * vy, 0, 0, alpha,
          20);
    }
  }
  if (InBox(object.x, object.y, world.cameraX, world.cameraY, 5000) && Random(flight, 2) == 0) {
    const int count = object.type == kObjectDockingRing ? 2 : 3;
    for (int i = 0; i < count; ++i) {
      const float o = static_cast<float>(Random(flight, 128) - 64);
      const float back = static_cast<float>(stream.back - Random(flight, stream.spread));
      const float size = static_cast<float>(19 + Random(flight, 27));
      const int alpha = 150 + Random(flight, 100);
      Add(flight, stream.sprite, size, object.x + o * vx - back * ux, object.y + o * vy - back * uy,
          object.angle, stream.speed, alpha, stream.life);
    }
  }
}

void EmitBurst(FlightContext& flight, float x, float y, int sprite) {
  for (int i = 0; i < 20; ++i) {
    const float size = static_cast<float>(10 + Random(flight, 10));
    const float heading = Random(flight, 3599) / 10.0f;
    const float speed = (1 + Random(flight, 40)) / 10.0f;
    Add(flight, sprite, size, x, y, heading, speed, 155 + Random(flight, 100), 1);
  }
}

void EmitShipExplosion(FlightContext& flight, float x, float y) {
  for (int i = 0; i < 100; ++i) {
    const float size = static_cast<float>(30 + Random(flight, 70));
    const float heading = Random(flight, 3599) / 10.0f;
    const float speed = (1 + Random(flight, 120)) / 10.0f;
    Add(flight, 11, size, x, y, heading, speed, 155 + Random(flight, 100), 1);
  }
  for (int i = 1; i <= 90; ++i) {
    const float size = static_cast<float>(20 + Random(flight, 20));
    Add(flight, 12, size, x, y, 4.0f * i, 20, 100 + Random(flight, 55), 1);
  }
}

void EmitProjectileExplosion(FlightContext& flight, float x, float y) {
  for (int i = 0; i < 40; ++i) {
    const float size = static_cast<float>(20 + Random(flight, 40));
    const float heading = Random(flight, 3599) / 10.0f;
    const float speed = static_cast<float>(1 + Random(flight, 10));
    Add(flight, 11, size, x, y, heading, speed, 155 + Random(flight, 100), 1);
  }
}
