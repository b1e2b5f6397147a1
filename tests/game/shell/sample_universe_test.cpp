// The shipped universe as the game's start-up reads it.

#include <gtest/gtest.h>

#include <filesystem>

#include "game/shell/game.h"
#include "game/shell/game_flow.h"
#include "game/shell/startup.h"
#include "game/world/places.h"
#include "game_fixture.h"

TEST(SampleUniverse, StartsWithItsGroupsShipsPlacesAndTheStartSystem) {
  const std::filesystem::path folder = VELMARITH_TEST_GAME_DIR;
  ASSERT_TRUE(std::filesystem::exists(folder / "BMP")) << "no assembled game folder at " << folder;
  GamePtr game = MakeStartedGame(folder);
  const Catalogues& c = game->catalogues;
  EXPECT_EQ(game->world.groups.groupCount,
            10);  // the player's group and the ten groups of the traffic
  EXPECT_GE(c.ships.shipTypeCount, 12);
  EXPECT_GT(c.ships.shipTypes[1].hull, 0);
  EXPECT_GT(WeaponTypeIndex(c.weapons, "Loku I"), 0);
  EXPECT_TRUE(PictureExists(game->media, 2001));
  ASSERT_NE(FindPlace(game->world, "Planet Neue Allianz"), nullptr);
  bool alpha23 = false;
  for (const PlaceRecord& place : game->world.places) alpha23 |= place.systemFolder == "Alpha 23";
  EXPECT_TRUE(alpha23);

  StartFreeGame(*game);
  EXPECT_EQ(game->world.ships.Front()->weapons.size(), 30u);
  EXPECT_GT(game->world.visit.systemObjects.Count(), 10);
  bool dockingRing = false;
  for (const SystemObjectRecord& object : game->world.visit.systemObjects) {
    dockingRing |= object.name == "Planet Neue Allianz - Andockring";
  }
  EXPECT_TRUE(dockingRing);
}
