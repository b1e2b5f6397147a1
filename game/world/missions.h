#pragma once

#include <string>

#include "game/world/world_state.h"

// A running mission is a marker on the local ship: its `orders` hold the target's world position
// (x and y right-aligned in 10 characters each), empty when no mission runs. The mission's ships
// carry their group index + 200; the reward waits in World::pendingReward.

inline constexpr int kMissionGroupOffset = 200;

// The marker for a target at world (x, y).
std::string MissionMarker(int x, int y);

bool MissionRunning(const World& world);

// Whether the ship was sent by a mission: group index + 200. (A mission against a name that is no
// group gives group 200, which counts too; otherwise its ships would never be waited for.)
bool IsMissionShip(const ShipRecord& ship);

// The player pass's last step: while a mission runs and none of its ships is left, the marker is
// cleared and the reward paid (a mission of no ships pays in the first flight frame).
void PayMissionRewardWhenDone(World& world);

// The player's ship was lost: the mission ends without reward and its ships leave the system.
void CancelMission(World& world);
