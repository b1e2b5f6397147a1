#pragma once

#include "game/world/records.h"

// One frame of a ship's own motion, for every ship after its pilot: energy and shield
// regeneration, cruise and drive movement, the drive's factor with its caps, the tractor timer
// and the decaying turn. `timeFactor` scales the movement.
void MotionStep(ShipRecord& ship, float timeFactor);

// The drive speed after this frame's factor, with the route caps (which also end the launch):
// 500, 1000, 2000 for the factors 1.11, 1.12, 1.13.
void ApplyDriveFactor(ShipRecord& ship);
