#include <gtest/gtest.h>

#include "formats/goods_catalogue.h"
#include "formats/group_catalogue.h"
#include "formats/ship_catalogue.h"
#include "formats/weapon_catalogue.h"
#include "tests/formats/test_text.h"

namespace {

std::string ShipLine(const std::string& name, int size, int slots, const std::string& classes) {
  return Row({{1, name},
              {21, std::to_string(size)},
              {31, std::to_string(slots)},
              {51, classes},
              {91, "300"},
              {101, "40"},
              {111, "12"},
              {121, "500"},
              {131, "20"},
              {151, "15000"}});
}

}  // namespace

TEST(ShipTypes, CommentAndRulingLinesDoNotShiftNumbering) {
  const std::string file =
      CrLf({"| Raumschiffe", "-----------", ShipLine("Schwalbe", 40, 2, "3    2"), "",
            "|---- mitten", ShipLine("Habicht", 60, 0, "")});
  ReadIssues issues;
  const ShipCatalogue ships = ReadShipTypes(file, &issues);
  EXPECT_TRUE(issues.empty());
  ASSERT_EQ(ships.shipTypeCount, 2);
  EXPECT_EQ(ships.shipTypes[1].name, "Schwalbe");
  EXPECT_EQ(ships.shipTypes[2].name, "Habicht");
  EXPECT_EQ(ships.sourceLines[2], 6);
  EXPECT_EQ(ShipTypeIndex(ships, "Habicht"), 2);
  EXPECT_EQ(ShipTypeIndex(ships, "habicht"), 0);
}

TEST(ShipTypes, FieldsComeFromTheirColumnsAndSlotClassesStayUntrimmed) {
  const ShipCatalogue ships = ReadShipTypes(CrLf({ShipLine("Schwalbe", 40, 2, "3    2")}));
  const ShipType& ship = ships.shipTypes[1];
  EXPECT_EQ(ship.size, 40);
  EXPECT_EQ(ship.slotCount, 2);
  EXPECT_EQ(ship.slotClasses, "3    2    ");
  EXPECT_EQ(ship.hull, 300);
  EXPECT_EQ(ship.maxSpeed, 40);
  EXPECT_EQ(ship.agility, 12);
  EXPECT_EQ(ship.energy, 500);
  EXPECT_EQ(ship.cargoCapacity, 20);
  EXPECT_EQ(ship.price, 15000);
  const ShipCatalogue none = ReadShipTypes(CrLf({ShipLine("Floh", 20, 0, "9")}));
  EXPECT_EQ(none.shipTypes[1].slotClasses, "");
}

TEST(ShipTypes, ShortLineReadsMissingColumnsAsZeroAndAHundredIsTheLimit) {
  std::vector<std::string> lines{"Kurz      "};
  for (int i = 0; i < 101; ++i) lines.push_back(ShipLine("S" + std::to_string(i), 10, 0, ""));
  ReadIssues issues;
  const ShipCatalogue ships = ReadShipTypes(CrLf(lines), &issues);
  EXPECT_EQ(ships.shipTypes[1].name, "Kurz");
  EXPECT_EQ(ships.shipTypes[1].hull, 0);
  EXPECT_EQ(ships.shipTypeCount, 100);
  EXPECT_EQ(ships.shipTypes.size(), 101u);
  EXPECT_FALSE(issues.empty());
}

TEST(ShipMarkers, GreenPixelsAreMountsInScanOrderAndTheLastRedIsTheExhaust) {
  RgbImage marker{8, 8, std::vector<std::uint8_t>(8 * 8 * 3, 0)};
  auto paint = [&](int x, int y, std::uint8_t r, std::uint8_t g) {
    std::uint8_t* p = &marker.pixels[(y * 8 + x) * 3];
    p[0] = r;
    p[1] = g;
  };
  paint(4, 0, 0, 255);  // straight ahead: dx 0, dy 4
  paint(0, 4, 0, 255);  // sideways: dy 0 -> 90 degrees; found first (outer loop runs over x)
  paint(5, 5, 0, 255);  // odd pixels are never looked at
  paint(6, 6, 255, 0);  // behind to the right: dx -2, dy -2
  paint(2, 6, 255, 0);  // a later red pixel would override, but x = 2 comes first
  const ShipMarkerPoints points = FindShipMarkerPoints(marker, 40);
  ASSERT_EQ(points.mountCount, 2);
  EXPECT_EQ(points.mounts[1].distance, 40);  // 4 / (8 / 2) x 40
  EXPECT_EQ(points.mounts[1].angle, 90);
  EXPECT_EQ(points.mounts[2].distance, 40);
  EXPECT_EQ(points.mounts[2].angle, 0);
  ASSERT_TRUE(points.exhaustFound);
  EXPECT_EQ(points.exhaustDistance, 28);     // sqrt(8) / 4 x 40 = 28.28
  EXPECT_EQ(points.exhaustAngle, 45 + 180);  // atan(-2 / -2) = 45

  ShipCatalogue ships = ReadShipTypes(CrLf({ShipLine("Schwalbe", 40, 2, "")}));
  ApplyShipMarkerPoints(ships, 1, points);
  EXPECT_EQ(ships.shipMounts[1][1].angle, 90);
  EXPECT_EQ(ships.shipTypes[1].exhaustAngle, 225);
  ApplyShipMarkerPoints(ships, 2, points);  // outside the catalogue: ignored
}

