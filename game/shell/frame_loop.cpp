#include "game/shell/frame_loop.h"

#include <string>

#include "game/shell/game.h"
#include "game/shell/game_flow.h"
#include "game/shell/menu_loop.h"
#include "game/shell/scan_codes.h"
#include "game/shell/screens.h"
#include "game/ui/buttons.h"

namespace {

constexpr int kFadeQuad = 9999;

void ReadInput(Game& game) {
  ReadKeyboard(game.media);
  ReadMouse(game.media);
  UpdateMouseButtons(game.ui, game.media);
}

// The passes over the world lists, back to front, with the blending each layer is drawn with.
void DrawWorld(Game& game) {
  ClearScreen(game.media, 0);
  BeginQuads(game.media);
  // Field glows, environment pieces, system objects and ships: normal alpha blending.
  SetBlend(game.media, 5, 2);
  // Projectiles glow: additive.
  SetBlend(game.media, 12, 12);
  // Floating objects.
  SetBlend(game.media, 5, 2);
  // Particles, then the atmospheres and coronas of planets and suns.
  SetBlend(game.media, 12, 12);
  // Developer information and the HUD.
}

}  // namespace

void AdvanceAnnouncement(Game& game) {
  int& step = game.loop.announcementStep;
  if (step <= 0 || ClipPlaying(game.media)) return;
  step += 1;
  // Each clip starts once, on the step it belongs to; the next step waits until it has ended.
  if (step == 4) PlayClip(game.media, 10);
  if (step == 8) PlayClip(game.media, 11);
  if (step == 12) PlayClip(game.media, 12);
  if (step == 16) PlayClip(game.media, 13);
  if (step >= 20) step = 0;
}

void DrawScreenFade(Game& game) {
  int& fade = game.world.screenFade;
  if (fade == 0) return;
  int alpha = 0;
  if (fade > 0) {
    fade -= 5;
    alpha = fade;
  } else {
    fade += 5;
    alpha = fade + 255;
  }
  SetBlend(game.media, 12, 12);
  SetQuadSize(game.media, kFadeQuad, kScreenWidth, kScreenHeight);
  DrawQuad(game.media, kFadeQuad, 0, 0, alpha);
}

void TakeScreenshot(Game& game) {
  GrabScreen(game.media, 1000, 0, 0, kScreenWidth, kScreenHeight);
  const std::string name = "Bild" + std::to_string(1000 + RandomInt(game.rng, 8999)) + ".bmp";
  SavePicture(game.media, 1000, GameFile(game, name).string());
}

void RunFrame(Game& game) {
  SleepMs(game.media, 2);
  game.loop.frameCounter += 10;
  AdvanceAnnouncement(game);
  ReadInput(game);
  if (KeyReleased(game.media, kKeyEscape)) {
    // The pause menu returns into this same frame, which then goes on.
    OpenMenu(game, kMainMenu);
    if (game.media.quitRequested) return;
  }
  if (KeyReleased(game.media, kKeyF12)) TakeScreenshot(game);

  DrawWorld(game);
  if (game.loop.dockedRequest) {
    EnterStation(game);
    game.loop.dockedRequest = 0;
    if (game.media.quitRequested) return;
  }
  DrawScreenFade(game);
  FlipScreen(game.media);
}
