#include "game/world/geometry.h"

#include <cmath>

#include "formats/angles.h"
#include "formats/rounding.h"

namespace {

constexpr double kHalfPi = 1.5707963267948966;
constexpr double kPi = 3.141592653589793;

}  // namespace

bool ViewTransform(float cameraX, float cameraY, float cameraHeading, float px, float py,
                   float range, ViewPoint& view) {
  const double dx = double(cameraX) - px;
  const double dy = double(cameraY) - py;
  if (std::fabs(dx) >= range || std::fabs(dy) >= range) return false;
  const double d = std::sqrt(dx * dx + dy * dy);
  if (d >= range) return false;
  double phi = 0;
  if (dx == 0) {
    phi = dy < 0 ? -kHalfPi : kHalfPi;
  } else {
    phi = std::atan(dy / dx);
    if (dx < 0) phi += kPi;
  }
  const double turned = phi - cameraHeading * kRadiansPerDegree + kHalfPi;
  view.viewDistance = static_cast<float>(d);
  view.viewOffsetX = static_cast<float>(d * std::cos(turned));
  view.viewOffsetY = static_cast<float>(d * std::sin(turned));
  return true;
}

bool ViewTransform(const World& world, float px, float py, float range, ViewPoint& view) {
  return ViewTransform(world.cameraX, world.cameraY, world.playerHeading, px, py, range, view);
}

float Distance(int x1, int y1, int x2, int y2) {
  const double dx = double(x1) - x2;
  const double dy = double(y1) - y2;
  return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}

float RoundedDistance(float x1, float y1, float x2, float y2) {
  return Distance(RoundToInt(x1), RoundToInt(y1), RoundToInt(x2), RoundToInt(y2));
}

float BearingDeg(float dx, float dy) {
  if (dx == 0) return dy < 0 ? -90.0f : 90.0f;
  double degrees = std::atan(double(dy) / dx) / kRadiansPerDegree;
  if (dx < 0) degrees += 180;
  return static_cast<float>(degrees);
}

float NormaliseAngle(float a) {
  // Far-off values (a broken record) are brought near first, so the loops below stay short.
  if (a >= 3600.0f || a < -3600.0f) a = std::fmod(a, 360.0f);
  while (a >= 360.0f) a -= 360.0f;
  while (a < 0.0f) a += 360.0f;
  return a;
}

float WrapTurn(float a) {
  if (a > 3600.0f || a < -3600.0f) a = std::fmod(a, 360.0f);
  while (a > 180.0f) a -= 360.0f;
  while (a < -180.0f) a += 360.0f;
  return a;
}

float SpriteRotation(float heading, float playerHeading) {
  return heading - playerHeading + 270.0f;
}
