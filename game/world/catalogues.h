#pragma once

#include <array>
#include <string>

#include "formats/goods_catalogue.h"
#include "formats/kind_defs.h"
#include "formats/ship_catalogue.h"
#include "formats/text_collections.h"
#include "formats/weapon_catalogue.h"

// The catalogues read at start-up, for the whole run. Their arrays always have their full bounds
// (ship types, weapon types and goods 0..100), so any index inside the bounds is safe. The groups
// and their attitudes belong to the game (World::groups): they are read anew for each game.
struct Catalogues {
  ShipCatalogue ships;      // ShipTypes, ShipMounts, ShipTypeCount
  WeaponCatalogue weapons;  // WeaponTypes ([0] "-LEER-"), WeaponTypeCount
  GoodsCatalogue goods;     // Goods
  KindDefs elementDefs;     // ElementDefs, for the system map colours
  GroupTexts groupTexts;
  BriefingTexts briefingTexts;
  std::array<std::string, 360> compassLabels;
};

// Gives every catalogue array its full bounds, keeping what was read.
void DimensionCatalogues(Catalogues& catalogues);

// "N" at 0, "NO" at 45, ... two blanks at the other multiples of 15, empty elsewhere.
void FillCompassLabels(std::array<std::string, 360>& labels);
