#pragma once

#include "game/flight/flight_context.h"

// Destroys a ship: the explosion with its sound and the pods it drops; a computer's or another
// player's ship is removed from Ships, the local ship respawns at its launch point and the
// station screen of that place opens. Call it on the current record of a walk over Ships: a
// removal leaves the cursor on the record before it, so the walk goes on with the next one.
// True when the ship was removed (its record is gone).
bool DestroyShip(FlightContext& flight, ShipRecord& ship);

// A shield impact mark seen from the ship at the given bearing (degrees), at full strength.
void AddShieldImpact(ShipRecord& ship, float bearing);

// Takes shield points; a shield beaten below 0 is down for 100 frames.
void DamageShield(ShipRecord& ship, float amount);
