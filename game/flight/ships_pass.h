#pragma once

#include "game/flight/flight_context.h"

// Every ship: computer pilots, motion, collisions, damage and drawing.
void RunShipsPass(FlightContext& flight);
