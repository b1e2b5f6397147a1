#include "game/flight/particles.h"

void RunParticles(FlightContext& /*flight*/) {}
