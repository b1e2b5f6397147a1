#include "net_fixture.h"

#include <chrono>
#include <cstdlib>

#include "formats/file_io.h"
#include "formats/free_game.h"
#include "formats/save_file.h"
#include "game/net/net_codes.h"
#include "game/shell/frame_loop.h"
#include "game/shell/menu_loop.h"
#include "game/shell/screens.h"
#include "game/ui/screen_codes.h"
#include "tests/game/support/universe_fixture.h"

namespace {

constexpr std::chrono::seconds kPatience{5};

}  // namespace

void NetFixture::SetUp() {
  WriteMediaFixture(folder.path);
  WriteUniverseFixture(folder.path);
  game = MakeStartedGame(folder.path);
  game->settings.myAccountId = "KONTO1";
  setenv("VELMARITH_SERVER", FakeServerAddress(server).c_str(), 1);
}

void NetFixture::TearDown() {
  unsetenv("VELMARITH_SERVER");
}

bool NetFixture::MenuUntil(const std::function<bool()>& done) {
  const auto end = std::chrono::steady_clock::now() + kPatience;
  menuLeft = false;
  while (std::chrono::steady_clock::now() < end) {
    PumpFakeServer(server);
    if (done()) return true;
    if (!RunMenuFrame(*game)) {
      menuLeft = true;
      PumpFakeServer(server);
      return done();
    }
  }
  return false;
}

bool NetFixture::FlightUntil(const std::function<bool()>& done) {
  const auto end = std::chrono::steady_clock::now() + kPatience;
  while (std::chrono::steady_clock::now() < end) {
    PumpFakeServer(server);
    if (done()) return true;
    RunFrame(*game);
  }
  return false;
}

void NetFixture::Act(int code) {
  game->menu.screenState = code;
  BuildScreen(*game);
}

void NetFixture::Connect() {
  Act(kConnectionScreen);
  const NetMessage hello = AwaitMessage();
  ASSERT_TRUE(std::holds_alternative<NetHello>(hello));
  EXPECT_EQ(std::get<NetHello>(hello).accountId, game->settings.myAccountId);
}

NetMessage NetFixture::AwaitMessage(bool inFlight) {
  std::optional<NetMessage> message;
  const auto arrived = [&] { return (message = TakeMessage(server)).has_value(); };
  EXPECT_TRUE(inFlight ? FlightUntil(arrived) : MenuUntil(arrived)) << "no message came";
  return message.value_or(NetMessage{});
}

std::string NetFixture::CharacterGame(int money) {
  SavedGame saved = LoadFreeGameSave(folder.path);
  saved.ship.money = money;
  return WriteSavedGame(saved).bytes;
}

void NetFixture::JoinAndSend(const std::string& gameBytes) {
  Connect();
  SendMessage(server, NetCharacterList{{"Held"}});
  ASSERT_TRUE(MenuUntil([&] { return game->menu.screenState == kCharacterList; }));
  Act(kSelectCharacterFirst);
  Act(kJoinCharacter);
  const NetMessage join = AwaitMessage();
  ASSERT_TRUE(std::holds_alternative<NetJoin>(join));
  EXPECT_EQ(std::get<NetJoin>(join).name, "Held");
  SendRaw(server, EncodeFileUnit(gameBytes));
}

bool NetFixture::JoinWith(const std::string& gameBytes) {
  JoinAndSend(gameBytes);
  MenuUntil([] { return false; });
  return menuLeft;
}

void NetFixture::MenuFrames(int count) {
  for (int frame = 0; frame < count; ++frame) {
    PumpFakeServer(server);
    RunMenuFrame(*game);
  }
}

const MenuItemRecord* NetFixture::Item(const std::string& caption) const {
  for (const MenuItemRecord& item : game->menu.menuItems) {
    if (item.caption == caption) return &item;
  }
  return nullptr;
}

std::vector<std::string> NetFixture::Captions() const {
  std::vector<std::string> captions;
  for (const MenuItemRecord& item : game->menu.menuItems) captions.push_back(item.caption);
  return captions;
}

std::string NetFixture::SavedNetworkGame() const {
  return ReadFileBytes(folder.path / "SAVE" / "InternetFile.sav").value_or("");
}
