#include "game/world/missions.h"

#include "formats/traffic_loadouts.h"
#include "game/world/computer_ships.h"
#include "game/world/world_lists.h"
#include "tests/game/support/world_fixture.h"

namespace {

using ComputerShips = DockedTest;
using Missions = DockedTest;

// The loadout table names ships, weapons and goods of the sample universe; these catalogues know
// the first row's.
void AddTableNames(Catalogues& catalogues) {
  const TrafficLoadout& row = TrafficLoadouts().front();
  catalogues.ships.shipTypes[2].name = std::string(row.shipType);
  catalogues.weapons.weaponTypes[3].name = std::string(row.weapons[0]);
  catalogues.weapons.weaponTypes[4].name = std::string(row.weapons[1]);
  catalogues.goods.goods[3].name = std::string(row.goods);
}

TEST_F(ComputerShips, TakeTheGroupsLoadoutAndTheShipTypesValues) {
  AddTableNames(catalogues);
  ComputerLoadout loadout;
  TakeLoadout(loadout, TrafficLoadouts().front().group, "Heimat", catalogues, rng);
  EXPECT_EQ(loadout.shipType, 2);
  EXPECT_EQ(loadout.weapons, Weapon(3) + Weapon(4) + Weapon(4) + Weapon(3));
  ASSERT_EQ(loadout.cargo.size(), 10u);
  EXPECT_EQ(loadout.cargo.substr(0, 5), "3    ");
  const int amount = std::stoi(loadout.cargo.substr(5));
  EXPECT_GE(amount, 1);
  EXPECT_LE(amount, 5);

  world.nextObjectId = 470;
  const ShipRecord ship = MakeComputerShip(world, catalogues, loadout, 205, 10, 20, 90);
  EXPECT_EQ(ship.type, 2002);
  EXPECT_EQ(ship.id, 470);
  EXPECT_EQ(ship.controller, 0);
  EXPECT_EQ(ship.group, 205);
  EXPECT_FLOAT_EQ(ship.radius, 60);
  EXPECT_FLOAT_EQ(ship.heading, 90);
  EXPECT_FLOAT_EQ(ship.agility, 12);
  EXPECT_FLOAT_EQ(ship.maxSpeed, 42);
  EXPECT_FLOAT_EQ(ship.speed, 0);
  EXPECT_FLOAT_EQ(ship.driveFactor, 1);
  EXPECT_EQ(ship.money, 1000);
  EXPECT_EQ(ship.weapons, loadout.weapons);
  EXPECT_EQ(ship.cargo, loadout.cargo);
  EXPECT_EQ(ship.cargoCapacity, 200);
  EXPECT_FLOAT_EQ(ship.hull, 600);
  EXPECT_EQ(ship.maxHull, 600);
  EXPECT_FLOAT_EQ(ship.shield, 100);
  EXPECT_EQ(ship.maxShield, 100);
  EXPECT_EQ(ship.impactSprite, 11);
  EXPECT_FLOAT_EQ(ship.energy, 200);
  EXPECT_EQ(ship.maxEnergy, 200);
  EXPECT_EQ(ship.tractorTimer, -1);
  EXPECT_EQ(ship.dockTarget, -1);
  EXPECT_EQ(ship.orders, "");
}

TEST_F(ComputerShips, AGroupWithoutARowKeepsThePreviousLoadoutAndDrawsNothing) {
  ComputerLoadout loadout;
  EXPECT_EQ(loadout.shipType, 1);  // before any ship: the first type, nothing on board
  TakeLoadout(loadout, "Die Allianz", "Heimat", catalogues, rng);
  const ComputerLoadout taken = loadout;
  const Rng before = rng;
  TakeLoadout(loadout, "Niemand", "Heimat", catalogues, rng);
  EXPECT_EQ(loadout.shipType, taken.shipType);
  EXPECT_EQ(loadout.weapons, taken.weapons);
  EXPECT_EQ(loadout.cargo, taken.cargo);
  EXPECT_EQ(rng.state, before.state);
  // A row bound to a system wins there only.
  EXPECT_EQ(FindTrafficLoadout("Die Kopfgeldj\xE4ger", "Alpha 23")->shipType, "Krebs");
  EXPECT_EQ(FindTrafficLoadout("Die Kopfgeldj\xE4ger", "Heimat")->shipType, "Schwalbe");
}

TEST_F(ComputerShips, AppendedShipsGoToTheEndAndTheCursorStays) {
  AddShip(world.ships, {.type = 2002, .id = 20});
  world.ships.First();
  AppendShip(world, {.type = 2003, .id = 30});
  EXPECT_EQ(world.ships.Index(), 1);
  ASSERT_EQ(world.ships.Count(), 3);
  int last = 0;
  for (const ShipRecord& ship : world.ships) last = ship.id;
  EXPECT_EQ(last, 30);
  world.ships.Reset();
  AppendShip(world, {.type = 2003, .id = 40});
  EXPECT_EQ(world.ships.Current(), nullptr);
}

TEST_F(Missions, TheRewardIsPaidWhenNoMissionShipIsLeft) {
  PayMissionRewardWhenDone(world);  // no mission: nothing
  EXPECT_EQ(Ship().money, 10000);

  Ship().orders = MissionMarker(160000, 214000);
  EXPECT_EQ(Ship().orders, "    160000    214000");
  world.pendingReward.amount = 2200;
  AppendShip(world, {.type = 2002, .id = 110, .group = 203});
  AppendShip(world, {.type = 2002, .id = 120, .group = 3});  // route traffic of the same group
  PayMissionRewardWhenDone(world);
  EXPECT_EQ(Ship().money, 10000);
  EXPECT_TRUE(MissionRunning(world));

  world.ships.Reset();
  world.ships.Next();
  world.ships.Next();
  world.ships.DeleteCurrent();  // the mission ship is destroyed
  PayMissionRewardWhenDone(world);
  EXPECT_EQ(Ship().money, 12200);
  EXPECT_EQ(Ship().orders, "");
  EXPECT_EQ(world.pendingReward.amount, 0);
  PayMissionRewardWhenDone(world);  // paid once
  EXPECT_EQ(Ship().money, 12200);
}

TEST_F(Missions, AMissionAgainstNoGroupStillWaitsForItsShips) {
  ShipRecord ship;
  ship.group = 200;  // group 0 as a mission target: a name that is no group
  EXPECT_TRUE(IsMissionShip(ship));
  ship.group = 199;
  EXPECT_FALSE(IsMissionShip(ship));
}

TEST_F(Missions, LosingTheShipCancelsTheMissionAndRemovesItsShips) {
  Ship().orders = MissionMarker(1, 2);
  world.pendingReward.amount = 900;
  AppendShip(world, {.id = 110, .group = 201});
  AppendShip(world, {.id = 120, .group = 7});
  AppendShip(world, {.id = 130, .group = 202});
  world.ships.First();  // the player pass stands on the local ship
  CancelMission(world);
  EXPECT_EQ(Ship().orders, "");
  EXPECT_EQ(Ship().money, 10000);
  EXPECT_EQ(world.pendingReward.amount, 0);
  ASSERT_EQ(world.ships.Count(), 2);
  EXPECT_EQ(world.ships.Current(), world.ships.Front());
  int second = 0;
  for (const ShipRecord& ship : world.ships) second = ship.id;
  EXPECT_EQ(second, 120);
}

}  // namespace