TEST(ShipMarkers, AtMostTenMountsAndBadBuffersGiveNothing) {
  RgbImage marker{24, 2, std::vector<std::uint8_t>(24 * 2 * 3, 0)};
  for (int x = 0; x < 24; x += 2) marker.pixels[x * 3 + 1] = 255;
  const ShipMarkerPoints points = FindShipMarkerPoints(marker, 10);
  EXPECT_EQ(points.mountCount, 10);
  EXPECT_EQ(points.extraMounts, 2);
  marker.pixels.resize(10);
  EXPECT_EQ(FindShipMarkerPoints(marker, 10).mountCount, 0);
  EXPECT_EQ(FindShipMarkerPoints(RgbImage{-3, 5, {}}, 10).mountCount, 0);
}

TEST(WeaponTypes, EntryZeroIsTheEmptySlotAndFieldsComeFromTheirColumns) {
  const std::string line = Row({{1, "Loku I"},
                                {21, "1"},
                                {31, "6"},
                                {41, "10"},
                                {51, "20"},
                                {61, "1500"},
                                {71, "25"},
                                {81, "0"},
                                {91, "2.5"},
                                {101, "3"},
                                {111, "800"}});
  ReadIssues issues;
  const WeaponCatalogue weapons = ReadWeaponTypes(CrLf({"-- Waffen --", line}), &issues);
  EXPECT_TRUE(issues.empty());
  ASSERT_EQ(weapons.weaponTypeCount, 1);
  EXPECT_EQ(weapons.weaponTypes[0].name, "-LEER-");
  const WeaponType& w = weapons.weaponTypes[1];
  EXPECT_EQ(w.weaponClass, 1);
  EXPECT_EQ(w.kind, 6);
  EXPECT_EQ(WeaponKindNames[w.kind], "Laserwaffe");
  EXPECT_EQ(w.hullDamage, 10);
  EXPECT_EQ(w.shieldDamage, 20);
  EXPECT_EQ(w.range, 1500);
  EXPECT_EQ(w.speed, 25);
  EXPECT_FLOAT_EQ(w.fireRate, 2.5f);
  EXPECT_EQ(w.energyPerShot, 3);
  EXPECT_EQ(w.price, 800);
  EXPECT_EQ(w.reserved, 0);
  EXPECT_EQ(WeaponTypeIndex(weapons, "Loku I"), 1);
  EXPECT_EQ(WeaponPictureDataPath("Loku I"), "BMP\\Waffen\\Loku I.bmp");
  EXPECT_EQ(WeaponSecondPictureDataPath("Loku I"), "BMP\\Waffen\\Loku I-.bmp");
}

