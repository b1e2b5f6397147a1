#pragma once

#include "game/world/world_state.h"

// The flight plane's shared formulas: distances, bearings and the view that turns the system
// around the local ship. Angles are degrees, 0 along +x and growing towards screen-down.

// Where the local ship is drawn; the view is centred there and turned so that it points up.
inline constexpr float kShipScreenX = 512;
inline constexpr float kShipScreenY = 612;

// The hardest steering of any ship, degrees of turnRate either way (the turn a frame is
// turnRate / 100 x agility).
inline constexpr float kMaxTurnRate = 45;

// What ViewTransform sets for a point it accepts: the point's distance from the camera and its
// offset from the ship's screen position.
struct ViewPoint {
  float viewDistance = 0;
  float viewOffsetX = 0;
  float viewOffsetY = 0;
};

// Puts the point (px, py) into the view of a camera at (cameraX, cameraY) turned by
// cameraHeading. False, leaving `view` unchanged, when the point lies outside the square of
// half-side `range` around the camera or `range` or farther from it. A point straight ahead of
// the camera is drawn straight above the ship.
bool ViewTransform(float cameraX, float cameraY, float cameraHeading, float px, float py,
                   float range, ViewPoint& view);

// The same with the world's camera and the local ship's heading.
bool ViewTransform(const World& world, float px, float py, float range, ViewPoint& view);

// Straight-line distance between two points given as whole units.
float Distance(int x1, int y1, int x2, int y2);

// Distance between two world positions, each coordinate rounded to whole units first.
float RoundedDistance(float x1, float y1, float x2, float y2);

// The direction of (dx, dy) in degrees, in (-90, 270): atan(dy / dx), plus 180 when dx < 0;
// -90 for (0, negative) and 90 for (0, 0 or positive).
float BearingDeg(float dx, float dy);

// Into [0, 360).
float NormaliseAngle(float a);

// Into [-180, 180]: the turn from one direction to another.
float WrapTurn(float a);

// The rotation of a picture of something heading `heading`, drawn in the view of the local ship:
// pictures point along +x, the view turns the local ship's heading to straight up.
float SpriteRotation(float heading, float playerHeading);

// Whether two points lie inside the square of half-side `range` around each other.
inline bool InBox(float x1, float y1, float x2, float y2, float range) {
  const float dx = x1 - x2;
  const float dy = y1 - y2;
  return dx < range && dx > -range && dy < range && dy > -range;
}
