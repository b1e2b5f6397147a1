#pragma once

#include "game/world/records.h"

// One frame of a ship's own motion, for every ship after its pilot: energy and shield
// regeneration, cruise and drive movement, the drive's factor with its caps, the tractor timer
// and the decaying turn. `timeFactor` scales the movement.
void MotionStep(ShipRecord& ship, float timeFactor);

// The drive's top speed on a lane of the level (1 to 3): 500, 1000, 2000.
constexpr float LaneDriveCap(int laneLevel) {
  return laneLevel >= 3 ? 2000.0f : laneLevel == 2 ? 1000.0f : 500.0f;
}

// The drive speed after this frame's factor, with the lane caps (which also end the launch) for
// the factors 1.11, 1.12, 1.13.
void ApplyDriveFactor(ShipRecord& ship);
