#include "game/stations/station_screen.h"

#include "formats/latin1.h"
#include "game/stations/goods_trader.h"
#include "game/ui/screen_codes.h"
#include "game/ui/screen_items.h"
#include "game/world/places.h"

namespace {

// The right half of the station screen after a respawn: the ship was destroyed, and what went
// with it, a line each; what the rows cannot hold is counted in the last one.
void AddShipLossLines(MenuState& menu, const ShipLoss& loss) {
  constexpr int kX = 450;
  constexpr int kFirstRow = 250;
  constexpr int kLastRow = 650;
  AddItem(menu, kTextLine, kX, 150, "Ihr Schiff wurde zerst\xF6rt!", -1);
  AddItem(menu, kTextLine, kX, 200, loss.lines.empty() ? "Verloren ist nichts." : "Verloren:", -1);
  const int rows = (kLastRow - kFirstRow) / 50 + 1;
  const int count = int(loss.lines.size());
  for (int i = 0; i < count && i < rows; ++i) {
    const bool summary = i == rows - 1 && count > rows;
    const std::string text =
        summary ? "und " + std::to_string(count - i) + " weitere" : loss.lines[size_t(i)];
    AddItem(menu, kTextLine, kX, kFirstRow + 50 * i, text, -1);
  }
}

}  // namespace

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
  // After the fixed items, so that they keep their places in the list.
  if (const ShipRecord* ship = world.ships.Front()) {
    AddItem(menu, kTextLine, 50, 100, MoneyAndHoldLine(*ship), -1);
  }
  if (world.shipLoss.destroyed) AddShipLossLines(menu, world.shipLoss);
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
