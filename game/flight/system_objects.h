#pragma once

#include "game/flight/flight_context.h"

// Suns, planets, stations, docking rings, route markers and fields: their motion, hazards and
// drawing.
void RunSystemObjects(FlightContext& flight);
