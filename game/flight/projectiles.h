#pragma once

#include "game/flight/flight_context.h"

// Shots, rockets and mines: flight, hits and drawing.
void RunProjectiles(FlightContext& flight);
