#include "game/world/remote_ships.h"

#include <algorithm>
#include <cmath>

#include "formats/angles.h"
#include "formats/text_rules.h"
#include "game/world/geometry.h"

namespace {

// The widest values the columns hold: ten characters for x and y, five for the speed.
constexpr int kCoordinateLimit = 999999999;
constexpr int kSpeedLimit = 99999;

constexpr float kArrived = 5;

}  // namespace

void AppendRemoteWaypoint(ShipRecord& ship, int x, int y, int speed) {
  x = std::clamp(x, -kCoordinateLimit, kCoordinateLimit);
  y = std::clamp(y, -kCoordinateLimit, kCoordinateLimit);
  speed = std::clamp(speed, 0, kSpeedLimit);
  ship.orders +=
      PadLeft(FormatInt(x), 10) + PadLeft(FormatInt(y), 10) + PadLeft(FormatInt(speed), 5);
  if (ship.orders.size() > static_cast<size_t>(kMaxOrdersLength)) {
    ship.orders.erase(0, kWaypointLength);
  }
}

void FollowRemoteOrders(ShipRecord& ship) {
  if (ship.orders.size() < static_cast<size_t>(kWaypointLength)) return;
  const float targetX = static_cast<float>(ReadInt(Columns(ship.orders, 1, 10)));
  const float targetY = static_cast<float>(ReadInt(Columns(ship.orders, 11, 20)));
  const int speed = ReadInt(Columns(ship.orders, 21, 25));
  const float distance = RoundedDistance(ship.x, ship.y, targetX, targetY);
  if (distance <= kArrived) {
    ship.orders.erase(0, kWaypointLength);
    return;
  }
  // A large step would carry the ship past the waypoint and back for ever; it stops there.
  const float step = std::min(static_cast<float>(speed + 1) * 0.2f, distance);
  const float bearing = BearingDeg(targetX - ship.x, targetY - ship.y);
  ship.x += step * static_cast<float>(CosDeg(bearing));
  ship.y += step * static_cast<float>(SinDeg(bearing));
}
