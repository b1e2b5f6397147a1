#include "game/stations/people_screens.h"

#include <algorithm>

#include "formats/rounding.h"
#include "game/stations/person_deals.h"
#include "game/stations/station_codes.h"
#include "game/ui/screen_codes.h"
#include "game/ui/screen_items.h"
#include "game/world/missions.h"

namespace {

constexpr int kPresentAbove = 5;
constexpr int kMaxPeopleRows = 11;  // buttons at y 150..650, above "Zurück"

// The main kinds that offer a deal, and their buttons.
const char* DealButton(const std::string& mainKind) {
  if (mainKind == kMissionKind) return "Auftrag";
  if (mainKind == kInformationKind) return "Information";
  if (mainKind == kContractKind) return "Diplomatie";
  return nullptr;
}

// A line of a person screen: a button without action.
void AddLine(MenuState& menu, int y, const std::string& text) {
  AddItem(menu, kButton, 50, y, text, -1);
}

void AddMissionLines(MenuState& menu, const PersonRecord& person) {
  AddItem(menu, kTextLine, 50, 50, "Auftrag", -1);
  AddLine(menu, 150, "Art           : " + person.subKind);
  AddLine(menu, 200, "Auftraggeber  : " + person.fromGroup);
  AddLine(menu, 250, "Auftragsziel  : " + person.againstGroup);
  AddLine(menu, 300, "Gegner        : " + std::to_string(person.shipCount));
  AddLine(menu, 350, "Position      : " + GridReference(person.x, person.y));
  AddLine(menu, 550, "Lohn          : " + std::to_string(person.price));
  AddRightAlignedButton(menu, 700, "Annehmen", kAcceptMission);
}

void AddInformationLines(MenuState& menu, const PersonRecord& person) {
  AddItem(menu, kTextLine, 50, 50, "Information", -1);
  AddLine(menu, 150, "Art           : " + person.subKind);
  AddLine(menu, 200, "Von           : " + person.infoPlace);
  AddLine(menu, 550, "Preis         : " + std::to_string(person.price));
  AddRightAlignedButton(menu, 700, "Upload", kBuyInformation);
}

void AddContractLines(MenuState& menu, const World& world, const PersonRecord& person) {
  AddItem(menu, kTextLine, 50, 50, "Diplomatie", -1);
  AddLine(menu, 150, "Art           : " + person.subKind);
  AddLine(menu, 200, "Bei           : " + person.fromGroup);
  AddLine(menu, 550, "Preis         : " + std::to_string(ContractPrice(world, person)));
  AddRightAlignedButton(menu, 700, "Unterschreiben", kSignContract);
}

}  // namespace

bool PersonPresent(const StationState& station, int p) {
  if (p < 1 || p > kMaxPersonPosition || p >= static_cast<int>(station.presenceRolls.size())) {
    return false;
  }
  return station.presenceRolls[p] > kPresentAbove;
}

GridSquare GridSquareOf(int x, int y) {
  long long cx = x;
  long long cy = y;
  while (cx > 100000) cx -= 100000;
  while (cy > 100000) cy -= 100000;
  // A position left of or above the system has no letter of its own: it gets the first.
  return {std::clamp(RoundToInt(cx / 10000.0), 0, 10), RoundToInt(cy / 10000.0)};
}

char GridColumnLetter(int column) {
  static constexpr char kLetters[] = "ABCDEFGHIJK";
  return kLetters[std::clamp(column, 0, 10)];
}

std::string GridReference(int x, int y) {
  const GridSquare square = GridSquareOf(x, y);
  return std::string(1, GridColumnLetter(square.column)) + std::to_string(square.row + 1);
}

float ContractChange(const World& world, const PersonRecord& person) {
  const int g = GroupIndex(world.groups, person.fromGroup);
  const float r = GroupRelation(world.groups, 0, g);
  return person.subKind == "Neutral" ? -r / 2 : (0.5f - r) / 2;
}

int ContractPrice(const World& world, const PersonRecord& person) {
  return RoundToInt(static_cast<double>(ContractChange(world, person)) * 10000);
}

void BuildPeopleScreen(StationContext& context) {
  MenuState& menu = context.menu;
  AddItem(menu, kTextLine, 50, 50, "Leute treffen", -1);
  menu.screenTag = "Leute";
  if (MissionRunning(context.world)) {
    AddItem(menu, kTextLine, 50, 150, "W\xE4hrend eines Auftrags k\xF6nnen", -1);
    AddItem(menu, kTextLine, 50, 200, "sie nicht mit anderen Leuten reden", -1);
  } else {
    int present = 0;
    int p = 0;
    for (const PersonRecord& person : context.station.stationPeople) {
      ++p;
      if (!PersonPresent(context.station, p)) continue;
      if (++present > kMaxPeopleRows) break;
      if (const char* button = DealButton(person.mainKind)) {
        AddItem(menu, kButton, 50, 100 + 50 * present, button, kPersonScreenBase + p);
      }
    }
    if (present == 0) AddItem(menu, kTextLine, 50, 150, "Zur Zeit sind keine Leute da.", -1);
  }
  AddItem(menu, kButton, 50, 700, kBackCaption, kStationScreen);
}

void BuildPersonScreen(StationContext& context, int p) {
  const PersonRecord* person = PersonAt(context.station, p);
  if (!person) {
    context.menu.screenState = kPeopleScreen;
    BuildPeopleScreen(context);
    return;
  }
  context.station.selectedPerson = p;
  if (person->mainKind == kMissionKind) {
    AddMissionLines(context.menu, *person);
  } else if (person->mainKind == kInformationKind) {
    AddInformationLines(context.menu, *person);
  } else if (person->mainKind == kContractKind) {
    AddContractLines(context.menu, context.world, *person);
  }
  AddItem(context.menu, kButton, 50, 700, kBackCaption, kPeopleScreen);
}

void RunPeople(StationContext& context, int code) {
  if (code == kAcceptMission || code == kBuyInformation || code == kSignContract) {
    RunPersonDeal(context, code);
  } else if (code > kPersonScreenBase && code <= kPersonScreenBase + kMaxPersonPosition) {
    BuildPersonScreen(context, code - kPersonScreenBase);
  } else {
    BuildPeopleScreen(context);
  }
}
