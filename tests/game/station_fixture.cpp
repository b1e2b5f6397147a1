#include "station_fixture.h"

#include <iterator>

namespace {

ShipType MakeShip(const char* name, int size, int slots, const char* classes, int hull, int cargo,
                  int price) {
  ShipType type;
  type.name = name;
  type.size = size;
  type.slotCount = slots;
  type.slotClasses = classes;
  type.hull = hull;
  type.maxSpeed = 40 + slots;
  type.agility = 10 + slots;
  type.energy = 100 * slots;
  type.cargoCapacity = cargo;
  type.price = price;
  return type;
}

WeaponType MakeWeapon(const char* name, int weaponClass, int price) {
  WeaponType weapon;
  weapon.name = name;
  weapon.weaponClass = weaponClass;
  weapon.kind = 1;
  weapon.fireRate = 4.5f;
  weapon.speed = 30;
  weapon.range = 900;
  weapon.hullDamage = 4;
  weapon.shieldDamage = 5;
  weapon.energyPerShot = 3;
  weapon.price = price;
  return weapon;
}

std::string GroupFileLine(int number, const std::string& name, const std::string& attitudes) {
  return PadRight(std::to_string(number), 5) + PadRight(name, 25) + attitudes + "\r\n";
}

}  // namespace

StationTest::StationTest() {
  catalogues.ships.shipTypes = {ShipType{},
                                MakeShip("Pionier", 24, 3, "1    1    2    ", 300, 20, 8000),
                                MakeShip("Frachter", 60, 2, "1    1    ", 600, 200, 3000),
                                MakeShip("Kutter", 20, 1, "1    ", 100, 2, 2000)};
  catalogues.ships.shipTypeCount = 3;
  catalogues.weapons.weaponTypes = {MakeWeapon("-LEER-", 0, 0), MakeWeapon("Loku I", 1, 400),
                                    MakeWeapon("Loku III", 2, 1000), MakeWeapon("Orkan", 4, 5000),
                                    MakeWeapon("Nadel", 1, 1351)};
  catalogues.weapons.weaponTypeCount = 4;
  catalogues.goods.goods = {GoodsRecord{}, GoodsRecord{"Wasser", 4, 301},
                            GoodsRecord{"Kristalle", 300, 70}, GoodsRecord{"Erz", 10, 99}};
  catalogues.goods.goodsCount = 3;
  world.groups = ReadGroups(GroupFileLine(0, "Spieler", "1    ") +
                            GroupFileLine(1, "Die Allianz", "0.5  1    ") +
                            GroupFileLine(2, "Die Blacks", "0    -0.8 0    "));

  for (const char* name : {"Planet Neue Allianz", "Station Wacht"}) {
    world.places.Reset();
    while (world.places.Next()) {
    }
    world.places.Add({.name = name, .systemFolder = "Heimat"});
  }
  world.docking.dockedPlace = "Planet Neue Allianz";
  world.visit.currentSystemFolder = "Heimat";
  world.visit.currentSystemX = 100000;
  world.visit.currentSystemY = 200000;
  AddShip(world.ships, {.type = 2001,
                        .id = 10,
                        .controller = 1,
                        .radius = 24,
                        .money = 10000,
                        .weapons = Weapon(1) + Weapon(1) + Weapon(1),
                        .cargoCapacity = 20,
                        .hull = 300,
                        .maxHull = 300,
                        .shield = 100,
                        .maxShield = 100,
                        .dockTarget = -1});
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
