#include "game/flight/player_pass.h"

void RunLocalShipPass(FlightContext& /*flight*/) {}
