// The game-server client against a server the test plays on a loopback socket: the screens and
// what they send, the received game, other players in flight, and servers that misbehave.

#include <gtest/gtest.h>

#include <algorithm>

#include "formats/file_io.h"
#include "formats/rounding.h"
#include "formats/save_file.h"
#include "game/media/scan_codes.h"
#include "game/net/character_screens.h"
#include "game/net/flight_messages.h"
#include "game/net/net_codes.h"
#include "game/net/player_messages.h"
#include "game/shell/frame_loop.h"
#include "game/shell/menu_loop.h"
#include "game/ui/menu_items.h"
#include "game/ui/screen_codes.h"
#include "game/ui/screen_items.h"
#include "game/world/settings.h"
#include "net_fixture.h"

namespace {

bool Has(const std::vector<std::string>& captions, const std::string& caption) {
  return std::find(captions.begin(), captions.end(), caption) != captions.end();
}

std::string Names(const NetState& net) {
  std::string all;
  for (const std::string& name : net.characterNames) all += name + "|";
  return all;
}

TEST_F(NetFixture, MehrspielerConnectsSaysHelloAndTheMainMenuHangsUp) {
  Act(kStartMenu);
  const MenuItemRecord* button = Item("Mehrspieler");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->x, 50);
  EXPECT_EQ(button->y, 200);
  // A real click on it.
  InjectMouseMove(game->media, 100, 215);
  InjectMouseButton(game->media, 1, true);
  RunMenuFrame(*game);
  RunMenuFrame(*game);
  InjectMouseButton(game->media, 1, false);
  ASSERT_TRUE(MenuUntil([&] { return game->menu.screenTag == kTagConnecting; }));
  EXPECT_EQ(game->world.networkGame, 1);
  EXPECT_EQ(Captions()[0], "Mehrspieler");
  EXPECT_EQ(Captions()[1].rfind(kConnectingCaption, 0), 0u);
  EXPECT_NE(ReadFileBytes(folder.path / "Konfigurationen.ini").value_or("").find("KONTO1"),
            std::string::npos);

  const NetMessage hello = AwaitMessage();
  ASSERT_TRUE(std::holds_alternative<NetHello>(hello));
  EXPECT_EQ(std::get<NetHello>(hello).accountId, "KONTO1");
  EXPECT_EQ(game->net.serverConnection, kServerConnected);

  // "Zurück": the main menu closes the connection, and later games are single play again.
  Act(kMainMenu);
  EXPECT_EQ(game->world.networkGame, 0);
  EXPECT_EQ(game->net.serverConnection, 0);
  EXPECT_TRUE(MenuUntil([&] { return server.clientClosed; }));
}

