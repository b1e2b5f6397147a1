#pragma once

#include <array>
#include <string>

#include "formats/goods_catalogue.h"
#include "formats/group_catalogue.h"
#include "formats/kind_defs.h"
#include "formats/ship_catalogue.h"
#include "formats/text_collections.h"
#include "formats/weapon_catalogue.h"

// The catalogues read at start-up. Their arrays always have their full bounds (ship types,
// weapon types and goods 0..100, groups 0..300), so any index inside the bounds is safe.
struct Catalogues {
  ShipCatalogue ships;      // ShipTypes, ShipMounts, ShipTypeCount
  WeaponCatalogue weapons;  // WeaponTypes ([0] "-LEER-"), WeaponTypeCount
  GroupCatalogue groups;    // GroupNames, GroupRelations, GroupCount
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
