// The free game's start and the universe check on a small game folder: the shape the game builds
// (places of every system once, sorted by name; the groups of Gruppen.ini), the fresh game a
// template save holds, and the saves that do or do not fit.
#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "formats/free_game.h"
#include "formats/latin1.h"
#include "formats/place_file.h"
#include "formats/save_check.h"
#include "formats/system_file.h"
#include "tests/support/temp_folder.h"
#include "tests/formats/test_text.h"

namespace {

ElementRecord Ring(const std::string& place, int x) {
  return {"Andockringe", "Andockring", place, "Die Allianz", x, 50000, 90, 0, 0, 0};
}

std::string PlaceWithStock(const std::string& water) {
  PlaceFile place;
  place.goodsPrices = MakeOfferRecord("Wasser", water) + MakeOfferRecord("Kristalle", "80");
  return WritePlace(place);
}

// Two systems; "Alpha Dock" has a ring in both and is one place, its lines from the last system.
void WriteFolder(const std::filesystem::path& root) {
  std::map<std::string, std::string> tree;
  tree["INI\\Universum.ini"] =
      CrLf({"[Systeme]", "Neue Welt", "0", "0", "[Systeme]", "Zweite", "100000", "0"});
  tree["INI\\Neue Welt\\System.ini"] = WriteSystemElements(
      {Ring("Zeta", 1000), Ring("Planet Neue Allianz", 2000), Ring("Alpha Dock", 3000)});
  tree["INI\\Zweite\\System.ini"] = WriteSystemElements({Ring("Alpha Dock", 4000)});
  tree["INI\\Neue Welt\\Orte\\Planet Neue Allianz.ini"] = PlaceWithStock("1000");
  tree["INI\\Neue Welt\\Orte\\Alpha Dock.ini"] = PlaceWithStock("1");
  tree["INI\\Zweite\\Orte\\Alpha Dock.ini"] = PlaceWithStock("2");
  tree["INI\\Gruppen.ini"] =
      CrLf({"| Gruppen", Row({{1, "0"}, {6, "Spieler"}, {31, "1"}}),
            Row({{1, "1"}, {6, "Die Allianz"}, {31, "0.5"}, {36, "1"}}),
            Row({{1, "2"}, {6, "H\xE4ndler"}, {31, "-0.25"}, {36, "0.3"}, {41, "1"}})});
  tree["INI\\Raumschiffe.ini"] = CrLf({Row({{1, "Schwalbe"},
                                            {21, "40"},
                                            {31, "3"},
                                            {91, "300"},
                                            {101, "45"},
                                            {111, "12"},
                                            {121, "500"},
                                            {131, "20"}}),
                                       Row({{1, "Falke"}, {21, "60"}, {91, "900"}})});
  tree["INI\\Waffen.ini"] =
      CrLf({Row({{1, "Loku III"}, {21, "2"}}), Row({{1, "Loku I"}, {21, "1"}})});
  for (const auto& [dataPath, bytes] : tree) {
    const std::filesystem::path path = DataPath(root, dataPath);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }
}

}  // namespace

