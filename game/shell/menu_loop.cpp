#include "game/shell/menu_loop.h"

#include "formats/media_numbers.h"
#include "game/media/gamepad.h"
#include "game/media/scan_codes.h"
#include "game/save/save_list.h"
#include "game/shell/frame_loop.h"
#include "game/shell/game.h"
#include "game/shell/game_flow.h"
#include "game/shell/network_play.h"
#include "game/shell/screens.h"
#include "game/stations/dealer_hover.h"
#include "game/stations/weapons_dealer.h"
#include "game/ui/buttons.h"
#include "game/ui/menu_background.h"
#include "game/ui/menu_items.h"
#include "game/ui/menu_pad.h"
#include "game/ui/screen_codes.h"
#include "game/ui/screen_fade.h"

namespace {

// Before the screen is drawn: Escape (or "Starten") begins the fade to black, a finished fade
// leaves the menu to flight, and a new, loaded or received game is set up.
// False when the loop ends here.
bool HandleFlow(Game& game) {
  MenuState& menu = game.menu;
  // Escape during a text entry only ends the entry (the field gets its old text back).
  const bool escape = KeyReleased(game.media, kKeyEscape) || PadGoesBack(menu, game.media);
  const bool escapeLeaves = escape && game.ui.editActive == 0;
  if ((escapeLeaves && !game.world.ships.Empty()) || menu.screenState == kLeaveStation) {
    game.frame.screenFade = -255;
  }
  if (game.frame.screenFade >= -10 && game.frame.screenFade < 0) {
    LeaveMenuToFlight(game);
    return false;
  }
  if (menu.screenState == kFreeGame) {
    EnterNewGame(game);
  } else if (menu.screenState == kGameLoaded) {
    return EnterLoadedGame(game);
  } else if (menu.screenState == kNetworkGameReceived) {
    return false;
  }
  return true;
}

void ReadMenuInput(Game& game) {
  WalkMenuWithPad(game.menu, game.media);
  ReadMouse(game.media);
  UpdateMouseButtons(game.ui, game.media, PadHeld(game.media, kPadA));
  if (game.ui.leftButtonState >= 3 || game.ui.rightButtonState >= 3) {
    PlayClip(game.media, kSoundClick);
    game.ui.editActive = 0;  // a click ends any text entry; the field keeps its text
  }
  if (KeyReleased(game.media, kKeyF12)) TakeScreenshot(game);
}

// Right clicks on the weapons dealer's list mount and unmount weapons.
void HandleStationRightClick(Game& game) {
  StationContext context{game.menu, game.world, game.station, game.catalogues, game.rng};
  HandleWeaponsRightClick(context, game.ui, MouseX(game.media), MouseY(game.media));
}

void DrawMenuBackground(Game& game) {
  ClearScreen(game.media, 0);
  BeginQuads(game.media);
  DrawMenuStars(game.media, game.menu.menuStars, game.rng);
  DrawOrbitingLights(game.media, game.rng, game.frame.frameCounter);
}

}  // namespace

bool RunMenuFrame(Game& game) {
  game.frame.frameCounter += 10;
  ++game.frame.menuFrames;
  ++game.menu.framesOnScreen;
  ReadKeyboard(game.media);
  if (!HandleFlow(game)) return false;
  ReadMenuInput(game);

  game.menu.screenState = kNoScreenChange;
  DrawScreenFade(game.media, game.frame);  // over the picture the previous frame drew
  FinishFrame(game);
  if (game.media.quitRequested) return false;

  DrawMenuBackground(game);
  DrawMenuItems(game.menu, game.media);
  DrawDealerHover(game.menu, game.station, game.world, game.catalogues, game.media);
  HandleMenuClicks(game.menu, game.ui, game.media);
  HandleStationRightClick(game);
  UpdateTextFields(game.menu, game.ui, game.media, game.frame.frameCounter);
  // The settings have no item on the main menu; F10 opens them from any screen.
  if (KeyReleased(game.media, kKeyF10)) game.menu.screenState = kSettingsScreen;
  PollNetwork(game);
  if (game.menu.screenState >= 0) BuildScreen(game);
  DrawListDecorations(game.menu, game.media);
  DrawMenuPointer(game.media);
  return !game.media.quitRequested;
}

void RunMenu(Game& game) {
  game.loop.menuRunning = true;
  while (RunMenuFrame(game)) {
  }
  game.loop.menuRunning = false;
}

void OpenMenu(Game& game, int action) {
  game.menu.framesOnScreen = 0;  // from flight, every screen is a new one
  game.menu.screenState = action;
  BuildScreen(game);
  RunMenu(game);
}

void PrepareStartMenu(Game& game) {
  ListSaveGames(game.save.saveFileNames, GameFile(game, "SAVE"));
  game.menu.noGameInProgress = 1;
  game.menu.revealCounter = 1;
  game.menu.screenState = kStartMenu;
  BuildScreen(game);
}

void OpenStartMenu(Game& game) {
  PrepareStartMenu(game);
  RunMenu(game);
}
