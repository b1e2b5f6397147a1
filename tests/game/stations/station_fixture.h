#pragma once

#include <gtest/gtest.h>

#include <string>

#include "formats/place_file.h"
#include "formats/text_rules.h"
#include "game/stations/station_context.h"
#include "game/ui/menu_state.h"
#include "game/world/world_lists.h"
#include "tests/game/support/world_fixture.h"

// The docked visit (see DockedTest) with the visit's copies of the place's lines: ship offers
// Frachter -1 and Kutter 1, weapon offers Loku I -1, Loku III 1 and Orkan -1, the goods Wasser,
// Kristalle and Erz on offer at -1, their prices 1, 20 and -1.
class StationTest : public DockedTest {
 protected:
  StationTest();

  StationContext Context() { return {menu, world, station, catalogues, rng}; }

  // An offer record, as the game writes them.
  static std::string Offer(const std::string& name, int count) {
    return MakeOfferRecord(name, std::to_string(count));
  }

  // Adds a person at the end of the place's people.
  PersonRecord& AddPerson(const std::string& mainKind, const std::string& subKind);

  // The items of the screen built, in order.
  const MenuItemRecord& Item(int position) const;
  const MenuItemRecord* FindItem(const std::string& caption) const;

  StationState station;
  MenuState menu;
};
