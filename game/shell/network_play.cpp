#include "game/shell/network_play.h"

#include "game/net/character_screens.h"
#include "game/net/game_transfer.h"
#include "game/net/menu_polling.h"
#include "game/net/net_codes.h"
#include "game/shell/game.h"
#include "game/stations/station_screen.h"
#include "game/ui/screen_codes.h"

namespace {

bool GameInProgress(const Game& game) {
  return game.menu.noGameInProgress == 0 && !game.world.ships.Empty();
}

}  // namespace

NetContext NetOf(Game& game) {
  return NetContext{game.net,      game.world,      game.menu, game.ui,    game.save,
                    game.settings, game.catalogues, game.rng,  game.folder};
}

namespace {

// A network game in progress goes back to the server; false when there was no connection. At a
// station the offers as this visit left them go into the place first, so the game returned holds
// the stock the player saw.
bool ReturnNetworkGame(Game& game, NetContext& context) {
  if (Docked(game.world)) ReturnOffersToPlace(game.station, game.world);
  return ReturnGameToServer(context);
}

bool NetworkGameInProgress(const Game& game) {
  return game.world.networkGame && GameInProgress(game);
}

}  // namespace

void RunNetScreen(Game& game) {
  NetContext context = NetOf(game);
  int code = game.menu.screenState;
  if (code == kCharacterList && NetworkGameInProgress(game)) {
    if (!ReturnNetworkGame(game, context)) code = kGameNotSentScreen;
  } else if (code == kConnectionScreen && GameInProgress(game)) {
    EndGameInProgress(game.world, game.menu);
  }
  RunNetScreenCode(context, code);
}

void PollNetwork(Game& game) {
  NetContext context = NetOf(game);
  PollNetworkMenu(context);
}

void EndNetworkPlay(Game& game) {
  // However the main menu is reached (the settings lead there too), a character's game is not
  // kept here: it goes back to the server before the connection closes.
  if (NetworkGameInProgress(game)) {
    NetContext context = NetOf(game);
    ReturnNetworkGame(game, context);
  }
  NetContext context = NetOf(game);
  LeaveNetworkPlay(context);
}
