#pragma once

#include <string>

#include "game/flight/flight_context.h"

// A ship's weapons: 10-character fields, the weapon index in characters 1-5 (blank = an empty
// slot) and the slot's cooldown in frames in 6-10, both left-aligned. A slot fires when its
// cooldown is 0; each shot sets it to 50 / fire rate frames (the rates are shots per second at
// 50 frames per second).

int WeaponFieldCount(const std::string& weapons);
bool WeaponFieldBlank(const std::string& weapons, int field);
int WeaponFieldIndex(const std::string& weapons, int field);
int WeaponFieldCooldown(const std::string& weapons, int field);
void SetWeaponFieldCooldown(std::string& weapons, int field, int cooldown);

// 50 / fire rate, rounded. A rate of 0 or less (or one so low that the frames would not fit the
// field's 5 characters) gives 99999: the slot waits for ever instead of dividing by nothing.
int CooldownFrames(float fireRate);

// First in each ship's turn: every non-blank slot with a cooldown above 0 counts one down.
void CountCooldowns(ShipRecord& ship);

// The weapon type of an index; null outside 1..WeaponTypeCount ("-LEER-" and broken indices fire
// nothing).
const WeaponType* ShotWeapon(const Catalogues& catalogues, int weapon);

// One shot of the local player's slot: nothing unless the energy covers it; the energy is spent
// even when the pointer lies more than 45 degrees off the mount's line and no shot leaves. A mine
// is laid behind the ship whatever the pointer. True when a projectile was made. The aim is a
// point of the screen: the pointer, or for the pad's A a point straight ahead of the nose.
bool FireWeaponPlayer(FlightContext& flight, ShipRecord& ship, int slot, float aimX, float aimY);

// One shot of a computer ship's slot, `aimError` degrees off its heading (no 45-degree limit and
// no rule of its own for mines).
bool FireWeaponComputer(FlightContext& flight, ShipRecord& ship, int slot, float aimError);

// The right mouse button held: every ready slot of the ship type's slots fires at the pointer,
// and its cooldown starts again whether or not a shot left.
void FirePlayerWeapons(FlightContext& flight, ShipRecord& ship);
// The same, aimed at a point of the screen.
void FirePlayerWeaponsAt(FlightContext& flight, ShipRecord& ship, float aimX, float aimY);

// A computer ship's attack: every ready field fires, in slot order, each with its own aim error of
// random 0..10 - diff - 5 (diff: the turn still needed towards the target).
void FireComputerWeapons(FlightContext& flight, ShipRecord& ship, float diff);
