#include "game/stations/station_screen.h"

#include "formats/latin1.h"
#include "game/shell/game.h"
#include "game/shell/screens.h"
#include "game/world/places.h"
#include "game/world/world_lists.h"

void BuildStationScreen(Game& game) {
  auto& items = game.menu.menuItems;
  AddMenuItem(items, kTextLine, 50, 50, "Willkommen auf " + game.menu.dockedPlace, -1);
  AddMenuItem(items, kButton, 50, 150, "Reperaturen", 1);
  AddMenuItem(items, kButton, 50, 200, "Schiffs- und Ausr\xFCstungsh\xE4ndler", 6);
  AddMenuItem(items, kButton, 50, 250, "Waffenh\xE4ndler", 2);
  AddMenuItem(items, kButton, 50, 300, "Warenh\xE4ndler", 3);
  AddMenuItem(items, kButton, 50, 400, "Leute treffen", 4);
  AddMenuItem(items, kButton, 50, 700, "Starten", kLeaveStation);
  if (game.world.networkGame) {
    AddRightAlignedButton(game, 700, "Charakter", 171);
  } else {
    AddRightAlignedButton(game, 700, "Hauptmen\xFC", kMainMenu);
  }
}

void TakeOffersFromPlace(Game& game) {
  const PlaceRecord* place = FindPlace(game.world, game.menu.dockedPlace);
  StationState& station = game.station;
  station.currentShipOffers = place ? place->shipOffers : "";
  station.currentWeaponOffers = place ? place->weaponOffers : "";
  station.currentGoodsOffers = place ? place->goodsOffers : "";
  station.currentGoodsPrices = place ? place->goodsPrices : "";
}

void ReturnOffersToPlace(Game& game) {
  PlaceRecord* place = FindPlace(game.world, game.menu.dockedPlace);
  if (!place) return;
  const StationState& station = game.station;
  place->shipOffers = station.currentShipOffers;
  place->weaponOffers = station.currentWeaponOffers;
  place->goodsOffers = station.currentGoodsOffers;
  place->goodsPrices = station.currentGoodsPrices;
}

void ReadStationPeople(Game& game) {
  CursorList<PersonRecord>& people = game.station.stationPeople;
  people.Clear();
  const PlaceRecord* place = FindPlace(game.world, game.menu.dockedPlace);
  if (!place) return;
  const auto file =
      LoadPlace(DataPath(game.folder / "INI", PlaceDataPath(place->systemFolder, place->name)),
                PlaceReadMode::kGame);
  if (!file) return;
  for (const PersonRecord& person : file->people) people.Add(person);
}

void RollPresence(Game& game) {
  for (int& roll : game.station.presenceRolls) roll = 1 + RandomInt(game.rng, 9);
}
