#include "game/flight/drive.h"

#include <algorithm>
#include <cmath>

#include "formats/angles.h"
#include "formats/object_kinds.h"
#include "game/flight/motion.h"
#include "game/world/geometry.h"

namespace {

constexpr float kRingFactor = 1.05f;

bool IsLocal(const World& world, const ShipRecord& ship) {
  return ship.controller == world.localPlayerNumber;
}

// Turns the steering towards a wanted direction, harder the farther off it is.
void SteerBy(ShipRecord& ship, float diff) {
  if (diff > 0) ship.turnRate += diff / 10 + 4;
  if (diff < 0) ship.turnRate += diff / 10 - 4;
  ship.turnRate = std::clamp(ship.turnRate, -kMaxTurnRate, kMaxTurnRate);
}

// The speed at which the ship's tightest turn (the full steering, kMaxTurnRate) fits into half the
// distance: a ship no faster than this can still turn onto a target close beside or behind it.
float TurningSpeed(const ShipRecord& ship, float d) {
  const double turn = kMaxTurnRate / 100.0 * ship.agility * kRadiansPerDegree;  // radians a frame
  return static_cast<float>(d / 2 * turn / 0.2);
}

void Approach(ShipRecord& ship, const SystemObjectRecord& object, float d) {
  const float diff = WrapTurn(BearingDeg(object.x - ship.x, object.y - ship.y) - ship.heading);
  SteerBy(ship, diff);
  float wanted = d / 10 - std::fabs(diff / 20) + 10;
  // Off the nose, the approach speed alone can hold a ship circling its target for ever (a ring
  // asked for right after the launch lies behind the ship): it slows until it can turn in.
  if (std::fabs(diff) >= 10 && ship.agility > 0) wanted = std::min(wanted, TurningSpeed(ship, d));
  const bool entry = IsLaneEntry(object.type);
  if (ship.speed > wanted && ship.speed >= 0) ship.speed -= 1;
  if (ship.speed <= wanted && (entry ? ship.speed <= ship.maxSpeed : ship.speed < ship.maxSpeed)) {
    ship.speed += 1;
  }
  // On the lane the drive carries the ship alone.
  if (entry && ship.driveSpeed != 0) ship.speed = 0;
}

void LockOn(FlightContext& flight, ShipRecord& ship, const SystemObjectRecord& object) {
  float factor = 0;
  if (object.type == kObjectDockingRing) factor = kRingFactor;
  // Written out: the motion step recognises the launch by these exact values.
  static constexpr float kLaunchFactors[] = {1.11f, 1.12f, 1.13f};
  if (IsLaneEntry(object.type)) factor = kLaunchFactors[LaneLevelOf(object.type) - 1];
  if (factor == 0) return;
  ship.heading = object.angle;
  ship.driveSpeed = 1;
  ship.driveFactor = factor;
  if (object.type == kObjectDockingRing) {
    ship.speed = 5;
    if (IsLocal(flight.world, ship)) flight.frame.screenFade = -255;
  }
}

void Stop(FlightContext& flight, ShipRecord& ship, const SystemObjectRecord& object) {
  ship.driveSpeed = 0;
  ship.driveFactor = 1;
  ship.speed = 0;
  if (ship.dockTarget == object.id) ship.dockTarget = -1;
  if (IsLocal(flight.world, ship) && IsLaneExit(object.type) &&
      LeadsToAnotherSystem(LaneLevelOf(object.type))) {
    flight.world.systemChangePending = 1;
  }
}

// Whether this frame's motion step would carry the ship up to the exit or past it; the ship is
// then put on the exit. The braking alone can leave a ship short of the exit's stop distance or
// beyond it at rest, bound for ever (a short lane does not let the drive build up before its
// exit, a long one overshoots by hundreds of units).
bool ReachesExit(FlightContext& flight, ShipRecord& ship, const SystemObjectRecord& exit) {
  if (ship.driveSpeed <= 0) return false;
  ShipRecord next = ship;
  ApplyDriveFactor(next);
  const float step =
      (std::max(ship.speed, 0.0f) + next.driveSpeed) * 0.2f * flight.frame.timeFactor;
  const double ux = CosDeg(ship.heading);
  const double uy = SinDeg(ship.heading);
  const double ahead = (exit.x - ship.x) * ux + (exit.y - ship.y) * uy;
  if (step < ahead) return false;
  ship.x += static_cast<float>(ahead * ux);
  ship.y += static_cast<float>(ahead * uy);
  return true;
}

// One bound object's braking and stop; true when the ship stopped here.
bool BrakeAndStop(FlightContext& flight, ShipRecord& ship, const SystemObjectRecord& object) {
  const bool exit = IsLaneExit(object.type);
  if (!exit && !(object.type == kObjectDockingRing && ship.driveSpeed > 5)) return false;
  const int n = LaneLevelOf(object.type);
  const float d = RoundedDistance(object.x, object.y, ship.x, ship.y);
  if (ship.driveSpeed >= n * 500 - 100 && d < std::ldexp(500.0f, n - 1)) {
    ship.driveFactor = 0.86f - n * 0.01f;
  }
  if ((ship.driveSpeed > 0 && ship.driveSpeed <= 20 && d < 201) ||
      (exit && ReachesExit(flight, ship, object))) {
    Stop(flight, ship, object);
    return true;
  }
  return false;
}

}  // namespace

SystemObjectRecord* FindSystemObject(World& world, int id) {
  for (SystemObjectRecord& object : world.visit.systemObjects) {
    if (object.id == id) return &object;
  }
  return nullptr;
}

void RunDockingAutopilot(FlightContext& flight, ShipRecord& ship) {
  if (ship.dockTarget == -1 || ship.driveFactor != 1.0f) return;
  const SystemObjectRecord* object = FindSystemObject(flight.world, ship.dockTarget);
  if (!object) {
    // The target is gone with the system it belonged to: the request has lapsed.
    ship.dockTarget = -1;
    return;
  }
  const float d = RoundedDistance(object->x, object->y, ship.x, ship.y);
  if (d >= 5) {
    Approach(ship, *object, d);
    return;
  }
  const float diff = WrapTurn(object->angle - ship.heading);
  SteerBy(ship, diff);
  if (std::fabs(diff) >= 3) {
    ship.speed = 0;
    return;
  }
  LockOn(flight, ship, *object);
}

void RunRouteDrive(FlightContext& flight, ShipRecord& ship) {
  if (ship.dockTarget == -1) return;
  for (const SystemObjectRecord& object : flight.world.visit.systemObjects) {
    if (object.id != ship.dockTarget) continue;
    if (BrakeAndStop(flight, ship, object)) return;
  }
}

bool RunRingDocking(FlightContext& flight, ShipRecord& ship) {
  if (ship.driveFactor != kRingFactor) return false;
  World& world = flight.world;
  if (!IsLocal(world, ship)) return ship.driveSpeed > 3;
  ship.driveSpeed = 1;
  if (flight.frame.screenFade <= -26) return false;
  ship.heading = NormaliseAngle(ship.heading + 180);
  ship.speed = 10;
  ship.driveSpeed = 0;
  ship.driveFactor = 1;
  ship.dockTarget = -1;
  world.launchX = ship.x;
  world.launchY = ship.y;
  world.launchHeading = ship.heading;
  world.docking.dockedRequest = 1;
  return false;
}
