// How long the dealers take to build their screens from long offer lines (the screen is built
// again after every purchase, and a held button buys once a frame):
//   build/bench/bench_station_dealers
// Catalogues of 100 weapons, ship types and goods; 200 offers and stock records; the lists
// scrolled to the middle. Prints the median of five batches per screen.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "formats/place_file.h"
#include "formats/text_rules.h"
#include "game/stations/dealer_list.h"
#include "game/stations/goods_trader.h"
#include "game/stations/ship_dealer.h"
#include "game/stations/weapons_dealer.h"
#include "game/world/world_lists.h"

namespace {

constexpr int kOffers = 200;
constexpr int kTypes = 100;

template <class Work>
double MedianMs(int runs, Work work) {
  std::vector<double> batches;
  for (int batch = 0; batch < 5; ++batch) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i) work();
    const auto took = std::chrono::steady_clock::now() - start;
    batches.push_back(std::chrono::duration<double, std::milli>(took).count() / runs);
  }
  std::sort(batches.begin(), batches.end());
  return batches[2];
}

std::string Name(const char* stem, int n) {
  return std::string(stem) + " " + std::to_string(n);
}

void FillCatalogues(Catalogues& catalogues) {
  catalogues.ships.shipTypes.resize(kTypes + 1);
  catalogues.weapons.weaponTypes.resize(kTypes + 1);
  catalogues.goods.goods.resize(kTypes + 1);
  catalogues.weapons.weaponTypes[0].name = "-LEER-";
  for (int n = 1; n <= kTypes; ++n) {
    ShipType& ship = catalogues.ships.shipTypes[n];
    ship.name = Name("Schiff", n);
    ship.slotCount = 4;
    ship.slotClasses = "2    2    3    3    ";
    ship.price = 1000 * n;
    WeaponType& weapon = catalogues.weapons.weaponTypes[n];
    weapon.name = Name("Waffe", n);
    weapon.weaponClass = 1 + n % 3;
    weapon.price = 100 * n;
    catalogues.goods.goods[n] = {Name("Ware", n), 10 * n, 1000 * n};
  }
  catalogues.ships.shipTypeCount = kTypes;
  catalogues.weapons.weaponTypeCount = kTypes;
  catalogues.goods.goodsCount = kTypes;
}

std::string Offers(const char* stem) {
  std::string line;
  for (int k = 0; k < kOffers; ++k) {
    line += MakeOfferRecord(Name(stem, 1 + k % kTypes), k % 7 == 0 ? "-1" : "3");
  }
  return line;
}

}  // namespace

int main() {
  World world;
  StationState station;
  MenuState menu;
  Catalogues catalogues;
  Rng rng;
  FillCatalogues(catalogues);
  for (int p = 0; p < 20; ++p) world.places.Add({.name = Name("Ort", p)});
  std::string weapons;
  std::string cargo;
  for (int k = 0; k < 40; ++k) {
    weapons += PadRight(FormatInt(1 + k), 5) + "0    ";
    cargo += PadRight(FormatInt(1 + k), 5) + PadRight("3", 5);
  }
  AddShip(
      world.ships,
      {.type = 2005, .money = 150000, .weapons = weapons, .cargo = cargo, .cargoCapacity = 500});
  station.currentShipOffers = Offers("Schiff");
  station.currentWeaponOffers = Offers("Waffe");
  station.currentGoodsOffers = Offers("Ware");
  station.currentGoodsPrices = Offers("Ware");
  station.listScroll = {20, kOffers / 2, 20, kOffers / 2, 0, kOffers / 2};
  StationContext context{menu, world, station, catalogues, rng};

  struct Screen {
    const char* name;
    void (*build)(StationContext&);
  };
  const Screen screens[] = {{"weapons dealer", BuildWeaponsDealer},
                            {"goods trader", BuildGoodsTrader},
                            {"ship dealer", BuildShipDealer}};
  std::printf("dealer screens with %d offers (median of five batches):\n", kOffers);
  for (const Screen& screen : screens) {
    const double ms = MedianMs(2000, [&] {
      menu.menuItems.Clear();
      screen.build(context);
    });
    std::printf("  %-16s %8.4f ms per build (%d items)\n", screen.name, ms, menu.menuItems.Count());
  }
  return 0;
}
