#include "game/net/menu_polling.h"

#include <cstdio>
#include <optional>

#include "formats/latin1.h"
#include "formats/text_rules.h"
#include "game/net/character_screens.h"
#include "game/net/flight_messages.h"
#include "game/net/game_transfer.h"
#include "game/net/net_codes.h"
#include "game/net/net_connection.h"
#include "game/net/player_messages.h"
#include "game/ui/menu_items.h"
#include "game/ui/screen_codes.h"

namespace {

constexpr size_t kMaxConnectingCaption = 30;

bool OnCharacterScreen(const MenuState& menu) {
  const std::string& tag = menu.screenTag;
  return tag == kTagList || tag == kTagCreate || tag == kTagDelete || tag == kTagJoin;
}

bool GameInProgress(const NetContext& c) {
  return c.menu.noGameInProgress == 0 && !c.world.ships.Empty();
}

// "Verbindungsaufbau ." grows a dot now and then while the connection is made.
void AnimateConnecting(NetContext& c) {
  for (MenuItemRecord& item : c.menu.menuItems) {
    if (item.caption.rfind("Verb", 0) != 0) continue;
    if (RandomInt(c.rng, 10) == 0) item.caption += ".";
    if (item.caption.size() > kMaxConnectingCaption) item.caption = kConnectingCaption;
  }
}

// The names of a character list: slots 1..5, the rest free. A selected character that is no
// longer listed (it was deleted) is no longer selected.
void TakeCharacterList(NetContext& c, const NetCharacterList& list) {
  NetState& net = c.net;
  net.characterNames.fill("");
  bool selectedListed = false;
  for (size_t i = 0; i < list.names.size() && i < net.characterNames.size(); ++i) {
    const std::string name = TrimBlanks(list.names[i]);
    if (name.empty()) break;
    net.characterNames[i] = list.names[i];
    selectedListed = selectedListed || list.names[i] == net.selectedCharacter;
  }
  if (!selectedListed) net.selectedCharacter.clear();
  c.menu.screenState = kCharacterList;
}

// The server gave a new account id. It is shown, and stored only when the player confirms it
// with "Weiter": a wrong server must not cost the id that holds the player's characters, which
// the screen offers back. An id that cannot be stored on a line or typed into the field is
// refused, and the connection with it.
void TakeNewAccount(NetContext& c, const NetNewAccount& account) {
  if (!IsUsableAccountId(account.accountId)) {
    std::fprintf(stderr, "network: the server gave an unusable account id; not taken\n");
    CloseServerConnection(c.net);
    c.menu.screenState = kNoConnectionScreen;
    return;
  }
  Settings stored;
  LoadSettings(stored, DataPath(c.gameFolder, kSettingsFile));
  c.net.offeredAccountId =
      stored.myAccountId.empty() ? stored.previousAccountId : stored.myAccountId;
  if (!c.net.idBeforeOffer) c.net.idBeforeOffer = c.settings.myAccountId;
  c.settings.myAccountId = account.accountId;
  c.menu.screenState = kAccountScreen;
}

// Handles one message for the screen shown. A new account id waits in `account` for the end of
// the step, where only the last one counts; lists and a taken name change the screen at once
// (the last change of a step is the screen built). True when the game arrived: the messages
// behind it are flight's.
bool HandleMenuMessage(NetContext& c, const NetMessage& message,
                       std::optional<NetNewAccount>& account) {
  const std::string& tag = c.menu.screenTag;
  if (tag == kTagConnecting) {
    if (const auto* list = std::get_if<NetCharacterList>(&message)) TakeCharacterList(c, *list);
    if (const auto* offered = std::get_if<NetNewAccount>(&message)) account = *offered;
    return false;
  }
  if (OnCharacterScreen(c.menu)) {
    if (const auto* list = std::get_if<NetCharacterList>(&message)) TakeCharacterList(c, *list);
    if (std::holds_alternative<NetNameTaken>(message) && tag != kTagList) {
      c.menu.screenState = kNameTakenScreen;
    }
    if (const auto* file = std::get_if<NetFile>(&message)) {
      AcceptGameFile(c, file->bytes);
      return true;
    }
    return false;
  }
  if (GameInProgress(c)) {
    HandlePlayerMessage(c.world, c.catalogues, message);
    // A newcomer learns where the docked ship is (reports come only while a ship moves).
    if (std::holds_alternative<NetPlayerJoins>(message)) SendMovement(c.net, c.world);
  }
  return false;
}

// The account screen's field gives the id once its entry has ended.
void TakeTypedAccountId(NetContext& c) {
  if (c.menu.screenTag != kTagAccount || c.ui.editActive != 0) return;
  for (const MenuItemRecord& item : c.menu.menuItems) {
    if (item.kind == kTextField) c.settings.myAccountId = item.caption;
  }
}

void ShowLostConnection(NetContext& c) {
  std::fprintf(stderr, "network: connection lost: %s\n", c.net.lostReason.c_str());
  c.net.lostReason.clear();
  const std::string& tag = c.menu.screenTag;
  if (tag == kTagConnecting || tag == kTagAccount || OnCharacterScreen(c.menu)) {
    c.menu.screenState = kNoConnectionScreen;
  } else if (GameInProgress(c)) {
    RemoveRemoteShips(c.world);
    AddNetworkTickerLine(c.world, 10, kConnectionLostText, 10, "");
  }
}

}  // namespace

void PollNetworkMenu(NetContext& c) {
  if (!c.world.networkGame) return;
  NetState& net = c.net;
  if (TakeConnectResult(net)) SendToServer(net, NetHello{c.settings.myAccountId});
  TakeTypedAccountId(c);
  if (c.menu.screenTag == kTagConnecting) {
    AnimateConnecting(c);
    if (net.serverConnection == kNoServerAddress || net.serverConnection == kConnectFailed) {
      c.menu.screenState =
          net.serverConnection == kNoServerAddress ? kNoServerAddressScreen : kNoConnectionScreen;
      net.serverConnection = 0;
      return;
    }
  }
  PumpConnection(net);
  NoteReturnedGame(c);
  // A screen the player chose in this frame wins: the server's messages wait for the next frame
  // (a flood of lists must not take the "Zur\xFCck" button away).
  if (c.menu.screenState != kNoScreenChange) return;
  std::optional<NetNewAccount> account;
  bool gameArrived = false;
  while (!gameArrived) {
    const NetStreamItem item = NextServerMessage(net);
    if (item.status == NetStreamStatus::kNeedMore || item.status == NetStreamStatus::kMalformed) {
      break;
    }
    if (item.status == NetStreamStatus::kMessage) {
      gameArrived = HandleMenuMessage(c, item.message, account);
    }
  }
  if (account && !gameArrived) TakeNewAccount(c, *account);
  if (c.menu.screenState == kNoScreenChange && !net.lostReason.empty()) ShowLostConnection(c);
}
