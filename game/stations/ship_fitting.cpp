#include "game/stations/ship_fitting.h"

#include "formats/object_kinds.h"
#include "formats/text_rules.h"
#include "game/stations/trade_records.h"

int ShipTypeOf(const Catalogues& catalogues, const ShipRecord& ship) {
  const int t = ShipTypeOfPicture(ship.type);
  if (t < 0 || t >= static_cast<int>(catalogues.ships.shipTypes.size())) return 0;
  return t;
}

const ShipType& ShipTypeEntry(const Catalogues& catalogues, int shipType) {
  static const ShipType kNoType;
  const std::vector<ShipType>& types = catalogues.ships.shipTypes;
  if (shipType < 0 || shipType >= static_cast<int>(types.size())) return kNoType;
  return types[shipType];
}

int SlotClass(const ShipType& type, int k) {
  if (k < 0 || k >= type.slotCount) return 0;
  return ReadInt(Columns(type.slotClasses, 5 * k + 1, 5 * k + 5));
}

int CatalogueWeapon(const Catalogues& catalogues, std::string_view record) {
  const int weapon = RecordIndex(record);
  if (weapon < 1 || weapon > catalogues.weapons.weaponTypeCount ||
      weapon >= static_cast<int>(catalogues.weapons.weaponTypes.size())) {
    return 0;
  }
  return weapon;
}

int FittingBlank(const std::string& weapons, const ShipType& type, int weaponClass) {
  const int count = RecordCount(weapons, kShipRecordWidth);
  for (int k = 0; k < count; ++k) {
    if (BlankRecord(RecordAt(weapons, k, kShipRecordWidth)) && SlotClass(type, k) >= weaponClass) {
      return k;
    }
  }
  return -1;
}

void FitWeapon(std::string& weapons, const ShipType& type, int weaponClass,
               const std::string& record) {
  const int slot = FittingBlank(weapons, type, weaponClass);
  if (slot >= 0) {
    ReplaceRecord(weapons, slot, kShipRecordWidth, record);
  } else {
    AppendRecord(weapons, kShipRecordWidth, record);
  }
}

void CloseCarriedGap(std::string& weapons, const ShipType& type) {
  const int count = RecordCount(weapons, kShipRecordWidth);
  for (int k = type.slotCount; k < count; ++k) {
    if (BlankRecord(RecordAt(weapons, k, kShipRecordWidth))) {
      RemoveRecord(weapons, k, kShipRecordWidth);
      return;
    }
  }
}

std::string CarryAllWeapons(const std::string& weapons, const ShipType& newType) {
  std::string result(static_cast<size_t>(std::max(newType.slotCount, 0)) * kShipRecordWidth, ' ');
  const int count = RecordCount(weapons, kShipRecordWidth);
  for (int k = 0; k < count; ++k) {
    const std::string_view record = RecordAt(weapons, k, kShipRecordWidth);
    if (!BlankRecord(record)) result += record;
  }
  return result;
}