// A new id from the server is stored only with "Weiter"; the id it replaces is kept in the
// settings file (with every line the game does not know) and offered back.
TEST_F(NetFixture, NewAccountIdIsStoredAtWeiterAndThePreviousOneOfferedBack) {
  const auto settingsFile = folder.path / "Konfigurationen.ini";
  ASSERT_TRUE(WriteFileAtomically(settingsFile,
                                  "[ ** Mehrspieler ** ]\r\nMyAccountID$ = KONTO1\r\n"
                                  "[Fremd]\r\nwert = 1\r\n")
                  .ok);
  Connect();
  SendMessage(server, NetNewAccount{"NEU42"});
  ASSERT_TRUE(MenuUntil([&] { return game->menu.screenTag == kTagAccount; }));
  EXPECT_EQ(game->settings.myAccountId, "NEU42");
  EXPECT_EQ(ParseSettings(ReadFileBytes(settingsFile).value()).myAccountId, "KONTO1");
  EXPECT_TRUE(Has(Captions(), "Ihr Account-ID ist:"));
  ASSERT_NE(Item("NEU42"), nullptr);
  EXPECT_EQ(Item("NEU42")->kind, kTextField);
  ASSERT_NE(Item("Bisherige Account-ID: KONTO1"), nullptr);

  // "Zurück" instead of "Weiter": the offered id is forgotten, the stored one stays.
  Act(kMainMenu);
  EXPECT_EQ(game->settings.myAccountId, "KONTO1");
  Connect();
  SendMessage(server, NetNewAccount{"NEU43"});
  ASSERT_TRUE(MenuUntil([&] { return game->menu.screenTag == kTagAccount; }));

  // "Weiter" stores the new id and keeps the old one and the unknown group.
  Act(kConnectionScreen);
  NetMessage hello = AwaitMessage();
  ASSERT_TRUE(std::holds_alternative<NetHello>(hello));
  EXPECT_EQ(std::get<NetHello>(hello).accountId, "NEU43");
  const std::string written = ReadFileBytes(settingsFile).value();
  EXPECT_NE(written.find("MyAccountID$ = NEU43\r\n[ ** Velmarith ** ]\r\n"
                         "; Vorherige Account-ID auf dem Server {STRING}\r\n"
                         "VorherigeAccountID$ = KONTO1\r\n"),
            std::string::npos)
      << written;
  EXPECT_TRUE(written.ends_with("\r\n[Fremd]\r\nwert = 1\r\n")) << written;

  // The next new id offers the stored one; a click on the line takes it back, "Weiter" sends it.
  SendMessage(server, NetNewAccount{"NEU44"});
  ASSERT_TRUE(MenuUntil([&] { return game->menu.screenTag == kTagAccount; }));
  ASSERT_NE(Item("Bisherige Account-ID: NEU43"), nullptr);
  Act(Item("Bisherige Account-ID: NEU43")->action);
  ASSERT_NE(Item("NEU43"), nullptr);
  EXPECT_EQ(Item("NEU43")->kind, kTextField);
  Act(kConnectionScreen);
  hello = AwaitMessage();
  ASSERT_TRUE(std::holds_alternative<NetHello>(hello));
  EXPECT_EQ(std::get<NetHello>(hello).accountId, "NEU43");

  // The player types an old id into the field; "Weiter" connects again with it.
  SendMessage(server, NetNewAccount{"NEU45"});
  ASSERT_TRUE(MenuUntil([&] { return game->menu.screenTag == kTagAccount; }));
  Act(kEditAccountId);
  EXPECT_EQ(game->ui.editActive, 1);
  for (MenuItemRecord& item : game->menu.menuItems) {
    if (item.kind == kTextField) item.caption = "ALT7";
  }
  game->ui.editActive = 0;
  MenuUntil([&] { return game->settings.myAccountId == "ALT7"; });
  Act(kConnectionScreen);
  hello = AwaitMessage();
  ASSERT_TRUE(std::holds_alternative<NetHello>(hello));
  EXPECT_EQ(std::get<NetHello>(hello).accountId, "ALT7");
  EXPECT_EQ(ParseSettings(ReadFileBytes(settingsFile).value()).previousAccountId, "NEU43");

  // An id with a line break, or longer than the field, is refused with the connection.
  for (const std::string bad : {std::string("EVIL\r\nMyAccountID$ = X"), std::string(31, 'A')}) {
    SendMessage(server, NetNewAccount{bad});
    ASSERT_TRUE(MenuUntil([&] { return game->menu.shownScreen == kNoConnectionScreen; }));
    EXPECT_EQ(game->settings.myAccountId, "ALT7");
    Connect();
  }
}

