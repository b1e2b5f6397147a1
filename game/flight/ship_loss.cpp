#include "game/flight/ship_loss.h"

#include <string>
#include <string_view>

#include "game/world/missions.h"
#include "game/world/ship_records.h"

namespace {

template <class Entries>
std::string NameAt(const Entries& entries, int index) {
  if (index < 1 || index >= int(entries.size())) return "?";
  return entries[size_t(index)].name;
}

}  // namespace

ShipLoss DescribeShipLoss(const World& world, const Catalogues& catalogues, const ShipRecord& ship,
                          std::size_t slotsWidth) {
  ShipLoss loss;
  loss.destroyed = true;
  for (int i = 0; i < RecordCount(ship.cargo, kShipRecordWidth); ++i) {
    const std::string_view record = RecordAt(ship.cargo, i, kShipRecordWidth);
    if (RecordAmount(record) <= 0) continue;
    loss.lines.push_back("Fracht : " + std::to_string(RecordAmount(record)) + " " +
                         NameAt(catalogues.goods.goods, RecordIndex(record)));
  }
  if (ship.weapons.size() > slotsWidth) {
    const std::string_view carried = std::string_view(ship.weapons).substr(slotsWidth);
    for (int i = 0; i < RecordCount(carried, kShipRecordWidth); ++i) {
      const std::string_view record = RecordAt(carried, i, kShipRecordWidth);
      if (BlankRecord(record) || RecordIndex(record) == 0) continue;
      loss.lines.push_back("Waffe  : " +
                           NameAt(catalogues.weapons.weaponTypes, RecordIndex(record)));
    }
  }
  if (MissionRunning(world)) {
    loss.lines.push_back("Auftrag: abgebrochen, Lohn " +
                         std::to_string(world.pendingReward.amount) + " $ verloren");
  }
  return loss;
}
