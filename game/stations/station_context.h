#pragma once

#include "game/stations/station_state.h"
#include "game/ui/menu_state.h"
#include "game/world/catalogues.h"
#include "game/world/random.h"
#include "game/world/world_state.h"

// What the dealers and the people work on: the screen being built, the game (the local ship is
// the first of its ships), the visit's copies of the place's lines and its people, the catalogues
// and the game's chance (mission ships are placed at random).
struct StationContext {
  MenuState& menu;
  World& world;
  StationState& station;
  const Catalogues& catalogues;
  Rng& rng;
};
