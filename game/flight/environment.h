#pragma once

#include "game/flight/flight_context.h"

// The background of a system: field-glow tints and the parallax environment pieces.
void DrawFieldGlows(FlightContext& flight);
void RunEnvironmentPieces(FlightContext& flight);
