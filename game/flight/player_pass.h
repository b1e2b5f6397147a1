#pragma once

#include "game/flight/flight_context.h"

// The local ship's pass: camera, the player's keys and mouse, weapons fired by the player.
void RunLocalShipPass(FlightContext& flight);