TEST_F(NetFixture, CharacterListsOfFiveAndSixNamesArrivingInPieces) {
  Connect();
  // Five names need no empty name after them; the next message follows at once, in the same
  // read, and is understood.
  std::string five;
  AppendWireInt(five, kNetCharacterList);
  for (const char* name : {"Anna", "Ben", "Cleo", "Dirk", "Emil"}) five += std::string(name) + '\0';
  SendRaw(server, five + EncodeMessage(NetNameTaken{}));
  ASSERT_TRUE(MenuUntil([&] { return game->menu.screenState == kCharacterList; }));
  EXPECT_EQ(Names(game->net), "Anna|Ben|Cleo|Dirk|Emil|");
  EXPECT_EQ(Item("Emil")->y, 350);
  EXPECT_EQ(Item("Emil")->action, 1715);

  // A sixth name is no name: it cannot be read as a message, and the client goes on.
  SendRaw(server, five + "Sechs" + '\0');
  MenuFrames(5);
  EXPECT_EQ(Names(game->net), "Anna|Ben|Cleo|Dirk|Emil|");
  EXPECT_EQ(game->net.serverConnection, kServerConnected);

  // A list split inside its code and inside a name shows once it is whole.
  const std::string list = EncodeMessage(NetCharacterList{{"Zoe", "Max"}});
  SendRaw(server, list.substr(0, 2));
  MenuFrames(2);
  SendRaw(server, list.substr(2, 4));
  MenuFrames(2);
  EXPECT_EQ(Names(game->net), "Anna|Ben|Cleo|Dirk|Emil|");
  SendRaw(server, list.substr(6));
  ASSERT_TRUE(MenuUntil([&] { return game->net.characterNames[0] == "Zoe"; }));
  EXPECT_EQ(Names(game->net), "Zoe|Max||||");

  // A short list without its empty name, split between two reads: the end of the first read is
  // not taken for the end of the list when the rest follows at once; alone, it is after a moment.
  std::string open;
  AppendWireInt(open, kNetCharacterList);
  open += std::string("Ida") + '\0';
  SendRaw(server, open);
  MenuFrames(1);
  SendRaw(server, std::string("Jan") + '\0');
  ASSERT_TRUE(MenuUntil([&] { return game->net.characterNames[0] == "Ida"; }));
  EXPECT_EQ(Names(game->net), "Ida|Jan||||");
  SendRaw(server, open);
  ASSERT_TRUE(MenuUntil([&] { return game->net.characterNames[1].empty(); }));
  EXPECT_EQ(Names(game->net), "Ida|||||");
  EXPECT_EQ(game->net.serverConnection, kServerConnected);
}

// A server flooding the screen with lists: every list that has arrived is taken in its frame (the
// game keeps no backlog), the last one shows, and "Zur\xFCck" still works in the flood.
TEST_F(NetFixture, AFloodOfListsLeavesNoBacklogAndZurueckStillWorks) {
  Connect();
  std::string burst;
  for (int i = 0; i < 5000; ++i) {
    burst += EncodeMessage(NetCharacterList{{"N" + std::to_string(i)}});
  }
  // Long enough on the list's screen that a fresh press counts there.
  for (int frame = 0; frame <= kFreshScreenFrames; ++frame) {
    ASSERT_TRUE(SendRaw(server, burst));
    MenuFrames(1);
    EXPECT_LT(PendingStreamBytes(game->net.reader), burst.size()) << "frame " << frame;
  }
  EXPECT_EQ(Names(game->net), "N4999|||||");
  const MenuItemRecord* back = Item(kBackCaption);
  ASSERT_NE(back, nullptr);
  InjectMouseMove(game->media, back->x + 20, back->y + 15);
  InjectMouseButton(game->media, 1, true);
  for (int frame = 0; frame < 8 && game->world.networkGame; ++frame) {
    SendRaw(server, burst);
    MenuFrames(1);
    if (frame == 2) InjectMouseButton(game->media, 1, false);
  }
  EXPECT_EQ(game->world.networkGame, 0);
  EXPECT_NE(Item("Mehrspieler"), nullptr);
}

