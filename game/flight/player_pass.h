#pragma once

#include "game/flight/flight_context.h"

// The local ship's pass, at the start of the simulation: the camera follows the ship, and the
// player's keys and mouse fly it. What the player asks of saved games and the network (F5, the
// movement report) is left in flight.requests for the shell.
void RunLocalShipPass(FlightContext& flight);

// The turn the pointer asks for while steering by mouse: towards the side of the pointer, harder
// the nearer the pointer is to level with the ship, at most 45 either way.
float MouseTurnRate(int mouseX, int mouseY);
