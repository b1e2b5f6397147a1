#pragma once

#include "game/flight/flight_context.h"

// One frame of a particle's ageing by the rule its sprite selects; a particle too faint (alpha
// below 32) or too small (size below 2) gets life 0.
void AgeParticle(ParticleRecord& particle);

// Particles: each moves, ages, is drawn when near the camera and is removed when its life is out.
void RunParticles(FlightContext& flight);