TEST_F(NetFixture, CreateNameTakenSelectAndDelete) {
  Connect();
  SendMessage(server, NetCharacterList{{}});
  ASSERT_TRUE(MenuUntil([&] { return game->menu.screenTag == kTagList; }));
  Act(kCreateScreen);
  EXPECT_EQ(game->menu.screenTag, kTagCreate);
  EXPECT_EQ(Item("Erstellen")->x, 950 - 90);
  // Nothing typed: nothing is sent.
  Act(kSendCreate);
  for (MenuItemRecord& item : game->menu.menuItems) {
    if (item.kind == kTextField) item.caption = "Zorro";
  }
  Act(kSendCreate);
  const NetMessage create = AwaitMessage();
  ASSERT_TRUE(std::holds_alternative<NetCreateCharacter>(create));
  EXPECT_EQ(std::get<NetCreateCharacter>(create), (NetCreateCharacter{"KONTO1", "Zorro"}));

  SendMessage(server, NetNameTaken{});
  ASSERT_TRUE(MenuUntil([&] { return game->menu.screenState == kNameTakenScreen; }));
  EXPECT_EQ(Captions(), (std::vector<std::string>{"FEHLER", "Der Name  Zorro", "existiert bereits.",
                                                  kBackCaption}));
  EXPECT_EQ(Item(kBackCaption)->action, kCreateScreen);

  Act(kCreateScreen);
  SendMessage(server, NetCharacterList{{"Zorro", "Anna"}});
  ASSERT_TRUE(MenuUntil([&] { return game->menu.screenTag == kTagList; }));
  Act(kSelectCharacterFirst + 1);
  EXPECT_EQ(game->net.selectedCharacter, "Anna");
  EXPECT_NE(Item("Charakter : Anna"), nullptr);
  Act(kDeleteCharacter);
  EXPECT_EQ(game->menu.screenTag, kTagDelete);
  const NetMessage remove = AwaitMessage();
  EXPECT_EQ(std::get<NetDeleteCharacter>(remove), (NetDeleteCharacter{"KONTO1", "Anna"}));
  SendMessage(server, NetCharacterList{{"Zorro"}});
  ASSERT_TRUE(MenuUntil([&] { return game->net.characterNames[1].empty(); }));
  EXPECT_EQ(game->net.selectedCharacter, "");  // the deleted one is no longer selected
}

TEST_F(NetFixture, JoinReceivesTheGameAndFliesWithTheMessagesBehindIt) {
  Connect();
  SendMessage(server, NetCharacterList{{"Held"}});
  ASSERT_TRUE(MenuUntil([&] { return game->menu.screenTag == kTagList; }));
  Act(kJoinCharacter);  // nobody selected: nothing is sent
  Act(kSelectCharacterFirst);
  Act(kJoinCharacter);
  EXPECT_EQ(game->menu.screenTag, kTagJoin);
  EXPECT_EQ(std::get<NetJoin>(AwaitMessage()), (NetJoin{"KONTO1", "Held"}));

  // The game in two pieces, the players present right behind it in the second.
  const std::string unit = EncodeFileUnit(CharacterGame(4242));
  SendRaw(server, unit.substr(0, 20));
  RunMenuFrame(*game);
  SendRaw(server, unit.substr(20) + EncodeMessage(NetPlayersPresent{{{7, "Eva"}}}));
  EXPECT_FALSE(MenuUntil([] { return false; }));
  ASSERT_TRUE(menuLeft);
  EXPECT_EQ(game->menu.screenState, kNetworkGameReceived);
  EXPECT_EQ(game->menu.noGameInProgress, 0);
  EXPECT_EQ(SavedNetworkGame(), CharacterGame(4242));
  EXPECT_EQ(game->save.saveName, "InternetFile");
  const ShipRecord& local = *game->world.ships.Front();
  EXPECT_EQ(local.money, 4242);
  EXPECT_EQ(local.controller, 1);
  EXPECT_EQ(game->world.docking.dockedPlace, "");  // it flies

  ASSERT_TRUE(FlightUntil([&] { return game->world.ships.Count() == 2; }));
  EXPECT_EQ(game->world.ships.Front()->money, 4242);
}

TEST_F(NetFixture, AGameThatDoesNotFitIsRefusedAndTheOldFileKept) {
  WriteFileAtomically(folder.path / "SAVE" / "InternetFile.sav", "old");
  const std::string cut = CharacterGame(4);
  JoinAndSend(cut.substr(0, cut.size() - 3));
  ASSERT_TRUE(MenuUntil([&] { return Captions()[0] == "FEHLER"; }));
  EXPECT_FALSE(menuLeft);
  EXPECT_TRUE(Has(Captions(), "Der Spielstand 'InternetFile'"));
  EXPECT_EQ(SavedNetworkGame(), "old");
  EXPECT_TRUE(game->world.ships.Empty());
  EXPECT_EQ(game->menu.noGameInProgress, 1);
  EXPECT_TRUE(MenuUntil([&] { return server.clientClosed; }));
}

