#include "game/stations/station_screen.h"

#include "formats/latin1.h"
#include "game/stations/goods_trader.h"
#include "game/ui/screen_codes.h"
#include "game/ui/screen_items.h"
#include "game/world/places.h"

void BuildStationScreen(MenuState& menu, const World& world) {
  AddItem(menu, kTextLine, 50, 50, "Willkommen auf " + world.docking.dockedPlace, -1);
  AddItem(menu, kButton, 50, 150, "Reperaturen", kRepairs);
  AddItem(menu, kButton, 50, 200, "Schiffs- und Ausr\xFCstungsh\xE4ndler", kShipDealer);
  AddItem(menu, kButton, 50, 250, "Waffenh\xE4ndler", kWeaponsDealer);
  AddItem(menu, kButton, 50, 300, "Warenh\xE4ndler", kGoodsTrader);
  AddItem(menu, kButton, 50, 400, "Leute treffen", kPeopleScreen);
  AddItem(menu, kButton, 50, 700, "Starten", kLeaveStation);
  if (world.networkGame) {
    AddRightAlignedButton(menu, 700, "Charakter", kCharacterList);
  } else {
    AddRightAlignedButton(menu, 700, "Hauptmen\xFC", kMainMenu);
  }
  // Last, so that the items above keep their places in the list.
  if (const ShipRecord* ship = world.ships.Front()) {
    AddItem(menu, kTextLine, 50, 100, MoneyAndHoldLine(*ship), -1);
  }
}

void TakeOffersFromPlace(StationState& station, World& world) {
  const PlaceRecord* place = FindPlace(world, world.docking.dockedPlace);
  station.currentShipOffers = place ? place->shipOffers : "";
  station.currentWeaponOffers = place ? place->weaponOffers : "";
  station.currentGoodsOffers = place ? place->goodsOffers : "";
  station.currentGoodsPrices = place ? place->goodsPrices : "";
}

void ReturnOffersToPlace(const StationState& station, World& world) {
  PlaceRecord* place = FindPlace(world, world.docking.dockedPlace);
  if (!place) return;
  place->shipOffers = station.currentShipOffers;
  place->weaponOffers = station.currentWeaponOffers;
  place->goodsOffers = station.currentGoodsOffers;
  place->goodsPrices = station.currentGoodsPrices;
}

void ReadStationPeople(StationState& station, World& world,
                       const std::filesystem::path& gameFolder) {
  CursorList<PersonRecord>& people = station.stationPeople;
  people.Clear();
  const PlaceRecord* place = FindPlace(world, world.docking.dockedPlace);
  if (!place) return;
  const auto file =
      LoadPlace(DataPath(gameFolder / "INI", PlaceDataPath(place->systemFolder, place->name)),
                PlaceReadMode::kGame);
  if (!file) return;
  for (const PersonRecord& person : file->people) people.Add(person);
}

void RollPresence(StationState& station, Rng& rng) {
  for (int& roll : station.presenceRolls) roll = 1 + RandomInt(rng, 9);
}
