#include "tests/game/stations/station_fixture.h"

#include <iterator>

StationTest::StationTest() {
  station.currentShipOffers = Offer("Frachter", -1) + Offer("Kutter", 1);
  station.currentWeaponOffers = Offer("Loku I", -1) + Offer("Loku III", 1) + Offer("Orkan", -1);
  station.currentGoodsOffers = Offer("Wasser", -1) + Offer("Kristalle", -1) + Offer("Erz", -1);
  station.currentGoodsPrices = Offer("Wasser", 1) + Offer("Kristalle", 20) + Offer("Erz", -1);
}

PersonRecord& StationTest::AddPerson(const std::string& mainKind, const std::string& subKind) {
  station.stationPeople.Reset();
  while (station.stationPeople.Next()) {
  }
  PersonRecord person;
  person.mainKind = mainKind;
  person.subKind = subKind;
  return station.stationPeople.Add(person);
}

const MenuItemRecord& StationTest::Item(int position) const {
  auto it = menu.menuItems.begin();
  std::advance(it, position);
  return *it;
}

const MenuItemRecord* StationTest::FindItem(const std::string& caption) const {
  for (const MenuItemRecord& item : menu.menuItems) {
    if (item.caption == caption) return &item;
  }
  return nullptr;
}
