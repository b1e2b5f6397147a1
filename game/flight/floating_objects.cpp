#include "game/flight/floating_objects.h"

#include <cmath>

#include "formats/angles.h"
#include "formats/object_kinds.h"
#include "formats/rounding.h"
#include "game/flight/emitters.h"
#include "game/flight/sprites.h"
#include "game/world/geometry.h"

namespace {

void Drift(FloatingObjectRecord& f, float timeFactor) {
  f.x += static_cast<float>(CosDeg(f.heading) * f.speed * 0.1 * timeFactor);
  f.y += static_cast<float>(SinDeg(f.heading) * f.speed * 0.1 * timeFactor);
}

// F bounces off a disc at (x, y) moving at `speed` along `heading`: its new course, pushed out to
// `limit` from the disc's centre, then one more drift step.
void Deflect(FloatingObjectRecord& f, float x, float y, float speed, float heading, float limit,
             float d, float timeFactor) {
  const DiscCourse course = BounceDiscs(1, x, y, speed, heading, 1, f.x, f.y, f.speed, f.heading);
  const float away = BearingDeg(f.x - x, f.y - y);
  const int push = RoundToInt(limit - d);
  f.heading = course.heading;
  f.speed = course.speed;
  f.x += static_cast<float>(push * CosDeg(away));
  f.y += static_cast<float>(push * SinDeg(away));
  Drift(f, timeFactor);
}

void Draw(FlightContext& flight, const FloatingObjectRecord& f) {
  const World& world = flight.world;
  ViewPoint view;
  if (!ViewTransform(world, f.x, f.y, 800, view)) return;
  const float turn = static_cast<float>(static_cast<int>(flight.frame.frameCounter * f.spin / 10));
  DrawSprite(flight.media, f.type, 2 * f.radius, turn, view.viewOffsetX - f.radius + kShipScreenX,
             view.viewOffsetY - f.radius + kShipScreenY, 255);
}

void BumpOffShips(FlightContext& flight, FloatingObjectRecord& f) {
  for (const ShipRecord& ship : flight.world.ships) {
    const float d = RoundedDistance(ship.x, ship.y, f.x, f.y);
    const float limit = (ship.shield <= 0 ? 0.9f : 1.3f) * ship.radius;
    if (d < limit) {
      Deflect(f, ship.x, ship.y, ship.speed * 2, ship.heading, limit, d, flight.frame.timeFactor);
    }
  }
}

// False when a planet or sun has crushed F.
bool MeetBodies(FlightContext& flight, FloatingObjectRecord& f) {
  for (const SystemObjectRecord& body : flight.world.visit.systemObjects) {
    if (body.type != kObjectStation && !IsPlanet(body.type) && !IsSun(body.type)) continue;
    const float limit = 0.9f * body.radius;
    if (!InBox(body.x, body.y, f.x, f.y, limit)) continue;
    const float d = RoundedDistance(body.x, body.y, f.x, f.y);
    if (d >= limit) continue;
    if (body.type != kObjectStation) {
      EmitBurst(flight, f.x, f.y, 11);
      return false;
    }
    // Only the first station shape is solid to drifting bodies.
    Deflect(f, body.x, body.y, 0, 0, limit, d, flight.frame.timeFactor);
  }
  return true;
}

}  // namespace

DiscCourse BounceDiscs(float massA, float xA, float yA, float speedA, float headingA, float massB,
                       float xB, float yB, float speedB, float headingB) {
  const double phi = BearingDeg(xB - xA, yB - yA) * kRadiansPerDegree;
  const double nx = std::cos(phi);
  const double ny = std::sin(phi);
  const double ax = speedA * CosDeg(headingA);
  const double ay = speedA * SinDeg(headingA);
  const double bx = speedB * CosDeg(headingB);
  const double by = speedB * SinDeg(headingB);
  const double alongA = ax * nx + ay * ny;
  const double alongB = bx * nx + by * ny;
  const double total = double(massA) + massB;
  const double newAlongB =
      total > 0 ? ((massB - massA) * alongB + 2 * massA * alongA) / total : alongB;
  const double vx = bx + (newAlongB - alongB) * nx;
  const double vy = by + (newAlongB - alongB) * ny;
  const double speed = std::sqrt(vx * vx + vy * vy);
  const float heading = speed > 0 ? NormaliseAngle(BearingDeg(float(vx), float(vy))) : headingB;
  return DiscCourse{heading, static_cast<float>(speed)};
}

void RunFloatingObjects(FlightContext& flight) {
  World& world = flight.world;
  CursorList<FloatingObjectRecord>& objects = world.visit.floatingObjects;
  objects.Reset();
  while (objects.Next()) {
    FloatingObjectRecord& f = *objects.Current();
    const bool inView = InBox(f.x, f.y, world.cameraX, world.cameraY, 1000);
    Drift(f, flight.frame.timeFactor);
    bool keep = true;
    if (f.life > 0) {
      f.life -= 1;
      if (f.life == 0) {
        EmitBurst(flight, f.x, f.y, 14);
        keep = false;
      }
    }
    if (keep && inView) {
      if (flight.drawing) Draw(flight, f);
      BumpOffShips(flight, f);
      keep = MeetBodies(flight, f);
    } else if (keep && IsRockFragment(f.type)) {
      EmitBurst(flight, f.x, f.y, 14);
      keep = false;
    }
    if (!keep) objects.DeleteCurrent();
  }
}
