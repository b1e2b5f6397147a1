#pragma once

#include <string>
#include <string_view>

#include "game/world/catalogues.h"
#include "game/world/computer_loadout.h"
#include "game/world/random.h"
#include "game/world/world_state.h"

// Computer ships as route traffic and missions create them: the group's loadout from the fixed
// table (formats/traffic_loadouts.h) and the ship type's values.

// Chooses the loadout of the group named `group` in the system `systemFolder` (a row bound to
// that system wins) into `loadout`: weapons in slot order, ready to fire, and the group's good
// with 1 + Random(0..4) units. A group without a row leaves `loadout` as it was, drawing nothing.
void TakeLoadout(ComputerLoadout& loadout, std::string_view group, std::string_view systemFolder,
                 const Catalogues& catalogues, Rng& rng);

// A computer ship (controller 0) of the loadout's ship type with the id NextObjectId (the caller
// raises it first), at (x, y) with the heading given: the type's size, agility, top speed, hull,
// energy and hold; money 1000; shield 100 of 100; standing still, no dock target, no orders.
ShipRecord MakeComputerShip(const World& world, const Catalogues& catalogues,
                            const ComputerLoadout& loadout, int group, float x, float y,
                            float heading);

// Adds the ship at the end of Ships; the list's current record stays current (code that adds
// ships from inside a walk over Ships or from a menu relies on it).
ShipRecord& AppendShip(World& world, ShipRecord ship);
