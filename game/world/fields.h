#pragma once

#include "game/world/random.h"
#include "game/world/world_state.h"

// Area kinds of element files: 1 mines, 2 radiation, 3 lava rocks, 4 asteroids, 5 bacteria,
// 6 gases, 7 ice rocks.
enum FieldKind {
  kMineField = 1,
  kRadiationField = 2,
  kLavaRocks = 3,
  kAsteroids = 4,
  kBacteria = 5,
  kGases = 6,
  kIceRocks = 7,
};

// Fills the circle of radius r x 1024 around (cx x 1024, cy x 1024) with mines, a radiation
// field or drifting environment pieces.
void GenerateField(World& world, Rng& rng, int kind, int cx, int cy, int r);

// The 200-piece background star field around the camera, of the kinds 1002..1007 at random or
// all of `onlyType` (the dust scattered round a respawned ship).
void AddStarField(World& world, Rng& rng, int onlyType = 0);
