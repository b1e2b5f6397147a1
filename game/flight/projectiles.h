#pragma once

#include "game/flight/flight_context.h"

// How the projectile pass finds the ships a projectile may touch: through a grid of the ships
// (the game's way), or by walking every ship for every step (the plain rule; tests compare the
// two).
enum class ShipSearch { kGrid, kEveryShip };

// Shots, rockets and mines: homing, flight in sub-steps with their trails, hits on ships (a
// player's shot angers the groups it passes), drifting bodies and large bodies near the camera,
// drawing, and the explosion of mines and rockets at their end.
void RunProjectiles(FlightContext& flight, ShipSearch search = ShipSearch::kGrid);

// What one projectile does to one ship in one sub-step: the broad box angers a group the player
// shot at, a hit takes the shield or (with the shield down) the hull, and a hull at 0 or below
// destroys the ship, counted against the player's standing when the player shot. True when a ship
// was destroyed (the ships list may have changed).
bool TouchShip(FlightContext& flight, ProjectileRecord& projectile, ShipRecord& ship);
