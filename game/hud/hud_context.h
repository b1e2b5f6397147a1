#pragma once

#include "game/flight/flight_context.h"
#include "game/hud/hud_state.h"

// What the HUD works on: the flight it shows and its own panel switches.
struct HudContext {
  FlightContext& flight;
  HudState& hud;
};
