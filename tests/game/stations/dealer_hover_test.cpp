#include "game/stations/dealer_hover.h"

#include "game/stations/station_codes.h"
#include "game/ui/menu_items.h"
#include "tests/game/stations/station_fixture.h"

namespace {

using DealerHoverTest = StationTest;

MenuItemRecord Entry(int action, int kind = kDealerEntry) {
  return {kind, 50, 150, "caption", action};
}

TEST_F(DealerHoverTest, WeaponRowsShowTheirClassAndTheSlotsLimit) {
  Ship().weapons = std::string(10, ' ') + Weapon(1) + Weapon(2) + Weapon(4);
  DealerHover hover =
      DescribeDealerHover(Entry(kSellWeaponFirst + 2), "Waffen", station, world, catalogues);
  EXPECT_EQ(hover.caption, "caption");
  EXPECT_EQ(hover.detail, "  Waffe - Klasse 2  (max.Waffenkl. 2)");
  EXPECT_EQ(hover.detailOffset, 20);
  ASSERT_TRUE(hover.sheet.has_value());
  EXPECT_EQ(hover.sheet->name, "Loku III");
  // An empty slot has its limit too, but nothing to describe.
  hover = DescribeDealerHover(Entry(kSellWeaponFirst, kDimmedEntry), "Waffen", station, world,
                              catalogues);
  EXPECT_EQ(hover.detail, "  Waffe - Klasse 0  (max.Waffenkl. 1)");
  EXPECT_FALSE(hover.sheet.has_value());
  // Carried weapons show no second line.
  hover = DescribeDealerHover(Entry(kSellWeaponFirst + 3), "Waffen", station, world, catalogues);
  EXPECT_EQ(hover.detail, "");
  EXPECT_EQ(hover.sheet->name, "Nadel");
  hover = DescribeDealerHover(Entry(kBuyWeaponFirst + 2), "Waffen", station, world, catalogues);
  EXPECT_EQ(hover.detail, "  Waffe - Klasse 4");
  EXPECT_EQ(hover.sheet->name, "Orkan");
}

TEST_F(DealerHoverTest, GoodsRowsShowPiecesAndShipsTheirSheet) {
  Ship().cargo = "2    7    ";
  DealerHover hover =
      DescribeDealerHover(Entry(kSellGoodsFirst), "Waren", station, world, catalogues);
  EXPECT_EQ(hover.detail,
            "7 St\xFC"
            "ck");
  EXPECT_EQ(hover.detailOffset, 18);
  EXPECT_FALSE(hover.sheet.has_value());
  hover = DescribeDealerHover(Entry(kBuyGoodsFirst + 2), "Waren", station, world, catalogues);
  EXPECT_EQ(hover.detail,
            "-1 St\xFC"
            "ck");

  // Where else a good sells best, among the known places only and never the docked one (whose
  // empty line would pay most): Kristalle (300, 70 in all) over 4 places sells for
  // 21000 / ((stock + 1) x 4): 875 at stock 5, 250 at 20, 2625 at 1 (unknown).
  world.places.Add({.name = "Mond Ost", .known = 1, .goodsPrices = Offer("Kristalle", 20)});
  world.places.Add({.name = "Station Fern", .goodsPrices = Offer("Kristalle", 1)});
  for (PlaceRecord& place : world.places) place.known = place.name == "Station Fern" ? 0 : 1;
  for (PlaceRecord& place : world.places) {
    if (place.name == "Station Wacht") place.goodsPrices = Offer("Kristalle", 5);
  }
  hover = DescribeDealerHover(Entry(kSellGoodsFirst), "Waren", station, world, catalogues);
  EXPECT_EQ(hover.detail,
            "7 St\xFC"
            "ck   Station Wacht 875");
  hover = DescribeDealerHover(Entry(kBuyGoodsFirst + 1), "Waren", station, world, catalogues);
  EXPECT_EQ(hover.detail,
            "20 St\xFC"
            "ck   Station Wacht 875");

  hover = DescribeDealerHover(Entry(kOwnShip), "Schiffe", station, world, catalogues);
  EXPECT_EQ(hover.caption, "");
  ASSERT_TRUE(hover.sheet.has_value());
  EXPECT_EQ(hover.sheet->name, "Pionier");
  hover = DescribeDealerHover(Entry(kBuyShipFirst + 1), "Schiffe", station, world, catalogues);
  EXPECT_EQ(hover.sheet->name, "Kutter");
  // Other screens and other items show nothing.
  hover = DescribeDealerHover(Entry(kSellGoodsFirst), "Leute", station, world, catalogues);
  EXPECT_EQ(hover.caption, "");
  hover = DescribeDealerHover({kButton, 50, 700, "x", 0}, "Waren", station, world, catalogues);
  EXPECT_EQ(hover.caption, "");
}

TEST(DataSheets, ListTheCatalogueValues) {
  WeaponType weapon;
  weapon.name = "Loku III";
  weapon.kind = 6;
  weapon.hullDamage = 8;
  weapon.fireRate = 4.5f;  // halves to even
  weapon.energyPerShot = 5;
  const DataSheet sheet = WeaponSheet(weapon);
  EXPECT_EQ(sheet.left[0], "Waffentyp       : Laserwaffe");
  EXPECT_EQ(sheet.left[1], "H\xFCllenschaden   : 8");
  EXPECT_EQ(sheet.right[2], "Schussfrequnz   : 4");
  EXPECT_EQ(sheet.right[3], "Energieverbrauch: 5");
  weapon.kind = 12;  // no such kind: no name, no crash
  EXPECT_EQ(WeaponSheet(weapon).left[0], "Waffentyp       : ");

  ShipType ship;
  ship.name = "Floh";
  ship.size = 20;
  ship.slotCount = 3;
  ship.slotClasses = "2    1    2    ";
  ship.energy = 180;
  ship.cargoCapacity = 8;
  const DataSheet shipSheet = ShipSheet(ship);
  EXPECT_EQ(shipSheet.left[0],
            "Gr\xF6\xDF"
            "e           : 20");
  EXPECT_EQ(shipSheet.left[2], "Waffenklassen   : 2    1    2    ");
  EXPECT_EQ(shipSheet.right[2], "Energie         : 180");
  EXPECT_EQ(shipSheet.right[3], "Laderaum        : 8");
}

}  // namespace