TEST(FreeGame, TheNewShipComesFromShipTypeOneAndTheStartWeapon) {
  ShipCatalogue ships = ReadShipTypes(Row({{1, "Schwalbe"},
                                           {21, "40"},
                                           {91, "300"},
                                           {101, "45"},
                                           {111, "12"},
                                           {121, "500"},
                                           {131, "20"}}));
  const WeaponCatalogue weapons =
      ReadWeaponTypes(CrLf({Row({{1, "Loku III"}}), Row({{1, "Loku I"}})}));
  const ShipRecord ship = NewPlayerShip(ships, weapons);
  EXPECT_EQ(ship.type, 2001);
  EXPECT_EQ(ship.id, 10);
  EXPECT_EQ(ship.controller, 1);
  EXPECT_EQ(ship.radius, 40);
  EXPECT_EQ(ship.agility, 12);
  EXPECT_EQ(ship.maxSpeed, 45);
  EXPECT_EQ(ship.cargoCapacity, 20);
  EXPECT_EQ(ship.hull, 300);
  EXPECT_EQ(ship.maxHull, 300);
  EXPECT_EQ(ship.energy, 500);
  EXPECT_EQ(ship.maxEnergy, 500);
  EXPECT_EQ(ship.shield, 100);
  EXPECT_EQ(ship.x, 45001);
  EXPECT_EQ(ship.y, 79300);
  EXPECT_EQ(ship.heading, 270);
  EXPECT_EQ(ship.speed, 0);
  EXPECT_EQ(ship.driveFactor, 1);
  EXPECT_EQ(ship.money, 10000);
  EXPECT_EQ(ship.weapons, "2    0    2    0    2    0    ");
  EXPECT_EQ(ship.tractorTimer, -1);
  EXPECT_EQ(ship.dockTarget, -1);

  // Without ship types or the start weapon the game still starts, with an empty type and slot 0.
  const ShipRecord bare = NewPlayerShip(ShipCatalogue{}, WeaponCatalogue{});
  EXPECT_EQ(bare.type, 2001);
  EXPECT_EQ(bare.radius, 0);
  EXPECT_EQ(bare.maxHull, 0);
  EXPECT_EQ(bare.weapons, "0    0    0    0    0    0    ");
}

TEST(FreeGame, UniverseShapeIsThePlaceListTheGameBuilds) {
  TempFolder folder;
  WriteFolder(folder.path);
  const UniverseShape shape = LoadUniverseShape(folder.path);
  EXPECT_EQ(shape.groupCount, 2);
  EXPECT_EQ(shape.placeCount, 3);  // Alpha Dock once
  EXPECT_EQ(LoadUniverseShape(folder.path / "fehlt").placeCount, 0);
}

TEST(FreeGame, TheFreshGameSaveIsDockedAtTheStartWithOnlyThatPlaceKnown) {
  TempFolder folder;
  WriteFolder(folder.path);
  const SavedGame game = LoadFreeGameSave(folder.path);
  EXPECT_EQ(game.dockedPlace, "Planet Neue Allianz");
  EXPECT_EQ(game.ship.speed, 10);  // as after the free game entered the start system
  EXPECT_EQ(game.ship.weapons, "2    0    2    0    2    0    ");
  EXPECT_EQ(game.attitudes, (std::vector<float>{1, 0.5f, -0.25f}));
  // Sorted by name: Alpha Dock, Planet Neue Allianz, Zeta.
  ASSERT_EQ(game.places.size(), 3u);
  EXPECT_EQ(game.places[0].known, 0);
  EXPECT_EQ(game.places[1].known, 1);
  EXPECT_EQ(game.places[2].known, 0);
  EXPECT_EQ(game.places[0].info4,
            MakeOfferRecord("Wasser", "2") + MakeOfferRecord("Kristalle", "80"));
  // The stock line as the game holds it: "000" read as "00 ".
  EXPECT_EQ(game.places[1].info4,
            MakeOfferRecord("Wasser", "100") + MakeOfferRecord("Kristalle", "80"));
  EXPECT_EQ(game.places[2].info4, "");
}

TEST(FreeGame, SavesAreCheckedAgainstTheGameFolder) {
  TempFolder folder;
  WriteFolder(folder.path);
  SavedGame game = LoadFreeGameSave(folder.path);
  const std::string bytes = WriteSavedGame(game).bytes;
  const SaveCheck fits = CheckSaveFile(bytes, folder.path);
  EXPECT_TRUE(fits.fits) << fits.reason;
  EXPECT_TRUE(CheckSaveFile(bytes, UniverseShape{2, 3}).fits);

  game.places.pop_back();
  const SaveCheck short_ = CheckSaveFile(WriteSavedGame(game).bytes, folder.path);
  EXPECT_FALSE(short_.fits);
  EXPECT_EQ(short_.reason, "the file ends before place 3 of 3");

  const SaveCheck noUniverse = CheckSaveFile(bytes, folder.path / "fehlt");
  EXPECT_FALSE(noUniverse.fits);
  EXPECT_NE(noUniverse.reason.find("no INI folder"), std::string::npos) << noUniverse.reason;
}
