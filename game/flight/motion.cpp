#include "game/flight/motion.h"

#include <cmath>

#include "formats/angles.h"
#include "game/world/geometry.h"

namespace {

void Regenerate(ShipRecord& ship) {
  if (ship.energy < ship.maxEnergy) ship.energy += ship.maxEnergy * 0.003f;
  if (ship.shield < ship.maxShield && ship.shieldDownTimer == 0) {
    ship.shield += ship.maxShield * 0.002f;
  }
  if (ship.shieldDownTimer > 0) {
    ship.shieldDownTimer -= 1;
    if (ship.shieldDownTimer < 1) ship.shield = ship.maxShield / 6.0f;
  }
}

void Move(ShipRecord& ship, float speed, float timeFactor) {
  const double radians = ship.heading * kRadiansPerDegree;
  ship.x += static_cast<float>(std::cos(radians) * speed * 0.2 * timeFactor);
  ship.y += static_cast<float>(std::sin(radians) * speed * 0.2 * timeFactor);
}

}  // namespace

void ApplyDriveFactor(ShipRecord& ship) {
  ship.driveSpeed *= ship.driveFactor;
  struct Cap {
    float factor, limit;
  };
  static constexpr Cap kCaps[] = {
      {1.11f, LaneDriveCap(1)}, {1.12f, LaneDriveCap(2)}, {1.13f, LaneDriveCap(3)}};
  for (const Cap& cap : kCaps) {
    if (ship.driveFactor == cap.factor && ship.driveSpeed > cap.limit) {
      ship.driveSpeed = cap.limit;
      ship.driveFactor = 1;
    }
  }
}

void MotionStep(ShipRecord& ship, float timeFactor) {
  Regenerate(ship);
  Move(ship, ship.speed, timeFactor);
  ApplyDriveFactor(ship);
  if (ship.driveSpeed > 0) Move(ship, ship.driveSpeed, timeFactor);
  if (ship.tractorTimer >= 0) ship.tractorTimer -= 2;
  ship.turnRate *= 0.9f;
  if (std::fabs(ship.turnRate) < 0.2f) ship.turnRate = 0;
  if (ship.driveSpeed < 1) ship.heading += ship.turnRate / 100 * ship.agility;
  ship.heading = NormaliseAngle(ship.heading);
}
