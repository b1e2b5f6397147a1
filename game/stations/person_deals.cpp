#include "game/stations/person_deals.h"

#include "game/stations/people_screens.h"
#include "game/stations/station_codes.h"
#include "game/ui/screen_codes.h"
#include "game/ui/screen_items.h"
#include "game/world/attitudes.h"
#include "game/world/computer_ships.h"
#include "game/world/missions.h"

namespace {

constexpr int kMissionSpreadX = 800;  // ships appear from 400 left to 400 right of the target
constexpr int kMissionSpreadY = 80;   // and from 400 to 320 above it

const std::string kShortOfMoney = "Sie haben leider zu wenig Geld.";

// A screen that answers a deal: its title, one line and the way on.
void ShowAnswer(MenuState& menu, const std::string& title, const std::string& line,
                const std::string& button, int action) {
  AddItem(menu, kTextLine, 50, 50, title, -1);
  AddItem(menu, kTextLine, 50, 150, line, -1);
  AddItem(menu, kButton, 50, 700, button, action);
}

}  // namespace

const PersonRecord* PersonAt(const StationState& station, int p) {
  int position = 0;
  for (const PersonRecord& person : station.stationPeople) {
    if (++position == p) return &person;
  }
  return nullptr;
}

void AcceptMission(StationContext& context, const PersonRecord& person) {
  World& world = context.world;
  const int targetX = person.x + world.visit.currentSystemX;
  const int targetY = person.y + world.visit.currentSystemY;
  world.ships.Front()->orders = MissionMarker(targetX, targetY);
  const int group = GroupIndex(world.groups, person.againstGroup) + kMissionGroupOffset;
  for (int k = 0; k < person.shipCount; ++k) {
    world.nextObjectId += 10;
    TakeLoadout(world.lastLoadout, person.againstGroup, world.visit.currentSystemFolder,
                context.catalogues, context.rng);
    const int x = targetX - 400 + RandomInt(context.rng, kMissionSpreadX);
    const int y = targetY - 400 + RandomInt(context.rng, kMissionSpreadY);
    AppendShip(world, MakeComputerShip(world, context.catalogues, world.lastLoadout, group,
                                       static_cast<float>(x), static_cast<float>(y), 0));
  }
  world.pendingReward.amount = person.price;
}

bool BuyInformation(StationContext& context, const PersonRecord& person) {
  ShipRecord& ship = *context.world.ships.Front();
  if (ship.money < person.price) return false;
  ship.money -= person.price;
  for (PlaceRecord& place : context.world.places) {
    if (place.name == person.infoPlace) place.known = 1;
  }
  return true;
}

bool SignContract(StationContext& context, const PersonRecord& person) {
  ShipRecord& ship = *context.world.ships.Front();
  const int price = ContractPrice(context.world, person);
  if (ship.money < price) return false;
  ship.money -= price;
  ChangePlayerStanding(context.world, GroupIndex(context.world.groups, person.fromGroup),
                       ContractChange(context.world, person));
  return true;
}

void RunPersonDeal(StationContext& context, int code) {
  const int p = context.station.selectedPerson;
  const PersonRecord* person = PersonAt(context.station, p);
  if (!person || !context.world.ships.Front()) {
    context.menu.screenState = kPeopleScreen;
    BuildPeopleScreen(context);
    return;
  }
  const int back = kPersonScreenBase + p;
  MenuState& menu = context.menu;
  if (code == kAcceptMission) {
    AcceptMission(context, *person);
    ShowAnswer(menu, "Auftrag", "Auftrag angenommen.", "Weiterspielen", kStationScreen);
  } else if (code == kBuyInformation) {
    if (BuyInformation(context, *person)) {
      ShowAnswer(menu, "Information", "Information hochgeladen.", "Weiterspielen", kStationScreen);
    } else {
      ShowAnswer(menu, "Information", kShortOfMoney, kBackCaption, back);
    }
  } else if (code == kSignContract) {
    if (SignContract(context, *person)) {
      ShowAnswer(menu, "Diplomatie", "Vertrag unterschrieben.", "Weiterspielen", kStationScreen);
    } else {
      ShowAnswer(menu, "Diplomatie", kShortOfMoney, kBackCaption, back);
    }
  }
}
