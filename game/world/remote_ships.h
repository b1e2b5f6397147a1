#pragma once

#include "game/world/records.h"

// Other players' ships in a network game. The server reports where each of them is; their ships
// here follow those reports through the `orders` field, a queue of 25-character waypoints (target
// x in columns 1-10, target y in 11-20, the reported speed in 21-25, all right-aligned), instead
// of being flown by a computer pilot.

inline constexpr int kWaypointLength = 25;
// The queue keeps the newest five waypoints.
inline constexpr int kMaxOrdersLength = 125;

// Whether a ship is steered by another player: neither a computer pilot (0) nor the local player.
inline bool IsRemoteShip(const ShipRecord& ship, int localPlayerNumber) {
  return ship.controller != 0 && ship.controller != localPlayerNumber;
}

// Appends a waypoint, dropping the oldest when the queue grows past five. Values that would not
// fit their columns are clamped, so the queue's records stay 25 characters wide.
void AppendRemoteWaypoint(ShipRecord& ship, int x, int y, int speed);

// One frame of following the queue: more than 5 units from the head waypoint the ship moves
// (speed + 1) x 0.2 units towards it, never beyond it; within 5 units the waypoint is done and
// dropped. An empty queue leaves the ship where it is.
void FollowRemoteOrders(ShipRecord& ship);
