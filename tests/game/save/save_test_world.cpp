#include "tests/game/save/save_test_world.h"

#include <set>

#include "formats/file_io.h"
#include "formats/place_file.h"
#include "formats/system_file.h"
#include "game/world/attitudes.h"
#include "game/world/places.h"
#include "game/world/world_lists.h"
#include "tests/game/support/fixture_files.h"
#include "tests/game/support/universe_fixture.h"

SaveTestWorld::SaveTestWorld() {
  const std::filesystem::path& root = folder.path;
  WriteUniverseFixture(root);
  const auto ini = root / "INI";
  WriteFixtureFile(ini / "Universum.ini",
                   "[Systeme]\r\nHeimat\r\n0\r\n0\r\n[Systeme]\r\nFerne\r\n100000\r\n0\r\n");
  ElementRecord ring{
      "Andockringe", "Andockring", "Aussenposten", "Die Allianz", 20000, 30000, 0, 0, 0, 0};
  WriteFixtureFile(ini / "Ferne" / "System.ini", WriteSystemElements({ring}));
  PlaceFile place;
  place.goodsPrices = MakeOfferRecord("Wasser", "70");
  WriteFixtureFile(ini / "Ferne" / "Orte" / "Aussenposten.ini", WritePlace(place));

  BuildPlaces(world, root);
  ResetAttitudes(world, ini / "Gruppen.ini");
  ShipRecord ship;
  ship.type = 2001;
  ship.id = 10;
  ship.controller = 1;
  ship.pilotName = "Kira";
  ship.radius = 24;
  ship.x = 45001;
  ship.y = 79300;
  ship.heading = 270;
  ship.money = 12345;
  ship.weapons = "1    0    2    17   ";
  ship.cargo = "1    5    ";
  ship.cargoCapacity = 20;
  ship.hull = ship.maxHull = 300;
  ship.shield = ship.maxShield = 100;
  ship.energy = ship.maxEnergy = 500;
  ship.tractorTimer = -1;
  ship.dockTarget = -1;
  AddShip(world.ships, ship);
  world.docking.dockedPlace = "Planet Neue Allianz";
}

std::filesystem::path SaveTestWorld::SaveFile(const std::string& name) const {
  return folder.path / "SAVE" / (name + ".sav");
}

std::string SaveTestWorld::FileBytes(const std::string& name) const {
  return ReadFileBytes(SaveFile(name)).value_or("");
}

std::string SaveTestWorld::FolderListing() const {
  std::set<std::string> lines;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path)) {
    const std::string size =
        entry.is_regular_file() ? std::to_string(entry.file_size()) : std::string("folder");
    lines.insert(std::filesystem::relative(entry.path(), folder.path).string() + " " + size);
  }
  std::string listing;
  for (const std::string& line : lines) listing += line + "\n";
  return listing;
}
