#include "sysedit/document/catalogues.h"

#include <cstdlib>
#include <system_error>

#include "formats/goods_catalogue.h"
#include "formats/group_catalogue.h"
#include "formats/ship_catalogue.h"
#include "formats/weapon_catalogue.h"

EditorCatalogues LoadEditorCatalogues(const std::filesystem::path& folder) {
  EditorCatalogues catalogues;
  catalogues.elementDefs = LoadElementDefs(folder / "_Elemente.ini");
  catalogues.peopleDefs = LoadPeopleDefs(folder / "_Leute.ini");
  catalogues.groupChoices = GroupChoices(LoadGroups(folder / "Gruppen.ini"));

  const ShipCatalogue ships = LoadShipTypes(folder / "Raumschiffe.ini");
  for (int i = 1; i <= ships.shipTypeCount; ++i) {
    catalogues.shipNames.push_back(ships.shipTypes[i].name);
  }
  const WeaponCatalogue weapons = LoadWeaponTypes(folder / "Waffen.ini");
  for (int i = 1; i <= weapons.weaponTypeCount; ++i) {
    catalogues.weaponNames.push_back(weapons.weaponTypes[i].name);
  }
  const GoodsCatalogue goods = LoadGoods(folder / "Waren.ini");
  for (int i = 1; i <= goods.goodsCount; ++i) {
    catalogues.goodsNames.push_back(goods.goods[i].name);
    // Entry 0 of the figures belongs to the unused goods index 0.
    const size_t figure = static_cast<size_t>(i);
    catalogues.goodsDefaults.push_back(
        figure < goods.defaultFigures.size() ? goods.defaultFigures[figure] : std::string("0"));
  }
  return catalogues;
}

std::filesystem::path EditorFolder(const std::filesystem::path& executableFolder) {
  if (const char* configured = std::getenv("VELMARITH_INI"); configured && *configured) {
    return configured;
  }
  std::error_code error;
  const std::filesystem::path beside = executableFolder / "INI";
  if (std::filesystem::is_directory(beside, error)) return beside;
  return std::filesystem::current_path(error);
}
