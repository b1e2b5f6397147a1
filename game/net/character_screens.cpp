#include "game/net/character_screens.h"

#include "formats/latin1.h"
#include "formats/text_rules.h"
#include "game/net/game_transfer.h"
#include "game/net/net_codes.h"
#include "game/net/net_connection.h"
#include "game/net/server_address.h"
#include "game/net/unsent_game.h"
#include "game/ui/menu_items.h"
#include "game/ui/screen_codes.h"
#include "game/ui/screen_items.h"
#include "game/ui/text_entry.h"

namespace {

void AddLine(MenuState& menu, int y, const std::string& text) {
  AddItem(menu, kTextLine, 50, y, text, -1);
}

// The text of the screen's text field, as typed so far.
std::string FieldText(const MenuState& menu) {
  for (const MenuItemRecord& item : menu.menuItems) {
    if (item.kind == kTextField) return item.caption;
  }
  return {};
}

void BuildConnectionScreen(NetContext& c) {
  ClearScreenItems(c.menu);
  c.menu.screenTag = kTagConnecting;
  c.world.networkGame = 1;
  // Connecting confirms the id (the first "Mehrspieler", or "Weiter" on the account screen).
  StoreAccountId(c.settings, DataPath(c.gameFolder, kSettingsFile));
  c.net.idBeforeOffer.reset();
  CloseServerConnection(c.net);
  NoteReturnedGame(c);
  if (const std::optional<ServerAddress> address = ConfiguredServerAddress()) {
    StartConnecting(c.net, *address);
  } else {
    CloseServerConnection(c.net);
    c.net.serverConnection = kNoServerAddress;
  }
  AddLine(c.menu, 50, "Mehrspieler");
  AddLine(c.menu, 150, kConnectingCaption);
  AddItem(c.menu, kButton, 50, 700, kBackCaption, kMainMenu);
}

void BuildAccountScreen(NetContext& c) {
  ClearScreenItems(c.menu);
  c.menu.screenTag = kTagAccount;
  AddLine(c.menu, 50, "Account-ID");
  AddLine(c.menu, 150, "Ihnen wurde eine neue Account-ID gegeben,");
  AddLine(c.menu, 200, "weil sie entweder zum ersten mal Spielen");
  AddLine(c.menu, 250, "oder die derzeitige Account-ID falsch ist.");
  AddLine(c.menu, 300, "Falls sie noch eine alte Account-ID besitzen,");
  AddLine(c.menu, 350, "kann diese hier eingetragen werden.");
  AddLine(c.menu, 450, "Ihr Account-ID ist:");
  AddItem(c.menu, kTextField, 50, 500, c.settings.myAccountId, kEditAccountId);
  const std::string& previous = c.net.offeredAccountId;
  if (!previous.empty() && previous != c.settings.myAccountId) {
    AddItem(c.menu, kTextLine, 50, 600, kPreviousAccountCaption + previous, kTakePreviousAccountId);
  }
  AddItem(c.menu, kButton, 50, 700, "Weiter", kConnectionScreen);
  c.menu.screenState = kAccountScreen;
}

void BuildCharacterList(NetContext& c) {
  ClearScreenItems(c.menu);
  c.menu.screenTag = kTagList;
  AddLine(c.menu, 50, "Charakterliste");
  for (int slot = 1; slot <= kMaxListedCharacters; ++slot) {
    const std::string& name = c.net.characterNames[slot - 1];
    if (!name.empty()) {
      AddItem(c.menu, kTextLine, 50, 100 + 50 * slot, name, kSelectCharacterFirst - 1 + slot);
    }
  }
  AddRightAlignedButton(c.menu, 450, "Charakter erstellen", kCreateScreen);
  AddRightAlignedButton(c.menu, 500, "Charakter l\xF6schen", kDeleteCharacter);
  AddLine(c.menu, 600, "Charakter : " + c.net.selectedCharacter);
  if (c.net.missionEnded) AddLine(c.menu, 650, kMissionEndedCaption);
  AddItem(c.menu, kButton, 50, 700, kBackCaption, kMainMenu);
  AddRightAlignedButton(c.menu, 700, "Beitreten", kJoinCharacter);
  c.menu.screenState = kCharacterList;
}

void BuildCreateScreen(NetContext& c) {
  ClearScreenItems(c.menu);
  c.menu.screenTag = kTagCreate;
  AddLine(c.menu, 50, "Charakter erstellen");
  AddLine(c.menu, 150, "Name : ");
  AddItem(c.menu, kTextField, 50, 200, c.net.newCharacterName, kEditNewName);
  AddItem(c.menu, kButton, 50, 700, kBackCaption, kCharacterList);
  AddRightAlignedButton(c.menu, 700, "Erstellen", kSendCreate);
  c.menu.screenState = kCreateScreen;
}

// The join found a game of this character that never reached the server, kept since: the
// player is told where it is and chooses whether to fly on from it or from the server's.
void BuildKeptGameQuestion(NetContext& c) {
  const std::optional<KeptGame> kept = FindKeptGame(c.gameFolder, c.net.selectedCharacter);
  if (!kept) {
    c.menu.screenState = kNetworkGameReceived;
    return;
  }
  ClearScreenItems(c.menu);
  c.menu.screenTag = kTagKeptGame;
  AddLine(c.menu, 50, "Spielstand");
  AddLine(c.menu, 150, "Ihr letzter Spielstand konnte nicht zum");
  AddLine(c.menu, 200,
          "Server \xFC"
          "bertragen werden. Er wurde als");
  AddLine(c.menu, 250, "SAVE\\" + kept->path.filename().string());
  AddLine(c.menu, 300, "aufbewahrt.");
  AddLine(c.menu, 400,
          "Nicht \xFC"
          "bertragener Spielstand vom " +
              kept->writtenAt + " fortsetzen?");
  AddItem(c.menu, kButton, 50, 700, "Nein", kDropKeptGame);
  AddRightAlignedButton(c.menu, 700, "Ja", kResumeKeptGame);
  c.menu.screenState = kKeptGameQuestion;
}

// Starts editing the screen's text field where it stands; the screen stays as it is.
void EditField(NetContext& c, int screen) {
  BeginTextEntry(c.ui, FieldText(c.menu));
  c.menu.screenState = screen;
}

// "Erstellen": the name typed in the field (not whatever was typed last anywhere) is sent.
void SendCreate(NetContext& c) {
  c.menu.screenState = kCreateScreen;
  const std::string name = FieldText(c.menu);
  if (TrimBlanks(name).empty()) return;
  c.net.newCharacterName = name;
  SendToServer(c.net, NetCreateCharacter{c.settings.myAccountId, name});
}

// "Charakter löschen" and "Beitreten" ask the server about the selected character; the list
// stays on the screen until the answer comes.
void AskAboutSelected(NetContext& c, const std::string& tag, bool join) {
  c.menu.screenState = kCharacterList;
  if (c.net.selectedCharacter.empty()) return;
  c.menu.screenTag = tag;
  if (join) {
    c.net.missionEnded = false;
    SendToServer(c.net, NetJoin{c.settings.myAccountId, c.net.selectedCharacter});
  } else {
    SendToServer(c.net, NetDeleteCharacter{c.settings.myAccountId, c.net.selectedCharacter});
  }
}

void SelectCharacter(NetContext& c, int slot) {
  const std::string& name = c.net.characterNames[slot - 1];
  if (!name.empty()) c.net.selectedCharacter = name;
  BuildCharacterList(c);
}

}  // namespace

