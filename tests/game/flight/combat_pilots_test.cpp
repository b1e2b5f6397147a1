// Computer pilots: hunting, waypoints, docking waypoints, coasting; the markings of ships and
// their selection.

#include <gtest/gtest.h>

#include "game/flight/pilots.h"
#include "game/flight/ship_drawing.h"
#include "game/flight/weapons.h"
#include "game/world/waypoints.h"
#include "game/world/world_lists.h"
#include "tests/game/support/flight_parts.h"

namespace {

class Pilots : public Combat {
 protected:
  void Pilot(ShipRecord& ship) {
    FlightContext flight = Flight();
    RunComputerPilot(flight, ship);
  }
};

TEST_F(Pilots, TheNearestHostileShipBelowThreeThousandIsTheTarget) {
  ShipRecord& hunter = AddComputer(20, 1, 0, 10000);
  ShipRecord& prey = AddComputer(30, 2, 3000, 10000);
  AddComputer(40, 3, 100, 10000);  // a friend of A's, and one of its own group, are no targets
  AddComputer(50, 1, 50, 10000);
  EXPECT_EQ(FindTarget(game->world, hunter), nullptr);
  prey.x = 2999;
  EXPECT_EQ(FindTarget(game->world, hunter), &prey);
  prey.x = 2999.6f;  // whole units decide: 3000
  EXPECT_EQ(FindTarget(game->world, hunter), nullptr);
  prey.x = 1000;
  AddComputer(60, 2, -1000, 10000);
  EXPECT_EQ(FindTarget(game->world, hunter), &prey);  // the first of equally near ones
  // An angered copy of a group is the player's enemy and nobody else's.
  ShipRecord& angry = AddComputer(70, 101, 500, 0);
  EXPECT_EQ(FindTarget(game->world, angry), &Local());
  angry.y = 9500;
  EXPECT_EQ(FindTarget(game->world, hunter), &prey);
}

TEST_F(Pilots, AHunterTurnsSpeedsUpAndFiresOnlyWhenCloseAndAimed) {
  ShipRecord& hunter = AddComputer(20, 1, 0, 10000, 0);
  hunter.weapons = Weapon(1) + Weapon(1);
  ShipRecord& prey = AddComputer(30, 2, 1100, 10000 + 100);
  Pilot(hunter);
  EXPECT_FLOAT_EQ(hunter.turnRate, 4);  // towards it, 4 at most
  EXPECT_FLOAT_EQ(hunter.speed, 2);
  EXPECT_EQ(game->world.visit.projectiles.Count(), 0);  // 1100 away: too far
  prey.x = 900;
  Pilot(hunter);
  EXPECT_EQ(game->world.visit.projectiles.Count(), 2);
  EXPECT_EQ(WeaponFieldCooldown(hunter.weapons, 0), 25);
  for (const ProjectileRecord& shot : game->world.visit.projectiles) {
    EXPECT_NEAR(shot.heading, 6.34, 5.01);  // the bearing, spread 5 either way
  }
  // 30 degrees off the nose: no shot.
  game->world.visit.projectiles.Clear();
  hunter.weapons = Weapon(1);
  hunter.heading = 330;
  Pilot(hunter);
  EXPECT_EQ(game->world.visit.projectiles.Count(), 0);

  // Close in, the turn is gentler: d / 50 rounded.
  prey.x = 100;
  prey.y = 10000;
  hunter.turnRate = 0;
  hunter.heading = 90;
  Pilot(hunter);
  EXPECT_FLOAT_EQ(hunter.turnRate, -2);
}

TEST_F(Pilots, WaypointsAreFollowedAndOnlyDockingKindsBindTheShip) {
  AddSystemObject(game->world.visit.systemObjects, TestObject(4100, 500, 128, 100, 0));
  AddSystemObject(game->world.visit.systemObjects, TestObject(4011, 600, 128, -300, 0));
  AddSystemObject(game->world.visit.systemObjects, TestObject(4101, 700, 128, 0, 100));
  ShipRecord& ship = AddComputer(20, 1, 0, 150, 0);
  ship.orders = WaypointRecord(0, 0, 2) + WaypointRecord(0, 0, 3) + WaypointRecord(5000, 0, 4);
  EXPECT_EQ(ship.orders.substr(0, 25), "         0         0    2");
  Pilot(ship);  // a kind-2 point next to a ring: passed, never bound
  EXPECT_EQ(ship.dockTarget, -1);
  EXPECT_EQ(ship.orders.size(), 50u);
  Pilot(ship);  // kind 3: the last ring or lane entry within 500 in list order
  EXPECT_EQ(ship.dockTarget, 600);
  EXPECT_EQ(ship.orders.size(), 25u);
  // Bound, it searches nothing and steers nothing: it coasts while the autopilot flies it.
  AddComputer(30, 2, 100, 150);
  ship.speed = 10;
  ship.turnRate = 0;
  Pilot(ship);
  EXPECT_FLOAT_EQ(ship.speed, 9);
  EXPECT_FLOAT_EQ(ship.turnRate, 0);
  EXPECT_EQ(game->world.visit.projectiles.Count(), 0);

  // A docking point with nothing to dock at within 500 is simply dropped.
  game->world.ships.Clear();
  AddShip(game->world.ships, TestShip(10, 1, 0, 0, 270));
  ShipRecord& lonely = AddComputer(40, 4, 5100, 100);
  lonely.orders = WaypointRecord(5000, 0, 4);
  Pilot(lonely);
  EXPECT_EQ(lonely.dockTarget, -1);
  EXPECT_EQ(lonely.orders, "");
}

TEST_F(Pilots, WithNothingToDoAShipCoastsToAStop) {
  ShipRecord& ship = AddComputer(20, 4, 0, 0);
  ship.speed = 2.5f;
  for (int i = 0; i < 5; ++i) Pilot(ship);
  EXPECT_FLOAT_EQ(ship.speed, -0.5f);  // the last step goes below 0, then it stays
  EXPECT_FLOAT_EQ(ship.turnRate, 0);
}

TEST_F(Pilots, AClickSelectsAShipOrItsEdgeMarkerButNeverTheLocalShip) {
  // The camera looks up the screen (heading 270) from (0, 0).
  game->world.playerHeading = 270;
  ShipRecord& near = AddComputer(20, 1, 0, -300);  // drawn at (512, 312)
  ShipRecord& far = AddComputer(30, 1, 0, -5000);  // off the top edge: its marker at (480, -32)
  FlightContext flight = Flight();
  auto click = [&](int x, int y, ShipRecord& ship) {
    game->world.flight.selectedObject = -1;
    PointAt(x, y);
    game->ui.leftButtonState = 4;
    DrawShip(flight, ship);
    return game->world.flight.selectedObject;
  };
  EXPECT_EQ(click(571, 371, near), 20);
  EXPECT_EQ(click(573, 312, near), -1);
  EXPECT_EQ(click(512, 612, Local()), -1);
  EXPECT_EQ(click(530, 20, far), 30);
  EXPECT_EQ(click(543, 0, far), -1);
  game->ui.leftButtonState = 3;  // a held button is no click
  PointAt(512, 312);
  DrawShip(flight, near);
  EXPECT_EQ(game->world.flight.selectedObject, -1);
}

TEST_F(Pilots, EdgeLabelsStackAboveTheStatusPanelAndAClickOnOneChoosesItsShip) {
  // Two ships far behind the camera (below the screen) at almost the same bearing: their markers
  // sit side by side on the bottom edge and their distance labels would print over each other.
  game->world.playerHeading = 270;
  ShipRecord& first = AddComputer(20, 1, 0, 5000);
  ShipRecord& second = AddComputer(30, 1, 20, 5000);
  ShipRecord& elsewhere = AddComputer(40, 1, -5000, 0);  // off the left edge
  FlightContext flight = Flight();
  flight.drawing = true;
  DrawShip(flight, first);
  DrawShip(flight, second);
  DrawShip(flight, elsewhere);
  ASSERT_EQ(flight.edgeLabels.size(), 3u);
  const LabelBox& a = flight.edgeLabels[0];
  const LabelBox& b = flight.edgeLabels[1];
  EXPECT_LE(a.bottom, 718);    // clear of the status panel's top
  EXPECT_LE(b.bottom, a.top);  // the second moved up, clear of the first
  EXPECT_GT(b.right, a.left);  // though they share columns
  EXPECT_LT(b.left, a.right);
  // The markers lie under the status panel: a click on a name chooses its ship.
  const LabelBox secondLabel = b;
  FlightContext clicked = Flight();
  clicked.drawing = true;
  PointAt((secondLabel.left + secondLabel.right) / 2, secondLabel.top + 5);
  game->ui.leftButtonState = 4;
  DrawShip(clicked, first);
  DrawShip(clicked, second);
  EXPECT_EQ(game->world.flight.selectedObject, 30);
  game->ui.leftButtonState = 0;
  // A crowd on the same bearing gets three rows of labels; the rest show their markers alone.
  for (int id = 50; id < 60; ++id) DrawShip(flight, AddComputer(id, 1, 10, 5000));
  EXPECT_EQ(flight.edgeLabels.size(), 4u);
  // A label with room keeps the place it has alone.
  FlightContext alone = Flight();
  alone.drawing = true;
  DrawShip(alone, elsewhere);
  ASSERT_EQ(alone.edgeLabels.size(), 1u);
  EXPECT_EQ(flight.edgeLabels[2].top, alone.edgeLabels[0].top);
}

TEST_F(Pilots, EdgeLabelsKeepOutOfTheHudAndAClickOnAHudControlChoosesNoMarker) {
  game->world.playerHeading = 270;
  ShipRecord& below = AddComputer(20, 1, 0, 5000);        // bottom edge, centred at x 512
  ShipRecord& rightUp = AddComputer(30, 1, 5000, -5080);  // right edge, label at y 82
  FlightContext flight = Flight();
  flight.drawing = true;
  const LabelBox control{500, 740, 544, 768};  // a button over the bottom marker
  flight.hudZones.controls = {control};
  flight.hudZones.occupied = {control, {359, 700, 665, 768}, {944, 40, 1008, 104}};
  DrawShip(flight, below);
  DrawShip(flight, rightUp);
  ASSERT_EQ(flight.edgeLabels.size(), 2u);
  EXPECT_LE(flight.edgeLabels[0].bottom, 700);  // above the status panel's box
  EXPECT_GE(flight.edgeLabels[1].top, 104);     // below the compass needle's box
  // A click on the button is the button's, though the marker lies under it; beside it, the
  // marker's.
  auto clickAt = [&](int x, int y, bool pressOnHud) {
    game->world.flight.selectedObject = -1;
    game->ui.leftPressOnHud = pressOnHud;
    PointAt(x, y);
    game->ui.leftButtonState = 4;
    FlightContext again = Flight();
    again.hudZones = flight.hudZones;
    DrawShip(again, below);
    game->ui.leftButtonState = 0;
    game->ui.leftPressOnHud = false;
    return game->world.flight.selectedObject;
  };
  EXPECT_EQ(clickAt(512, 750, false), -1);
  EXPECT_EQ(clickAt(490, 750, false), 20);
  EXPECT_EQ(clickAt(490, 750, true), -1);  // a press that began on the HUD is no marker click
}

TEST_F(Pilots, ShieldMarksFadeByTenAFrameNearTheCamera) {
  ShipRecord& ship = AddComputer(20, 1, 0, -300);
  ship.impacts = std::string{char(45), char(25), char(100), char(250)};
  FlightContext flight = Flight();
  DrawShip(flight, ship);
  EXPECT_EQ(ship.impacts, (std::string{char(45), char(15), char(100), char(240)}));
  DrawShip(flight, ship);
  DrawShip(flight, ship);
  EXPECT_EQ(ship.impacts, (std::string{char(100), char(220)}));
  ship.y = -9000;  // beyond the 8000 box nothing fades
  DrawShip(flight, ship);
  EXPECT_EQ(ship.impacts.size(), 2u);
  EXPECT_EQ(static_cast<unsigned char>(ship.impacts[1]), 220);
}

TEST_F(Pilots, TheLeadMarkerGoesWhereTheShipIsWhenAShotGetsThere) {
  ShipRecord& ship = AddComputer(20, 2, 0, -300);
  ship.speed = 100;
  FlightContext flight = Flight();
  // 300 away at the first weapon's 30 a frame: 10 frames of 20 units.
  EXPECT_FLOAT_EQ(LeadDistance(flight, ship, 300), 200);
  Local().weapons = std::string(10, ' ') + Weapon(1);
  EXPECT_FLOAT_EQ(LeadDistance(flight, ship, 300), 0);  // nothing in the first slot
}

}  // namespace
