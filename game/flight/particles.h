#pragma once

#include "game/flight/flight_context.h"

// Particles: ageing, motion and drawing.
void RunParticles(FlightContext& flight);