bool IsNetScreenCode(int code) {
  switch (code) {
    case kConnectionScreen:
    case kCharacterList:
    case kAccountScreen:
    case kNoServerAddressScreen:
    case kNoConnectionScreen:
    case kCreateScreen:
    case kDeleteCharacter:
    case kJoinCharacter:
    case kEditAccountId:
    case kTakePreviousAccountId:
    case kEditNewName:
    case kSendCreate:
    case kNameTakenScreen:
    case kKeptGameQuestion:
    case kResumeKeptGame:
    case kDropKeptGame:
    case kGameNotSentScreen:
      return true;
    default:
      return code >= kSelectCharacterFirst && code <= kSelectCharacterLast;
  }
}

void RunNetScreenCode(NetContext& c, int code) {
  if (code >= kSelectCharacterFirst && code <= kSelectCharacterLast) {
    return SelectCharacter(c, code - kSelectCharacterFirst + 1);
  }
  switch (code) {
    case kConnectionScreen:
      return BuildConnectionScreen(c);
    case kCharacterList:
      return BuildCharacterList(c);
    case kAccountScreen:
      return BuildAccountScreen(c);
    case kEditAccountId:
      return EditField(c, kAccountScreen);
    case kTakePreviousAccountId:
      c.settings.myAccountId = c.net.offeredAccountId;
      return BuildAccountScreen(c);
    case kCreateScreen:
      return BuildCreateScreen(c);
    case kEditNewName:
      return EditField(c, kCreateScreen);
    case kSendCreate:
      return SendCreate(c);
    case kDeleteCharacter:
      return AskAboutSelected(c, kTagDelete, false);
    case kJoinCharacter:
      return AskAboutSelected(c, kTagJoin, true);
    case kNameTakenScreen:
      ShowErrorScreen(c.menu, {"Der Name  " + c.net.newCharacterName, "existiert bereits."},
                      kCreateScreen);
      return;
    case kKeptGameQuestion:
      return BuildKeptGameQuestion(c);
    case kResumeKeptGame:
      return ResumeKeptGame(c);
    case kDropKeptGame:
      return DropKeptGame(c);
    case kGameNotSentScreen:
      ShowErrorScreen(c.menu,
                      {"Verbindung mit dem Server nicht m\xF6glich!",
                       "Der Spielstand wurde nur hier gespeichert",
                       "und wird beim n\xE4"
                       "chsten Beitreten angeboten."},
                      kMainMenu);
      return;
    case kNoServerAddressScreen:
      ShowErrorScreen(c.menu, {"Es ist keine Server-IP abfragen m\xF6glich!"}, kMainMenu);
      return;
    case kNoConnectionScreen:
      ShowErrorScreen(c.menu, {"Verbindung mit dem Server nicht m\xF6glich!"}, kMainMenu);
      return;
    default:
      return;
  }
}

void LeaveNetworkPlay(NetContext& c) {
  // An id the server offered but the player did not take with "Weiter" is not kept.
  if (c.net.idBeforeOffer) c.settings.myAccountId = *c.net.idBeforeOffer;
  c.net.idBeforeOffer.reset();
  c.net.offeredAccountId.clear();
  CloseServerConnection(c.net);
  NoteReturnedGame(c);
  c.world.networkGame = 0;
}
