#pragma once

#include "game/flight/flight_context.h"

// The tractor beam's catch: when a ship's tractor timer reaches exactly 0 (50 frames after the
// pick-up key was last held), every pod within 1000 of it comes aboard. A weapon pod adds a ready
// weapon field; a cargo pod adds its amount to the first field of that good, or a new field.
// The hold's capacity is not checked.
void CollectPods(FlightContext& flight, ShipRecord& ship);
