#pragma once

#include "game/flight/flight_context.h"

// Drifting rocks and pods.
void RunFloatingObjects(FlightContext& flight);