TEST_F(NetFixture, OtherPlayersJoinMoveChatAndLeaveInFlight) {
  ASSERT_TRUE(JoinWith(CharacterGame(100)));
  const int idBefore = game->world.nextObjectId;
  std::string burst;
  AppendMessage(burst, NetPlayersPresent{{{5, "Eva"}, {1, "Ich"}, {0, "Pilot"}}});
  AppendMessage(burst, NetPlayerJoins{6, "Finn"});
  AppendMessage(burst, NetPlayerJoins{1, "Ich"});
  AppendMessage(burst, NetPlayerMovement{6, {2001, 1000, 2000, 90, 1500, 30}});
  AppendMessage(burst, NetPlayerMovement{6, {2001, 1100, 2000, 90, 1500, 30}});  // 100 away
  AppendMessage(burst, NetPlayerMovement{9, {2001, 5, 5, 0, 0, 0}});             // nobody's
  AppendMessage(burst, NetPlayerMovement{1, {2001, 5, 5, 0, 0, 0}});  // the local ship's number
  AppendMessage(burst, NetPlayerLeaves{1});
  AppendMessage(burst, NetPlayerLeaves{5});
  AppendMessage(burst, NetChatLine{30, "Finn: ", 20, "Hallo"});
  SendRaw(server, burst);
  ASSERT_TRUE(FlightUntil([&] { return game->world.tickerMessages.Count() == 3; }));

  ASSERT_EQ(game->world.ships.Count(), 2);
  const ShipRecord& local = *game->world.ships.Front();
  EXPECT_EQ(local.controller, 1);
  EXPECT_EQ(local.money, 100);
  EXPECT_EQ(local.orders, "");
  EXPECT_GT(local.x, 1000);
  const ShipRecord& finn = *std::next(game->world.ships.begin());
  EXPECT_EQ(finn.controller, 6);
  EXPECT_EQ(finn.pilotName, "Finn");
  EXPECT_EQ(finn.type, 2001);
  EXPECT_EQ(finn.money, 1000);
  EXPECT_EQ(finn.weapons, "");
  EXPECT_EQ(finn.id, idBefore + 20);  // Eva's was idBefore + 10
  EXPECT_FLOAT_EQ(finn.heading, 90);
  EXPECT_GT(finn.turnRate, 1.0f);  // 1.5, decaying since
  // The first report placed it; the second, 100 on, is blended in over a few frames, not jumped.
  EXPECT_GE(finn.x, 1000);
  EXPECT_LE(finn.x, 1100);
  EXPECT_FLOAT_EQ(finn.y, 2000);
  EXPECT_TRUE(FlightUntil([&] { return finn.x > 1099; }));

  std::vector<std::pair<std::string, std::string>> ticker;
  for (const TickerMessageRecord& line : game->world.tickerMessages) {
    ticker.emplace_back(line.text1, line.text2);
  }
  EXPECT_EQ(ticker,
            (std::vector<std::pair<std::string, std::string>>{
                {"Neuer Spieler: ", "Finn"}, {"Spieler geht: ", "Eva"}, {"Finn: ", "Hallo"}}));
}

