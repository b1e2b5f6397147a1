// Facts of the shipped sample universe that the game and its players rely on, read through the
// same readers as the game's start-up, and the balance of its economy.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include <unistd.h>

#include "formats/file_io.h"
#include "formats/group_catalogue.h"
#include "formats/latin1.h"
#include "tests/support/temp_folder.h"
#include "formats/ship_catalogue.h"
#include "formats/system_file.h"
#include "formats/text_rules.h"
#include "formats/traffic_loadouts.h"
#include "formats/universe_file.h"
#include "formats/weapon_catalogue.h"
#include "tools/velmarith-data/prices.h"

namespace fs = std::filesystem;

namespace {

// The built game folder when the build has made it; otherwise data/ converted here the way the
// build converts it (UTF-8 to Latin-1, LF to CR LF).
fs::path SampleGameFolder(TempFolder*& scratch) {
  const fs::path build = PRICES_TEST_BUILD_DIR;
  if (fs::exists(build / "Velmarith" / "INI" / "Universum.ini")) return build / "Velmarith";
  const fs::path data = fs::path(PRICES_TEST_SOURCE_DIR) / "data";
  scratch = new TempFolder("prices-sample");
  const fs::path root = scratch->path;
  for (const char* top : {"INI", "TXT"}) {
    for (const auto& entry : fs::recursive_directory_iterator(data / top)) {
      const fs::path target = root / top / fs::relative(entry.path(), data / top);
      if (entry.is_directory()) {
        fs::create_directories(target);
        continue;
      }
      const std::string converted =
          GameTextFromRepository(ReadFileBytes(entry.path()).value_or(""), nullptr);
      fs::create_directories(target.parent_path());
      std::ofstream(target, std::ios::binary) << converted;
    }
  }
  return root;
}

class SampleUniverse : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { folder = new fs::path(SampleGameFolder(scratch)); }
  static void TearDownTestSuite() {
    delete scratch;
    scratch = nullptr;
    delete folder;
  }
  static fs::path Ini() { return *folder / "INI"; }
  static fs::path* folder;
  static TempFolder* scratch;  // set when the suite converted data/ itself
};
fs::path* SampleUniverse::folder = nullptr;
TempFolder* SampleUniverse::scratch = nullptr;

int SlotClass(const ShipType& ship, int slot) {
  return ReadInt(Columns(ship.slotClasses, 5 * slot + 1, 5 * slot + 5));
}

