#include "game/stations/people_screens.h"

#include "game/stations/person_deals.h"
#include "game/stations/station_codes.h"
#include "game/ui/screen_codes.h"
#include "game/world/missions.h"
#include "tests/game/stations/station_fixture.h"

namespace {

using People = StationTest;

TEST(GridReference, LettersAndNumbersCoverBandsCentredOnTenThousands) {
  EXPECT_EQ(GridReference(0, 0), "A1");
  EXPECT_EQ(GridReference(4999, 4999), "A1");
  EXPECT_EQ(GridReference(5000, 5000), "A1");  // 0.5: halves go to the even neighbour
  EXPECT_EQ(GridReference(5001, 5001), "B2");
  EXPECT_EQ(GridReference(15000, 15000), "C3");  // 1.5 -> 2
  EXPECT_EQ(GridReference(25000, 25000), "C3");  // 2.5 -> 2
  EXPECT_EQ(GridReference(66000, 14000), "H2");
  EXPECT_EQ(GridReference(95000, 85000), "K9");  // 9.5 -> 10, 8.5 -> 8
  EXPECT_EQ(GridReference(100000, 100000), "K11");
  // World positions: the system's 100000 are taken off while above 100000.
  EXPECT_EQ(GridReference(100001, 100001), "A1");
  EXPECT_EQ(GridReference(166000, 214000), "H2");
  EXPECT_EQ(GridReference(200000, 300000), "K11");
  EXPECT_EQ(GridReference(-20000, -20000), "A-1");  // left of the system: the first letter
}

TEST_F(People, PresentPeopleGetAButtonByKindAtMostElevenAndOnlyTheFirst39) {
  station.presenceRolls.fill(6);
  station.presenceRolls[2] = 5;  // absent
  AddPerson(kMissionKind, "Vernichtung");
  AddPerson(kInformationKind, "Ortsdaten");
  AddPerson("Reisende", "Schwatz");  // counted as present, no button
  AddPerson(kContractKind, "Neutral");
  StationContext context = Context();
  RunPeople(context, kPeopleScreen);
  EXPECT_EQ(menu.screenTag, "Leute");
  EXPECT_EQ(Item(0).caption, "Leute treffen");
  EXPECT_EQ(Item(1).caption, "Auftrag");
  EXPECT_EQ(Item(1).y, 150);
  EXPECT_EQ(Item(1).action, 401);
  EXPECT_EQ(Item(2).caption, "Diplomatie");  // the third present person's row
  EXPECT_EQ(Item(2).y, 250);
  EXPECT_EQ(Item(2).action, 404);
  EXPECT_EQ(Item(3).caption,
            "Zur\xFC"
            "ck");
  EXPECT_EQ(Item(3).action, 0);

  // 45 people, all present: eleven rows, and nobody beyond position 39 could ever be met.
  for (int k = 0; k < 41; ++k) AddPerson(kInformationKind, "Ortsdaten");
  station.presenceRolls.fill(10);
  EXPECT_TRUE(PersonPresent(station, 39));
  EXPECT_FALSE(PersonPresent(station, 40));
  EXPECT_FALSE(PersonPresent(station, 0));
  menu.menuItems.Clear();
  RunPeople(context, kPeopleScreen);
  EXPECT_EQ(menu.menuItems.Count(), 1 + 10 + 1);  // person 3 keeps its row empty
  EXPECT_EQ(Item(10).y, 650);
  EXPECT_EQ(Item(10).action, 411);
}

TEST_F(People, NobodyThereOrAMissionRunning) {
  AddPerson(kMissionKind, "Vernichtung");
  station.presenceRolls.fill(5);
  StationContext context = Context();
  RunPeople(context, kPeopleScreen);
  ASSERT_EQ(menu.menuItems.Count(), 3);
  EXPECT_EQ(Item(1).caption, "Zur Zeit sind keine Leute da.");
  EXPECT_EQ(Item(1).y, 150);

  station.presenceRolls.fill(9);
  Ship().orders = MissionMarker(1, 2);
  menu.menuItems.Clear();
  RunPeople(context, kPeopleScreen);
  ASSERT_EQ(menu.menuItems.Count(), 4);
  EXPECT_EQ(Item(1).caption, "W\xE4hrend eines Auftrags k\xF6nnen");
  EXPECT_EQ(Item(2).caption, "sie nicht mit anderen Leuten reden");
  EXPECT_EQ(Item(2).y, 200);
}

TEST_F(People, PersonScreensShowTheDealAndItsButton) {
  PersonRecord& mission = AddPerson(kMissionKind, "Vernichtung");
  mission.fromGroup = "Die Allianz";
  mission.againstGroup = "Die Blacks";
  mission.x = 66000;
  mission.y = 14000;
  mission.shipCount = 2;
  mission.price = 2200;
  PersonRecord& information = AddPerson(kInformationKind, "Ortsdaten");
  information.infoPlace = "Station Wacht";
  information.price = 150;
  AddPerson(kContractKind, "Handelsabkommen").fromGroup = "Die Blacks";
  StationContext context = Context();

  RunPeople(context, 401);
  EXPECT_EQ(station.selectedPerson, 1);
  EXPECT_EQ(Item(0).caption, "Auftrag");
  EXPECT_EQ(Item(1).caption, "Art           : Vernichtung");
  EXPECT_EQ(Item(1).kind, 1);
  EXPECT_EQ(Item(1).action, -1);
  EXPECT_EQ(Item(3).caption, "Auftragsziel  : Die Blacks");
  EXPECT_EQ(Item(4).caption, "Gegner        : 2");
  EXPECT_EQ(Item(5).caption, "Position      : H2");
  EXPECT_EQ(Item(5).y, 350);
  EXPECT_EQ(Item(6).caption, "Lohn          : 2200");
  EXPECT_EQ(Item(6).y, 550);
  EXPECT_EQ(Item(7).caption, "Annehmen");
  EXPECT_EQ(Item(7).x, 870);
  EXPECT_EQ(Item(7).action, kAcceptMission);
  EXPECT_EQ(Item(8).action, kPeopleScreen);

  menu.menuItems.Clear();
  RunPeople(context, 402);
  EXPECT_EQ(Item(0).caption, "Information");
  EXPECT_EQ(Item(2).caption, "Von           : Station Wacht");
  EXPECT_EQ(Item(3).caption, "Preis         : 150");
  EXPECT_EQ(Item(4).caption, "Upload");
  EXPECT_EQ(Item(4).action, kBuyInformation);

  menu.menuItems.Clear();
  RunPeople(context, 403);
  EXPECT_EQ(Item(0).caption, "Diplomatie");
  EXPECT_EQ(Item(2).caption, "Bei           : Die Blacks");
  EXPECT_EQ(Item(3).caption, "Preis         : 2500");
  EXPECT_EQ(Item(4).caption, "Unterschreiben");
  EXPECT_EQ(Item(4).x, 810);

  menu.menuItems.Clear();
  RunPeople(context, 404);  // nobody there: the people screen
  EXPECT_EQ(menu.screenState, kPeopleScreen);
  EXPECT_EQ(Item(0).caption, "Leute treffen");
  EXPECT_EQ(station.selectedPerson, 3);
}

TEST_F(People, AContractWithAGroupAtZeroCosts2500AndHalvesTheWayToOneHalf) {
  AddPerson(kContractKind, "Handelsabkommen").fromGroup = "Die Blacks";
  station.selectedPerson = 1;
  StationContext context = Context();
  RunPeople(context, kSignContract);
  EXPECT_EQ(Item(1).caption, "Vertrag unterschrieben.");
  EXPECT_EQ(Item(2).caption, "Weiterspielen");
  EXPECT_EQ(Item(2).action, 0);
  EXPECT_EQ(Ship().money, 7500);
  // Die Blacks are indifferent to themselves, so their 0.25 stays; they hate Die Allianz.
  EXPECT_FLOAT_EQ(GroupRelation(world.groups, 0, 2), 0.25f);
  EXPECT_FLOAT_EQ(GroupRelation(world.groups, 0, 1), 0.5f - 0.25f * 0.8f);

  // Again: half of the rest, never all of it.
  EXPECT_EQ(ContractPrice(world, *PersonAt(station, 1)), 1250);
  RunPeople(context, kSignContract);
  EXPECT_FLOAT_EQ(GroupRelation(world.groups, 0, 2), 0.375f);
}

TEST_F(People, ContractsPastTheGoalPayThePlayerAndShortMoneyChangesNothing) {
  AddPerson(kContractKind, "Neutral").fromGroup = "Die Allianz";  // at 0.5: 0.25 back to 0
  AddPerson(kContractKind, "Freundschaft").fromGroup = "Die Blacks";
  StationContext context = Context();
  station.selectedPerson = 1;
  RunPeople(context, kSignContract);
  EXPECT_EQ(Ship().money, 12500);
  // -0.25 once directly and once through Die Allianz's own 1.
  EXPECT_FLOAT_EQ(GroupRelation(world.groups, 0, 1), 0);
  EXPECT_FLOAT_EQ(GroupRelation(world.groups, 0, 2), 0.2f);  // their enemy's loss is their gain

  Ship().money = 1499;  // (0.5 - 0.2) / 2 x 10000 = 1500 needed
  station.selectedPerson = 2;
  menu.menuItems.Clear();
  RunPeople(context, kSignContract);
  EXPECT_EQ(Item(0).caption, "Diplomatie");
  EXPECT_EQ(Item(1).caption, "Sie haben leider zu wenig Geld.");
  EXPECT_EQ(Item(2).action, 402);
  EXPECT_EQ(Ship().money, 1499);
  EXPECT_FLOAT_EQ(GroupRelation(world.groups, 0, 2), 0.2f);
}

TEST_F(People, InformationMarksThePlaceKnownWhenPaidFor) {
  PersonRecord& person = AddPerson(kInformationKind, "Ortsdaten");
  person.infoPlace = "Station Wacht";
  person.price = 10001;
  station.selectedPerson = 1;
  StationContext context = Context();
  RunPeople(context, kBuyInformation);
  EXPECT_EQ(Item(1).caption, "Sie haben leider zu wenig Geld.");
  EXPECT_EQ(Item(2).action, 401);
  EXPECT_EQ(world.places.Front()->known, 0);

  person.price = 250;
  menu.menuItems.Clear();
  RunPeople(context, kBuyInformation);
  EXPECT_EQ(Item(1).caption, "Information hochgeladen.");
  EXPECT_EQ(Ship().money, 9750);
  int known = 0;
  for (const PlaceRecord& place : world.places) {
    if (place.known) {
      ++known;
      EXPECT_EQ(place.name, "Station Wacht");
    }
  }
  EXPECT_EQ(known, 1);
}

TEST_F(People, AcceptingAMissionPlacesItsShipsAndWaitsWithTheReward) {
  PersonRecord& person = AddPerson(kMissionKind, "Vernichtung");
  person.againstGroup = "Die Blacks";
  person.x = 66000;
  person.y = 14000;
  person.shipCount = 3;
  person.price = 2200;
  station.selectedPerson = 1;
  world.nextObjectId = 300;
  world.ships.First();
  StationContext context = Context();
  RunPeople(context, kAcceptMission);
  EXPECT_EQ(Item(0).caption, "Auftrag");
  EXPECT_EQ(Item(1).caption, "Auftrag angenommen.");
  EXPECT_EQ(Ship().orders, "    166000    214000");
  EXPECT_EQ(Ship().money, 10000);  // nothing paid now
  EXPECT_EQ(world.pendingReward.amount, 2200);
  EXPECT_EQ(world.nextObjectId, 330);
  EXPECT_EQ(world.ships.Current(), world.ships.Front());
  ASSERT_EQ(world.ships.Count(), 4);
  int id = 300;
  for (const ShipRecord& ship : world.ships) {
    if (ship.controller != 0) continue;
    id += 10;
    EXPECT_EQ(ship.id, id);
    EXPECT_EQ(ship.group, 202);
    EXPECT_EQ(ship.money, 1000);
    EXPECT_GE(ship.x, 166000 - 400);
    EXPECT_LE(ship.x, 166000 + 400);
    EXPECT_GE(ship.y, 214000 - 400);  // written so: 400 above and at most 80 further down
    EXPECT_LE(ship.y, 214000 - 320);
  }

  // The reward waits for the last of them.
  PayMissionRewardWhenDone(world);
  EXPECT_EQ(Ship().money, 10000);
  while (world.ships.Count() > 1) {
    world.ships.Reset();
    while (world.ships.Next()) {
    }
    world.ships.DeleteCurrent();
  }
  PayMissionRewardWhenDone(world);
  EXPECT_EQ(Ship().money, 12200);
  EXPECT_FALSE(MissionRunning(world));
}

TEST_F(People, AMissionOfNoShipsIsDoneAtTheFirstCheck) {
  PersonRecord& person = AddPerson(kMissionKind, "Aufkl\xE4rung");
  person.price = 700;
  station.selectedPerson = 1;
  StationContext context = Context();
  RunPeople(context, kAcceptMission);
  EXPECT_TRUE(MissionRunning(world));
  EXPECT_EQ(world.ships.Count(), 1);
  PayMissionRewardWhenDone(world);
  EXPECT_EQ(Ship().money, 10700);
  EXPECT_FALSE(MissionRunning(world));
}

}  // namespace