TEST(Groups, LowerTriangleIsMirroredAndCopiesAreHostileToGroupZero) {
  const std::string file = CrLf({
      "| Nr  Name",
      Row({{1, "0"}, {6, "Spieler"}, {31, "1"}}),
      Row({{1, "1"}, {6, "Die Allianz"}, {31, "0.5"}, {36, "1"}}),
      Row({{1, "2"}, {6, "Die Blacks"}, {31, "-1"}, {36, "-0.5"}, {41, "1"}}),
  });
  const GroupCatalogue groups = ReadGroups(file);
  EXPECT_EQ(groups.groupCount, 2);
  EXPECT_EQ(groups.groupNames[2], "Die Blacks");
  EXPECT_EQ(groups.groupNames[102], "Die Blacks");
  EXPECT_EQ(groups.groupNames[202], "Die Blacks");
  EXPECT_FLOAT_EQ(GroupRelation(groups, 2, 1), -0.5f);
  EXPECT_FLOAT_EQ(GroupRelation(groups, 1, 2), -0.5f);
  EXPECT_FLOAT_EQ(GroupRelation(groups, 0, 1), 0.5f);
  for (int copy : {101, 102, 201, 202}) {
    EXPECT_FLOAT_EQ(GroupRelation(groups, 0, copy), -1.0f) << copy;
    EXPECT_FLOAT_EQ(GroupRelation(groups, copy, 0), -1.0f) << copy;
  }
  EXPECT_FLOAT_EQ(GroupRelation(groups, 0, 103), 0.0f);  // beyond GroupCount + 100
  EXPECT_FLOAT_EQ(GroupRelation(groups, 100, 0), 0.0f);  // group 0 has no copy
  EXPECT_FLOAT_EQ(GroupRelation(groups, 1, 102), 0.0f);  // copies only turn against group 0
  EXPECT_FLOAT_EQ(GroupRelation(groups, 400, 0), 0.0f);
}

TEST(Groups, NameLookupTakesTheLastIndexAboveZero) {
  const std::string file = CrLf({Row({{1, "0"}, {6, "Doppelt"}}), Row({{1, "1"}, {6, "Doppelt"}}),
                                 Row({{1, "2"}, {6, "Doppelt"}}), Row({{1, "3"}, {6, "Anders"}})});
  const GroupCatalogue groups = ReadGroups(file);
  EXPECT_EQ(GroupIndex(groups, "Doppelt"), 2);
  EXPECT_EQ(GroupIndex(groups, "Fehlt"), 0);
  EXPECT_EQ(GroupIndex(groups, ""), 0);
  EXPECT_EQ(GroupIndex(ReadGroups(""), "x"), 0);
  EXPECT_EQ(ReadGroups("").groupCount, -1);
}

TEST(Groups, ShortLineLeavesAttitudesAtZeroAndChoicesLeaveOutNumbersStartingWithZero) {
  const std::string file =
      CrLf({Row({{1, "0"}, {6, "Spieler"}, {31, "1"}}), Row({{1, "1"}, {6, "Kurz"}, {31, "0.75"}}),
            Row({{1, " 0"}, {6, "Eingerueckt"}})});
  ReadIssues issues;
  const GroupCatalogue groups = ReadGroups(file, &issues);
  EXPECT_FLOAT_EQ(GroupRelation(groups, 1, 0), 0.75f);
  EXPECT_FLOAT_EQ(GroupRelation(groups, 1, 1), 0.0f);
  EXPECT_EQ(issues.size(), 2u);  // lines 2 and 3 lack attitudes
  EXPECT_EQ(groups.lines[2].numberText, " 0   ");
  EXPECT_EQ(GroupChoices(groups),
            (std::vector<std::string>{"(keine Gruppe)", "Kurz", "Eingerueckt"}));
}

TEST(Goods, TotalStockAddsEachPlacesFigureInCatalogueOrder) {
  const GoodsCatalogue read = ReadGoods(
      CrLf({"| Waren", Row({{1, "Wasser"}, {21, "100"}}), Row({{1, "Kristalle"}, {21, "850"}})}));
  GoodsCatalogue goods = read;
  ASSERT_EQ(goods.goodsCount, 2);
  EXPECT_EQ(goods.defaultFigures[2], "850");
  const std::string a = Row({{1, "Wasser"}, {21, "10"}, {31, "Kristalle"}, {51, "5"}});
  const std::string b = Row({{1, "Wasser"}, {21, "7"}});  // only the first record
  ComputeTotalStock(goods, {a, b, ""});
  EXPECT_EQ(goods.goods[1].totalStock, 17);
  EXPECT_EQ(goods.goods[2].totalStock, 5);
  EXPECT_EQ(StockFigure(a, 2), 5);
  EXPECT_EQ(StockFigure(a, 3), 0);
  EXPECT_EQ(StockFigure(a, 0), 0);
  EXPECT_EQ(GoodsIndex(goods, "Kristalle"), 2);
  ComputeTotalStock(goods, {Row({{21, "2000000000"}}), Row({{21, "2000000000"}})});
  EXPECT_EQ(goods.goods[1].totalStock, 2147483647);
}
