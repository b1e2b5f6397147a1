#pragma once

#include <string>

#include "formats/record_fields.h"
#include "game/world/catalogues.h"
#include "game/world/records.h"

// How weapons sit on a ship: the first slotCount records of `weapons` are its mounted slots, the
// records after them weapons carried but not mounted. A slot takes a weapon whose class is at
// most the slot's class.

// The ship type of a ship (type 2000 + index); the empty entry 0 for a code outside the catalogue.
int ShipTypeOf(const Catalogues& catalogues, const ShipRecord& ship);
const ShipType& ShipTypeEntry(const Catalogues& catalogues, int shipType);

// The class of slot k (from 0): field k of the type's slot classes; 0 beyond its slots.
int SlotClass(const ShipType& type, int k);

// The weapon type a record holds when it is one of the catalogue (1..count); 0 otherwise.
int CatalogueWeapon(const Catalogues& catalogues, std::string_view record);

// The first empty record whose slot can take the weapon; -1 when there is none.
int FittingBlank(const std::string& weapons, const ShipType& type, int weaponClass);

// Takes a weapon record into the first fitting empty slot, or carries it at the end.
void FitWeapon(std::string& weapons, const ShipType& type, int weaponClass,
               const std::string& record);

// Removes the first empty record among the carried ones, so carried weapons leave no gap.
void CloseCarriedGap(std::string& weapons, const ShipType& type);

// Every weapon unmounted: slotCount empty slots, then the old records without empty ones.
std::string CarryAllWeapons(const std::string& weapons, const ShipType& newType);
