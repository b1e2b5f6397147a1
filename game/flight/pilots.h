#pragma once

#include "game/flight/flight_context.h"

// The computer pilots: each computer ship hunts the nearest ship of a group its own is hostile
// to, or follows its orders queue from waypoint to waypoint, docking where a waypoint asks for it,
// or coasts to a stop. Ships bound to a ring or lane leave the flying to the autopilot.

// How near a docking waypoint the last ring or lane entry within reach binds the ship.
inline constexpr float kDockingReach = 500;

// The nearest other ship towards whose group the ship's group is hostile (-0.5 or below) and
// nearer than 3000; null when there is none. Of equally near ships the first in the list wins.
const ShipRecord* FindTarget(const World& world, const ShipRecord& ship);

// One frame of a computer ship's pilot, after the docking autopilot and before the motion step.
void RunComputerPilot(FlightContext& flight, ShipRecord& ship);