TEST_F(NetFixture, MovementChatAndEscapeGoToTheServer) {
  ASSERT_TRUE(JoinWith(CharacterGame(77)));
  ShipRecord& ship = *game->world.ships.Front();
  ship.speed = 20.4f;
  ship.turnRate = 1.5f;
  const NetMovement expected{
      ship.type, RoundToInt(ship.x), RoundToInt(ship.y), RoundToInt(ship.heading), 1500, 20};
  NetMessage moved = AwaitMessage(true);
  ASSERT_TRUE(std::holds_alternative<NetMovement>(moved));
  EXPECT_EQ(std::get<NetMovement>(moved), expected);

  SendChatLine(game->net, "Hallo Welt");
  NetMessage next;
  do next = AwaitMessage(true);
  while (std::holds_alternative<NetMovement>(next));
  ASSERT_TRUE(std::holds_alternative<NetChat>(next));
  EXPECT_EQ(std::get<NetChat>(next).text, "Hallo Welt");

  // Escape: the game is saved as InternetFile and that file goes to the server; the character
  // list opens and nothing is left to fly.
  ship.speed = 0;
  ship.turnRate = 0;
  ship.money = 78;
  std::optional<NetFile> file;
  AddFrameHook(game->hooks, [&] {
    PumpFakeServer(server);
    while (auto message = TakeMessage(server)) {
      if (auto* unit = std::get_if<NetFile>(&*message)) file = *unit;
    }
    if (file) game->media.quitRequested = true;
  });
  InjectKey(game->media, kKeyEscape, true);
  RunFrame(*game);
  InjectKey(game->media, kKeyEscape, false);
  RunFrame(*game);  // the menu runs inside this frame until the file has arrived
  game->media.quitRequested = false;
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ(file->bytes, SavedNetworkGame());
  const SaveRead read = ReadSavedGame(
      file->bytes, UniverseShape{game->world.groups.groupCount, game->world.places.Count()});
  ASSERT_TRUE(read.ok) << read.error;
  EXPECT_EQ(read.game.ship.money, 78);
  EXPECT_EQ(game->menu.screenTag, kTagList);
  EXPECT_EQ(game->menu.noGameInProgress, 1);
  EXPECT_TRUE(game->world.ships.Empty());
}

TEST_F(NetFixture, CharakterAtAStationReturnsTheGameWithItsPlace) {
  ASSERT_TRUE(JoinWith(CharacterGame(5)));
  game->world.docking.dockedPlace = "Planet Neue Allianz";
  game->world.ships.Front()->orders = "     45000     79000";  // a mission running
  Act(kCharacterList);
  NetMessage sent;
  do sent = AwaitMessage();
  while (std::holds_alternative<NetMovement>(sent));
  ASSERT_TRUE(std::holds_alternative<NetFile>(sent));
  EXPECT_EQ(std::get<NetFile>(sent).bytes.rfind("Planet Neue Allianz\r\n", 0), 0u);
  EXPECT_EQ(game->menu.screenTag, kTagList);
  // The server keeps the .sav alone, so the mission ends here, and the list says so.
  EXPECT_FALSE(std::filesystem::exists(game->folder / "SAVE" / "InternetFile.zusatz"));
  bool told = false;
  for (const MenuItemRecord& item : game->menu.menuItems) {
    told = told || item.caption == kMissionEndedCaption;
  }
  EXPECT_TRUE(told);
}

TEST_F(NetFixture, ALostConnectionIsShownAndTheGameGoesOn) {
  ASSERT_TRUE(JoinWith(CharacterGame(5)));
  SendMessage(server, NetPlayerJoins{4, "Eva"});
  ASSERT_TRUE(FlightUntil([&] { return game->world.ships.Count() == 2; }));
  CloseClient(server);
  ASSERT_TRUE(FlightUntil([&] { return game->net.serverConnection == 0; }));
  EXPECT_EQ(game->world.tickerMessages.Count(), 2);
  EXPECT_EQ(std::prev(game->world.tickerMessages.end())->text1, kConnectionLostText);
  EXPECT_EQ(game->world.ships.Count(), 1);  // nobody reports the others any more
  for (int frame = 0; frame < 10; ++frame) RunFrame(*game);
  EXPECT_EQ(game->world.ships.Count(), 1);
}

TEST_F(NetFixture, ALostConnectionOnTheCharacterListShowsTheErrorScreen) {
  Connect();
  SendMessage(server, NetCharacterList{{"Held"}});
  ASSERT_TRUE(MenuUntil([&] { return game->menu.screenTag == kTagList; }));
  CloseClient(server);
  ASSERT_TRUE(MenuUntil([&] { return game->menu.shownScreen == kNoConnectionScreen; }));
  EXPECT_TRUE(Has(Captions(), "Verbindung mit dem Server nicht m\xF6glich!"));
}

