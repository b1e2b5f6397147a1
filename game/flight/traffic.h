#pragma once

#include "game/flight/flight_context.h"

// Route traffic: computer ships spawned on the current system's routes.
void SpawnRouteTraffic(FlightContext& flight);
