#pragma once

#include "game/stations/station_context.h"
#include "game/ui/ui_state.h"

// The weapons dealer (screen 2, tag "Waffen"): the ship's weapon records on the left, the place's
// weapon offers on the right.

void BuildWeaponsDealer(StationContext& context);

// Screen 2, its arrows, and selling (2001 + record) or buying (2501 + offer); then the screen is
// built again.
void RunWeaponsDealer(StationContext& context, int code);

// Sells weapon record i for a third of its price (the fraction dropped): the record becomes an
// empty slot, a carried record is taken out, and the place offers one more. False when record i
// holds no weapon of the catalogue.
bool SellWeapon(StationContext& context, int i);

// Buys the weapon of offer j into the first empty slot of a sufficient class, else carried.
// False when the offer names no weapon, has none left or costs more than the player's money.
bool BuyWeapon(StationContext& context, int j);

// A right click on weapon record i: a carried weapon moves into the first fitting empty slot
// (nothing happens without one); a mounted weapon leaves its slot empty and is carried.
bool MountOrUnmount(StationContext& context, int i);

// The menu loop's right click: on a choosable entry of the left list while the weapons dealer
// shows, the weapon is mounted or unmounted and ScreenState asks for the screen again.
void HandleWeaponsRightClick(StationContext& context, const UiState& ui, int mouseX, int mouseY);
