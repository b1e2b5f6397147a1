#pragma once

#include "game/flight/flight_context.h"

// Route traffic: computer ships spawned on the current system's routes (INI\<system>\Routen.ini).

// The chance at the start of each frame: one in 201, and never in a network game.
void SpawnRouteTraffic(FlightContext& flight);

// One ship on a route drawn from the file: the group's loadout, placed at the system object
// nearest to the route's first point, with the route's other points as its orders. Nothing when
// the file holds no such route.
void SpawnOnRoute(FlightContext& flight);
