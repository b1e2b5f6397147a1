#include "game/shell/frame_loop.h"

#include <string>

#include "formats/media_numbers.h"
#include "game/flight/docking.h"
#include "game/flight/environment.h"
#include "game/flight/floating_objects.h"
#include "game/flight/particles.h"
#include "game/flight/player_pass.h"
#include "game/flight/projectiles.h"
#include "game/flight/ships_pass.h"
#include "game/flight/system_objects.h"
#include "game/flight/traffic.h"
#include "game/hud/atmospheres.h"
#include "game/hud/chat_line.h"
#include "game/hud/developer_info.h"
#include "game/hud/hud_pass.h"
#include "game/hud/hud_zones.h"
#include "game/hud/ticker.h"
#include "game/media/gamepad.h"
#include "game/media/scan_codes.h"
#include "game/net/flight_messages.h"
#include "game/save/quick_save.h"
#include "game/shell/game.h"
#include "game/shell/game_flow.h"
#include "game/shell/menu_loop.h"
#include "game/ui/buttons.h"
#include "game/ui/screen_codes.h"
#include "game/ui/screen_fade.h"

namespace {

void StartFrame(Game& game) {
  SleepMs(game.media, 2);
  game.frame.frameCounter += 10;
}

void ReadInput(Game& game) {
  ReadKeyboard(game.media);
  ReadMouse(game.media);
  UpdateMouseButtons(game.ui, game.media);
}

// Escape (or the pad's Start) opens the pause menu (in a network game the character list, which
// returns the game to the server first) and F10 the settings, which return into this same frame;
// true when the program ends there. While the chat line is typed, Escape belongs to it (it drops
// the line).
bool HandleMenuKeys(Game& game) {
  if (game.ui.editActive) return false;
  if (KeyReleased(game.media, kKeyEscape) || PadPressed(game.media, kPadStart)) {
    OpenMenu(game, game.world.networkGame ? kCharacterList : kMainMenu);
  } else if (KeyReleased(game.media, kKeyF10)) {
    OpenMenu(game, kSettingsScreen);
  } else {
    return false;
  }
  return game.media.quitRequested;
}

void BeginWorldDrawing(Game& game) {
  ClearScreen(game.media, 0);
  BeginQuads(game.media);
}

// When flight raised the docked request, the station screen runs until the player starts again;
// true when the program ends there.
bool EnterDockedStation(Game& game) {
  if (!game.world.docking.dockedRequest) return false;
  game.ui.editActive = 0;  // a chat line still being typed is dropped; the station has the keys
  EnterStation(game);
  game.world.docking.dockedRequest = 0;
  return game.media.quitRequested;
}

}  // namespace

FlightContext FlightOf(Game& game) {
  return FlightContext{game.world, game.media, game.catalogues, game.settings,
                       game.ui,    game.frame, game.rng,        game.folder};
}

void CarryOutFlightRequests(Game& game, const FlightRequests& requests) {
  if (requests.quickSave) QuickSave(game.save, game.world, game.folder);
  if (requests.reportMovement && game.world.networkGame) SendMovement(game.net, game.world);
}

void FinishFrame(Game& game) {
  RunFrameHooks(game.hooks);
  FlipScreen(game.media);
}

void TakeScreenshot(Game& game) {
  GrabScreen(game.media, kPictureScreenshot, 0, 0, kScreenWidth, kScreenHeight);
  const std::string name = "Bild" + std::to_string(1000 + RandomInt(game.rng, 8999)) + ".bmp";
  SavePicture(game.media, kPictureScreenshot, GameFile(game, name).string());
}

void RunFrame(Game& game) {
  FlightContext flight = FlightOf(game);
  HudContext hud{flight, game.hud};

  StartFrame(game);
  SpawnRouteTraffic(flight);
  AdvanceAnnouncement(game.world.docking, game.media);
  ReadInput(game);
  // The HUD is drawn after flight, but its places are known now: a press on it does not steer.
  flight.hudZones = HudZonesOf(game.hud);
  NoteLeftPressOwner(game.ui, flight.hudZones, MouseX(game.media), MouseY(game.media));
  if (HandleMenuKeys(game)) return;
  if (KeyReleased(game.media, kKeyF12)) TakeScreenshot(game);
  RunLocalShipPass(flight);
  CarryOutFlightRequests(game, flight.requests);

  // The scene, back to front.
  BeginWorldDrawing(game);
  DrawFieldGlows(flight);
  RunEnvironmentPieces(flight);
  RunSystemObjects(flight);
  RunShipsPass(flight);
  SetBlend(game.media, kBlendAdditive);
  RunProjectiles(flight);
  SetBlend(game.media, kBlendNormal);
  RunFloatingObjects(flight);
  SetBlend(game.media, kBlendAdditive);
  RunParticles(flight);
  DrawAtmospheres(hud);
  SetBlend(game.media, kBlendNormal);
  DrawDeveloperInfo(hud);

  // The overlay, the station, the network and the chat.
  RunHud(hud);
  if (EnterDockedStation(game)) return;
  if (game.world.networkGame) ReceiveFlightMessages(game.net, game.world, game.catalogues);
  if (const auto line = RunChatLine(hud)) SendChatLine(game.net, *line);
  DrawTicker(hud);
  DrawScreenFade(game.media, game.frame);
  FinishFrame(game);
}
