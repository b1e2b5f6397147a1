#pragma once

#include "game/flight/flight_context.h"

// Suns, planets, stations, docking rings, route markers and radiation fields in flight: planets
// turn, rings and lanes in use stream plasma, suns and planets burn and crush ships, radiation
// fields eat hulls, stations are solid; then every object is drawn and marked and can be
// selected by a left click. The heat and field warnings are recomputed here each frame.
void RunSystemObjects(FlightContext& flight);

// What an object does to one ship that touches it (the broad test passed): burning, crushing,
// radiation, a station's hard hull. False when the ship was destroyed and removed.
bool CollideShip(FlightContext& flight, const SystemObjectRecord& object, ShipRecord& ship);

// Draws one object with its running lights, labels, brackets or edge marker, and selects it on a
// left click near it.
void DrawSystemObject(FlightContext& flight, const SystemObjectRecord& object);
