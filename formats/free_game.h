#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "formats/group_catalogue.h"
#include "formats/place_scan.h"
#include "formats/save_file.h"
#include "formats/ship_catalogue.h"
#include "formats/ship_record.h"
#include "formats/weapon_catalogue.h"

// What a new free game starts with, in one place: the game's "Freies Spiel", the template game
// every new network character gets, and the tools that assume a starting player all read these.

inline constexpr std::string_view kFreeGameStartPlace = "Planet Neue Allianz";
inline constexpr std::string_view kFreeGameStartWeapon = "Loku I";
inline constexpr int kFreeGameStartWeaponCount = 3;
inline constexpr int kFreeGameShipType = 1;  // index into the ship catalogue
inline constexpr float kFreeGameStartX = 45001;
inline constexpr float kFreeGameStartY = 79300;
inline constexpr float kFreeGameStartHeading = 270;
inline constexpr int kFreeGameStartMoney = 10000;
inline constexpr int kFreeGameShield = 100;  // shield and maxShield
inline constexpr int kFreeGameImpactSprite = 11;
// Once the start system is entered the ship waits at the station as after a docking.
inline constexpr float kFreeGameDockedSpeed = 10;

// The local player's ship is always the first ship, with this id and controller.
inline constexpr int kLocalShipId = 10;
inline constexpr int kLocalShipController = 1;
// Object ids of the system around a new or loaded game count on from here.
inline constexpr int kNextObjectIdAtStart = 100;

// One 10-character weapon field of a ship: the weapon index left-aligned in 5 characters, then a
// cooldown of 0 ("7    0    ").
std::string ShipWeaponRecord(int weaponIndex);

// The new player's ship as the free game creates it, before the start system is entered: ship
// type 1 of the catalogue (an empty type when the catalogue has none), three "Loku I" (weapon
// index 0 when the catalogue has no such weapon), at the start point, speed 0.
ShipRecord NewPlayerShip(const ShipCatalogue& ships, const WeaponCatalogue& weapons);

// What the free game does to the ship after entering the start system: speed 10, drive off,
// drive factor 1, no dock target.
void SettleFreeGameShip(ShipRecord& ship);

// A fresh free game as a save holds it once the player stands in the start station: docked at
// the start place, the ship settled, the player's attitudes from the group catalogue, every place
// of the scan unknown but the start place, each with the stock line the scan read.
SavedGame FreeGameSave(const ShipCatalogue& ships, const WeaponCatalogue& weapons,
                       const GroupCatalogue& groups, const std::vector<ScannedPlace>& places);

// The same from a game folder's INI files, read as the game reads them at start-up.
SavedGame LoadFreeGameSave(const std::filesystem::path& gameFolder);
