#pragma once

#include "game/flight/flight_context.h"

// Route traffic: computer ships spawned on the current system's routes (INI\<system>\Routen.ini).

// How far back the traffic met on arrival reaches: a minute of spawn chances, about as long as a
// ship needs for a route of the sample systems.
inline constexpr int kArrivalSeedFrames = 3000;

// The chance at the start of each frame: one in 201, and never in a network game. The first frame
// of a visit first seeds the traffic met on arrival.
void SpawnRouteTraffic(FlightContext& flight);

// The traffic the spawn chance would have built up over the last kArrivalSeedFrames frames: each
// ship spawned then is flown ahead along its orders by its age, at full speed, riding the lanes
// inside the system; ships that would have docked or left the system by now are not placed.
void SeedArrivalTraffic(FlightContext& flight);

// One ship on a route drawn from the file: the group's loadout, placed at the system object
// nearest to the route's first point, with the route's other points as its orders. Nothing when
// the file holds no such route.
void SpawnOnRoute(FlightContext& flight);
