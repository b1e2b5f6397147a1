#include "game/world/catalogues.h"

void DimensionCatalogues(Catalogues& catalogues) {
  catalogues.ships.shipTypes.resize(kMaxShipTypes + 1);
  catalogues.ships.shipMounts.resize(kMaxShipTypes + 1);
  catalogues.weapons.weaponTypes.resize(kMaxWeaponTypes + 1);
  if (catalogues.weapons.weaponTypes[0].name.empty()) {
    catalogues.weapons.weaponTypes[0].name = std::string(kEmptyWeaponName);
  }
  catalogues.goods.goods.resize(kMaxGoods + 1);
  catalogues.groupTexts.groupTexts.resize(kMaxGroupTexts + 1);
}

void FillCompassLabels(std::array<std::string, 360>& labels) {
  static const char* const kDirections[] = {"N", "NO", "O", "SO", "S", "SW", "W", "NW"};
  for (int degree = 0; degree < 360; ++degree) {
    if (degree % 45 == 0) {
      labels[degree] = kDirections[degree / 45];
    } else if (degree % 15 == 0) {
      labels[degree] = "  ";
    } else {
      labels[degree].clear();
    }
  }
}
