#pragma once

#include <gtest/gtest.h>

#include <string>

#include "formats/place_file.h"
#include "formats/text_rules.h"
#include "game/stations/station_context.h"
#include "game/ui/menu_state.h"
#include "game/world/world_lists.h"

// A docked visit made in memory: small catalogues, two places, the player's ship and the copies
// of the place's lines, so the dealers and the people can be driven without a game folder.
//   ships:   1 Pionier (3 slots of classes 1, 1, 2; hold 20; 8000), 2 Frachter (2 slots; hold 200;
//            3000), 3 Kutter (1 slot; hold 2; 2000)
//   weapons: 1 Loku I (class 1, 400), 2 Loku III (class 2, 1000), 3 Orkan (class 4, 5000),
//            4 Nadel (class 1, 1351)
//   goods:   1 Wasser (base 4, 301 units in all), 2 Kristalle (300, 70), 3 Erz (10, 99)
//   groups:  0 Spieler, 1 Die Allianz (0.5 to the player), 2 Die Blacks (0 to the player,
//            -0.8 to Die Allianz, 0 to itself)
class StationTest : public testing::Test {
 protected:
  StationTest();

  StationContext Context() { return {menu, world, station, catalogues, rng}; }
  ShipRecord& Ship() { return *world.ships.Front(); }

  // A weapon record and an offer record, as the game writes them.
  static std::string Weapon(int index) { return PadRight(std::to_string(index), 5) + "0    "; }
  static std::string Offer(const std::string& name, int count) {
    return MakeOfferRecord(name, std::to_string(count));
  }

  // Adds a person at the end of the place's people.
  PersonRecord& AddPerson(const std::string& mainKind, const std::string& subKind);

  // The items of the screen built, in order.
  const MenuItemRecord& Item(int position) const;
  const MenuItemRecord* FindItem(const std::string& caption) const;

  World world;
  StationState station;
  MenuState menu;
  Catalogues catalogues;
  Rng rng;
};
