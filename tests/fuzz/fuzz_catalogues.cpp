// Ship, weapon, group and goods catalogues; the first byte picks the reader.
#include "formats/goods_catalogue.h"
#include "formats/group_catalogue.h"
#include "formats/ship_catalogue.h"
#include "formats/weapon_catalogue.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view bytes = FuzzBytes(data + 1, size - 1);
  ReadIssues issues;
  switch (data[0] % 4) {
    case 0: {
      const ShipCatalogue ships = ReadShipTypes(bytes, &issues);
      FuzzRequire(ships.shipTypeCount <= kMaxShipTypes, "at most 100 ship types");
      FuzzRequire(ships.shipTypes.size() == static_cast<size_t>(ships.shipTypeCount) + 1,
                  "one record per ship type");
      for (int n = 1; n <= ships.shipTypeCount; ++n) {
        FuzzRequire(ShipTypeIndex(ships, ships.shipTypes[n].name) >= n, "names are found");
      }
      break;
    }
    case 1: {
      const WeaponCatalogue weapons = ReadWeaponTypes(bytes, &issues);
      FuzzRequire(weapons.weaponTypes.at(0).name == kEmptyWeaponName, "entry 0 is empty");
      FuzzRequire(weapons.weaponTypeCount <= kMaxWeaponTypes, "at most 100 weapon types");
      break;
    }
    case 2: {
      const GroupCatalogue groups = ReadGroups(bytes, &issues);
      FuzzRequire(groups.groupCount < kMaxGroups, "at most 100 groups");
      for (int a = 0; a <= groups.groupCount; ++a) {
        for (int b = 0; b <= groups.groupCount; ++b) {
          FuzzRequire(GroupRelation(groups, a, b) == GroupRelation(groups, b, a),
                      "attitudes are symmetric");
        }
      }
      (void)GroupChoices(groups);
      (void)GroupIndex(groups, bytes);
      break;
    }
    default: {
      GoodsCatalogue goods = ReadGoods(bytes, &issues);
      ComputeTotalStock(goods, {std::string(bytes), std::string(bytes)});
      break;
    }
  }
  return 0;
}