TEST_F(NetFixture, AHostileServerCannotCrashTheClientOrMakeItWrite) {
  Connect();
  SendMessage(server, NetCharacterList{{"Held"}});
  ASSERT_TRUE(MenuUntil([&] { return game->menu.screenTag == kTagList; }));
  // Garbage is skipped; what comes after it is understood.
  SendRaw(server, std::string("\xff\xff\xff\x7f garbage \x01\x02", 16));
  for (int frame = 0; frame < 3; ++frame) RunMenuFrame(*game);
  SendMessage(server, NetCharacterList{{"Neu"}});
  ASSERT_TRUE(MenuUntil([&] { return game->net.characterNames[0] == "Neu"; }));
  EXPECT_EQ(game->net.serverConnection, kServerConnected);

  // A file announced at 2 GiB (a negative size on the wire) ends the connection; nothing is
  // written.
  const std::string before = SavedNetworkGame();
  std::string head(kFileUnitMark);
  AppendWireInt(head, static_cast<std::int32_t>(0x80000000u));
  SendRaw(server, head + "xxxx");
  ASSERT_TRUE(MenuUntil([&] { return game->menu.shownScreen == kNoConnectionScreen; }));
  EXPECT_EQ(SavedNetworkGame(), before);
  EXPECT_TRUE(MenuUntil([&] { return server.clientClosed; }));
}

TEST_F(NetFixture, NoServerAndNoAddressShowTheirScreens) {
  int port = 0;
  {
    FakeServer gone;  // nobody listens there any more
    port = gone.port;
  }
  setenv("VELMARITH_SERVER", ("127.0.0.1:" + std::to_string(port)).c_str(), 1);
  Act(kConnectionScreen);
  ASSERT_TRUE(MenuUntil([&] { return game->menu.shownScreen == kNoConnectionScreen; }));
  EXPECT_TRUE(Has(Captions(), "Verbindung mit dem Server nicht m\xF6glich!"));
  EXPECT_EQ(Item(kBackCaption)->action, kMainMenu);

  setenv("VELMARITH_SERVER", "127.0.0.1:99999", 1);
  Act(kConnectionScreen);
  ASSERT_TRUE(MenuUntil([&] { return game->menu.shownScreen == kNoServerAddressScreen; }));
  EXPECT_TRUE(Has(Captions(), "Es ist keine Server-IP abfragen m\xF6glich!"));
}

// Positions go out only while a ship moves; a newcomer still learns where a ship stands.
TEST_F(NetFixture, AShipStandingStillIsReportedToANewcomer) {
  ASSERT_TRUE(JoinWith(CharacterGame(5)));
  ShipRecord& ship = *game->world.ships.Front();
  ship.speed = 0;
  ship.turnRate = 0;
  for (int frame = 0; frame < 3; ++frame) RunFrame(*game);
  PumpFakeServer(server);
  while (TakeMessage(server)) {
  }
  for (int frame = 0; frame < 5; ++frame) RunFrame(*game);
  PumpFakeServer(server);
  EXPECT_FALSE(TakeMessage(server).has_value());  // standing still: nothing to say
  SendMessage(server, NetPlayerJoins{4, "Eva"});
  const NetMessage report = AwaitMessage(true);
  ASSERT_TRUE(std::holds_alternative<NetMovement>(report));
  EXPECT_EQ(std::get<NetMovement>(report).x, RoundToInt(ship.x));
}

// The settings lead to the main menu from flight too: the game goes back before the line closes.
TEST_F(NetFixture, TheMainMenuReturnsAGameInProgressBeforeHangingUp) {
  ASSERT_TRUE(JoinWith(CharacterGame(9)));
  Act(kMainMenu);
  EXPECT_EQ(game->world.networkGame, 0);
  EXPECT_TRUE(game->world.ships.Empty());
  EXPECT_EQ(Item("Weiterspielen"), nullptr);
  std::optional<NetFile> file;
  ASSERT_TRUE(MenuUntil([&] {
    while (auto message = TakeMessage(server)) {
      if (auto* unit = std::get_if<NetFile>(&*message)) file = *unit;
    }
    return server.clientClosed;
  }));
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ(file->bytes, SavedNetworkGame());
}

}  // namespace
