// Route traffic in the sample universe, and the reputation panel's picture.

#include <gtest/gtest.h>

#include <set>

#include "combat_fixture.h"
#include "formats/group_catalogue.h"
#include "formats/media_numbers.h"
#include "formats/ship_catalogue.h"
#include "game/flight/traffic.h"
#include "game/shell/frame_loop.h"
#include "game/stations/group_panel.h"
#include "game/world/attitudes.h"
#include "game/world/waypoints.h"
#include "game/world/world_lists.h"

namespace {

class RouteTraffic : public testing::Test {
 protected:
  void SetUp() override {
    sample.StartInFlight();
    SeedRandom(sample.game->rng, 3);
  }
  // Spawns until a ship of the group appears (at most 200 tries); null when none does.
  const ShipRecord* SpawnOf(const std::string& group) {
    World& world = sample.game->world;
    const int index = GroupIndex(world.groups, group);
    FlightContext flight = FlightOf(*sample.game);
    for (int i = 0; i < 200; ++i) {
      const int before = world.ships.Count();
      SpawnOnRoute(flight);
      if (world.ships.Count() == before) continue;
      const ShipRecord* last = nullptr;
      for (const ShipRecord& ship : world.ships) last = &ship;
      if (last->group == index) return last;
    }
    return nullptr;
  }
  int TypeOf(const std::string& name) {
    return 2000 + ShipTypeIndex(sample.game->catalogues.ships, name);
  }
  SampleFlight sample;
};

TEST_F(RouteTraffic, ShipsAppearAtTheObjectNearestToTheirRouteAndFlyItsPoints) {
  World& world = sample.game->world;
  FlightContext flight = FlightOf(*sample.game);
  std::set<int> groups;
  for (int i = 0; i < 40; ++i) {
    const int id = world.nextObjectId + 10;
    SpawnOnRoute(flight);
    ASSERT_EQ(world.ships.Count(), i + 2);
    const ShipRecord* ship = nullptr;
    for (const ShipRecord& s : world.ships) ship = &s;
    EXPECT_EQ(ship->id, id);
    EXPECT_EQ(ship->controller, 0);
    EXPECT_EQ(ship->dockTarget, -1);
    EXPECT_EQ(ship->money, 1000);
    EXPECT_FLOAT_EQ(ship->shield, 100);
    EXPECT_GT(ship->orders.size(), 0u);
    EXPECT_EQ(ship->orders.size() % 25, 0u);
    bool onObject = false;
    for (const SystemObjectRecord& o : world.visit.systemObjects) {
      if (o.x == ship->x && o.y == ship->y && o.angle - 180 == ship->heading) onObject = true;
    }
    EXPECT_TRUE(onObject) << ship->x << " " << ship->y;
    groups.insert(ship->group);
  }
  EXPECT_EQ(groups.size(), 4u);  // Allianz, freie Haendler, Haendlerkoalition, Blacks

  // The pirates come in from the lane of Qemara, in Habichts, towards Station Wacht.
  const ShipRecord* pirate = SpawnOf("Die Blacks");
  ASSERT_NE(pirate, nullptr);
  EXPECT_EQ(pirate->type, TypeOf("Habicht"));
  EXPECT_FLOAT_EQ(pirate->x, 60160);
  EXPECT_FLOAT_EQ(pirate->y, 86000);
  EXPECT_FLOAT_EQ(pirate->heading, -270);
  QueuedWaypoint head;
  ASSERT_TRUE(HeadWaypoint(pirate->orders, head));
  EXPECT_EQ(head.x, 60160);
  EXPECT_EQ(head.y, 84000);
  EXPECT_EQ(head.kind, 2);
  EXPECT_EQ(pirate->orders.size(), 6u * 25);
  EXPECT_EQ(pirate->orders.substr(125), WaypointRecord(20870, 40000, 4));
}

TEST_F(RouteTraffic, BountyHuntersFlyKrebsOnlyInAlpha23) {
  World& world = sample.game->world;
  world.visit.currentSystemFolder = "Alpha 23";
  const ShipRecord* hunter = SpawnOf("Die Kopfgeldj\xE4ger");
  ASSERT_NE(hunter, nullptr);
  EXPECT_EQ(hunter->type, TypeOf("Krebs"));
  world.visit.currentSystemFolder = "Glutnebel";
  hunter = SpawnOf("Die Kopfgeldj\xE4ger");
  ASSERT_NE(hunter, nullptr);
  EXPECT_EQ(hunter->type, TypeOf("Schwalbe"));
}

TEST_F(RouteTraffic, AboutOneShipIn201FramesAndNoneInANetworkGame) {
  World& world = sample.game->world;
  FlightContext flight = FlightOf(*sample.game);
  for (int i = 0; i < 2010; ++i) SpawnRouteTraffic(flight);
  const int spawned = world.ships.Count() - 1;
  EXPECT_GE(spawned, 3);
  EXPECT_LE(spawned, 20);
  world.networkGame = 1;
  for (int i = 0; i < 2010; ++i) SpawnRouteTraffic(flight);
  EXPECT_EQ(world.ships.Count() - 1, spawned);
  // A system without a route file spawns nothing.
  world.networkGame = 0;
  world.visit.currentSystemFolder = "Nirgendwo";
  for (int i = 0; i < 2010; ++i) SpawnRouteTraffic(flight);
  EXPECT_EQ(world.ships.Count() - 1, spawned);
}

class GroupPanel : public Combat {
 protected:
  static constexpr int kGreen = MakeColour(0, 200, 0);
  static constexpr int kRed = MakeColour(200, 0, 0);
  static constexpr int kBlue = MakeColour(0, 0, 200);
  void SetUp() override {
    Combat::SetUp();
    Media& media = game->media;
    CreatePicture(media, kPictureSystemMap, 510, 510);
    CreatePicture(media, kPictureMapFrame, 510, 510);
    // The bar picture: hostile red left of its middle, friendly green right of it.
    CreatePicture(media, kPictureAttitudeLine, 200, 8);
    DrawInto(media, kPictureAttitudeLine);
    FillBox(media, 0, 0, 100, 8, kRed);
    FillBox(media, 100, 0, 100, 8, kGreen);
    for (const int mark : {kPictureScrollUp, kPictureScrollThumb, kPictureScrollDown}) {
      CreatePicture(media, mark, 20, 20);
      DrawInto(media, mark);
      FillBox(media, 0, 0, 20, 20, kBlue);
    }
    EndDraw(media);
  }
  // The panel as drawn onto the screen at (0, 0).
  int Pixel(int x, int y) {
    ClearScreen(game->media, 0);
    DrawOpaque(game->media, kPictureSystemMap, 0, 0);
    return ReadScreenPixel(game->media, x, y);
  }
};

TEST_F(GroupPanel, BarsGrowFromTheMiddleByTheStandingAndTheThumbFollowsTheScroll) {
  World& world = game->world;
  SetRelation(world, 0, 1, 0.5f);
  SetRelation(world, 0, 2, -0.3f);
  DrawGroupPanel(game->media, world, game->catalogues.groupTexts, 0, 1);
  // Row 1 (y 70..76): green from 115 for 50 pixels.
  EXPECT_EQ(Pixel(115, 72), kGreen);
  EXPECT_EQ(Pixel(164, 76), kGreen);
  EXPECT_EQ(Pixel(165, 72), 0);
  EXPECT_EQ(Pixel(114, 72), 0);
  EXPECT_EQ(Pixel(115, 77), 0);
  // Row 2 (y 90..96): red for 30 pixels left of 115.
  EXPECT_EQ(Pixel(85, 92), kRed);
  EXPECT_EQ(Pixel(114, 92), kRed);
  EXPECT_EQ(Pixel(84, 92), 0);
  EXPECT_EQ(Pixel(115, 92), 0);
  // Rows 3 and 4 stand at 0: no bar. Four groups: nothing to scroll, the thumb at the top.
  EXPECT_EQ(Pixel(115, 112), 0);
  EXPECT_EQ(Pixel(480, 90), kBlue);
  EXPECT_EQ(Pixel(480, 70), kBlue);
  EXPECT_EQ(Pixel(480, 210), kBlue);

  // Scrolled by one, group 2 is the first row.
  DrawGroupPanel(game->media, world, game->catalogues.groupTexts, 1, 1);
  EXPECT_EQ(Pixel(100, 72), kRed);
  EXPECT_EQ(Pixel(130, 72), 0);
}

TEST(GroupPanelThumb, ItsShareOfTheHundredPixelsAndTheTopWithEightGroupsOrFewer) {
  EXPECT_EQ(GroupPanelThumb(10, 0), 0);
  EXPECT_EQ(GroupPanelThumb(10, 1), 50);
  EXPECT_EQ(GroupPanelThumb(10, 2), 100);
  EXPECT_EQ(GroupPanelThumb(16, 3), 38);  // 37.5 to even
  EXPECT_EQ(GroupPanelThumb(8, 0), 0);    // nothing to divide: the top
  EXPECT_EQ(GroupPanelThumb(8, 1), 0);
  EXPECT_EQ(GroupPanelThumb(5, 0), 0);
}

}  // namespace
