#include "game/flight/ships_pass.h"

void RunShipsPass(FlightContext& /*flight*/) {}
