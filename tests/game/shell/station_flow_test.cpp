// The dealers as a player meets them on a small universe: real clicks at the documented
// positions, checked through the state dump.

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "formats/json_value.h"
#include "formats/media_numbers.h"
#include "formats/place_file.h"
#include "formats/system_file.h"
#include "game/shell/frame_loop.h"
#include "game/shell/game.h"
#include "game/shell/menu_loop.h"
#include "game/shell/state_dump.h"
#include "game_fixture.h"
#include "scheduled_flow.h"
#include "tests/game/support/universe_fixture.h"

namespace {

// The fixture universe with a second place, "Station Wacht", that holds 20 Kristalle; the start
// place lists only Wasser. Two places: Kristalle (base 300, 20 in all) sells at the start place,
// where it is not listed, for 300 x 20 / ((0 + 1) x 2) = 3000.
void WriteTwoPlaces(const std::filesystem::path& folder) {
  WriteUniverseFixture(folder);
  const auto heimat = folder / "INI" / "Heimat";
  ElementRecord start{
      "Andockringe", "Andockring", "Planet Neue Allianz", "Die Allianz", 45500, 79000, 0, 0, 0, 0};
  ElementRecord watch{
      "Andockringe", "Andockring", "Station Wacht", "Die Allianz", 20000, 20000, 0, 0, 0, 0};
  ElementRecord sun{"Sonnen", "Wei\xDF", "", "", 50000, 50000, 0, 0, 3000, 0};
  WriteFixtureFile(heimat / "System.ini", WriteSystemElements({sun, start, watch}));
  PlaceFile place;
  place.weaponOffers = MakeOfferRecord("Loku I", "-1");
  place.goodsOffers = MakeOfferRecord("Wasser", "-1");
  place.goodsPrices = MakeOfferRecord("Wasser", "500");
  WriteFixtureFile(heimat / "Orte" / "Planet Neue Allianz.ini", WritePlace(place));
  place.goodsPrices = MakeOfferRecord("Wasser", "500") + MakeOfferRecord("Kristalle", "20");
  WriteFixtureFile(heimat / "Orte" / "Station Wacht.ini", WritePlace(place));
}

class StationFlow : public ScheduledFlow {
 protected:
  void SetUp() override {
    WriteMediaFixture(folder.path);
    WriteTwoPlaces(folder.path);
    clickFrames = 3;
    StartGame();
  }

  // A value of the state dump at this moment, as a script would see it.
  std::string Dumped(const std::string& path) {
    const auto dump = ParseJson(DumpState(*game, frame));
    const JsonValue* value = dump ? FindJsonPath(*dump, path) : nullptr;
    return value ? JsonValueText(*value) : "(nothing)";
  }

  void StartFreeGame() {
    ClickAt(3, 60, 160);   // "Neues Spiel"
    ClickAt(10, 60, 210);  // "Freies Spiel"
  }
};

TEST_F(StationFlow, SellingAGoodThePlaceDoesNotListListsItWithOne) {
  StartFreeGame();
  // As a loaded game could bring it: three Kristalle in the hold.
  At(20, [&] { game->world.ships.Front()->cargo = "2    3    "; });
  ClickAt(22, 100, 315);  // "Warenhändler"
  std::map<std::string, std::string> before;
  At(30, [&] {
    before["prices"] = Dumped("CurrentGoodsPrices");
    before["row"] = Dumped("MenuItems[2].caption");
  });
  ClickAt(32, 100, 165);  // cargo row 0: sell one Kristalle
  std::map<std::string, std::string> after;
  At(40, [&] {
    after["money"] = Dumped("Ships[0].money");
    after["cargo"] = Dumped("Ships[0].cargo");
    after["prices"] = Dumped("CurrentGoodsPrices");
    after["row"] = Dumped("MenuItems[2].caption");
  });
  Play(41);
  EXPECT_EQ(before["prices"], "\"Wasser              500       \"");
  EXPECT_EQ(before["row"], "\"Kristalle              3000 $\"");
  EXPECT_EQ(after["money"], "13000");
  EXPECT_EQ(after["cargo"], "\"2    2    \"");
  EXPECT_EQ(after["prices"], "\"Wasser              500       Kristalle           1         \"");
  EXPECT_EQ(after["row"], "\"Kristalle              1500 $\"");  // now at stock 1 + 1
}

TEST_F(StationFlow, HoveringAWeaponDrawsItsDataSheetOnThePlate) {
  StartFreeGame();
  ClickAt(22, 100, 265);  // "Waffenhändler"
  // The plate is the framed box of the fixture's frame picture, one colour.
  const int plate = MakeColour(40, 60, 90);
  int away = -1;
  int over = -1;
  At(90, [&] { InjectMouseMove(game->media, 300, 560); });  // over nothing
  At(95, [&] { away = ReadScreenPixel(game->media, 1000, 640); });
  At(96, [&] { InjectMouseMove(game->media, 700, 165); });  // the offer of Loku I
  At(100, [&] { over = ReadScreenPixel(game->media, 1000, 640); });
  Play(101);
  EXPECT_NE(away & 0xFFFFFF, plate);
  EXPECT_EQ(over & 0xFFFFFF, plate);
}

}  // namespace
