#include "game/flight/projectiles.h"

void RunProjectiles(FlightContext& /*flight*/) {}
