#pragma once

#include "game/stations/station_context.h"

// The ship dealer (screen 6, tag "Schiffe"): the player's ship on the left, the place's ship
// offers on the right.

void BuildShipDealer(StationContext& context);

// Screen 6, its arrows, and buying (6501 + offer); then the screen is built again.
void RunShipDealer(StationContext& context, int code);

// Buys the ship of offer j; the old ship is not taken in payment. Every weapon is unmounted and
// carried; the ship takes the new type's picture, size, agility, speed, hull, energy and hold.
// Shield, cargo, money and position stay; cargo beyond the new hold is kept (buying goods waits
// until it fits). False when the offer names no ship type, has none left or is too dear.
bool BuyShip(StationContext& context, int j);
