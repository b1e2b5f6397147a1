#pragma once

#include <string>

#include "game/world/world_state.h"

// Lane colours: 1 blue (inside a system), 2 green, 3 red (to other systems).
// Builds the two lanes of a route: markers every colour² x 1000 units along the angle, 160 units
// to either side of the centre line; the first lane (id + 1) runs out along the angle and is named
// after the far end, the second (id + 2) runs back and is named after the near end. A length
// beyond kMaxRouteLength segments is laid as that many.
void AddRoute(World& world, int id, int colour, int x, int y, int angle, int length, int group,
              const std::string& name);