TEST_F(SampleUniverse, CataloguesHoldTheGroupsShipsAndWeaponsOfTheTraffic) {
  const GroupCatalogue groups = LoadGroups(Ini() / "Gruppen.ini");
  EXPECT_EQ(groups.groupCount, 10);
  ASSERT_FALSE(groups.lines.empty());
  EXPECT_FALSE(IsChoosableGroupLine(groups.lines[0]));  // group 0 is the player's own

  const ShipCatalogue ships = LoadShipTypes(Ini() / "Raumschiffe.ini");
  const WeaponCatalogue weapons = LoadWeaponTypes(Ini() / "Waffen.ini");
  ASSERT_GE(ships.shipTypeCount, 12);
  EXPECT_GT(ships.shipTypes[1].cargoCapacity, 0);  // the starting ship can trade

  // The route traffic's fixed loadouts, as the game uses them.
  for (const TrafficLoadout& loadout : TrafficLoadouts()) {
    SCOPED_TRACE(Latin1ToUtf8(loadout.shipType));
    EXPECT_NE(GroupIndex(groups, loadout.group), 0);
    const int ship = ShipTypeIndex(ships, loadout.shipType);
    ASSERT_NE(ship, 0);
    const ShipType& type = ships.shipTypes[ship];
    ASSERT_GE(type.slotCount, static_cast<int>(loadout.weapons.size()));
    for (size_t slot = 0; slot < loadout.weapons.size(); ++slot) {
      const int weapon = WeaponTypeIndex(weapons, loadout.weapons[slot]);
      ASSERT_NE(weapon, 0) << Latin1ToUtf8(loadout.weapons[slot]);
      EXPECT_LE(weapons.weaponTypes[weapon].weaponClass, SlotClass(type, slot));
    }
  }

  // "Loku I" is the starting weapon: class 1, the cheapest, fitting every slot of ship 1.
  const int loku = WeaponTypeIndex(weapons, "Loku I");
  ASSERT_NE(loku, 0);
  EXPECT_EQ(weapons.weaponTypes[loku].weaponClass, 1);
  std::set<int> kinds;
  for (int w = 1; w <= weapons.weaponTypeCount; ++w) {
    kinds.insert(weapons.weaponTypes[w].kind);
    EXPECT_GE(weapons.weaponTypes[w].price, weapons.weaponTypes[loku].price);
  }
  EXPECT_EQ(kinds, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
  for (int slot = 0; slot < ships.shipTypes[1].slotCount; ++slot) {
    EXPECT_GE(SlotClass(ships.shipTypes[1], slot), 1);
  }
}

TEST_F(SampleUniverse, StartPointLiesAtPlanetNeueAllianzAndAlpha23Exists) {
  const std::vector<SystemEntry> systems = UniverseSystems(LoadUniverse(Ini() / "Universum.ini"));
  EXPECT_GE(systems.size(), 6u);
  EXPECT_TRUE(std::any_of(systems.begin(), systems.end(),
                          [](const SystemEntry& s) { return s.name == "Alpha 23"; }));
  const auto start = std::find_if(systems.begin(), systems.end(), [](const SystemEntry& s) {
    return SystemContains(s, 45001, 79300);
  });
  ASSERT_NE(start, systems.end());
  const std::string bytes =
      ReadFileBytes(DataPath(Ini(), start->name + "\\System.ini")).value_or("");
  bool found = false;
  for (const DockingRingEntry& ring : ScanDockingRings(bytes)) {
    if (ring.name != "Planet Neue Allianz") continue;
    found = true;
    // The ship starts in the ring: within its 128-unit radius.
    EXPECT_LE(std::abs(ring.x + start->originX - 45001), 128);
    EXPECT_LE(std::abs(ring.y + start->originY - 79300), 128);
  }
  EXPECT_TRUE(found);
}

TEST_F(SampleUniverse, StartingShipHasLoopsButNoFortuneInOneTrip) {
  const PriceBook book = LoadPriceBook(*folder);
  const ShipCatalogue ships = LoadShipTypes(Ini() / "Raumschiffe.ini");
  const int cargo = ships.shipTypes[1].cargoCapacity;
  const std::vector<TradeTrip> trips = ProfitableTrips(book, cargo, kStartingMoney);
  const std::vector<TradeLoop> loops = ProfitableLoops(trips);

  const auto paying = std::count_if(loops.begin(), loops.end(),
                                    [](const TradeLoop& loop) { return loop.profit > 0; });
  EXPECT_GE(paying, 3);
  // A full hold may earn a good day's pay, a quarter of the starting money at most.
  for (const TradeTrip& trip : trips) {
    EXPECT_LE(trip.profit, kStartingMoney / 4) << Latin1ToUtf8(book.places[trip.from].name)
                                               << " -> " << Latin1ToUtf8(book.places[trip.to].name);
  }
  // Every place holds a stock of every good: no price the game cannot compute.
  for (const PricePlace& place : book.places) {
    for (int g = 1; g <= book.goods.goodsCount; ++g) {
      EXPECT_GT(LocalStock(place, book.goods.goods[g].name), 0) << Latin1ToUtf8(place.name);
    }
  }
}

TEST_F(SampleUniverse, AFullHoldOnALoopFromTheStartSystemPaysTwiceTheStartWeapon) {
  const PriceBook book = LoadPriceBook(*folder);
  const ShipCatalogue ships = LoadShipTypes(Ini() / "Raumschiffe.ini");
  const WeaponCatalogue weapons = LoadWeaponTypes(Ini() / "Waffen.ini");
  const std::vector<TradeLoop> loops =
      ProfitableLoops(ProfitableTrips(book, ships.shipTypes[1].cargoCapacity, kStartingMoney));
  std::string start;
  for (const PricePlace& place : book.places) {
    if (place.name == "Planet Neue Allianz") start = place.systemFolder;
  }
  ASSERT_FALSE(start.empty());
  // A loop has two places: from the start system it reaches one more system at most.
  long long best = 0;
  for (const TradeLoop& loop : loops) {
    if (book.places[loop.out.from].systemFolder == start ||
        book.places[loop.out.to].systemFolder == start) {
      best = std::max(best, loop.profit);
    }
  }
  const int startWeapon = weapons.weaponTypes[WeaponTypeIndex(weapons, "Loku I")].price;
  EXPECT_GT(best, 2 * startWeapon);
}

}  // namespace
