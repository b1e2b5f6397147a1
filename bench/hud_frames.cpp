// What the flight HUD costs a headless frame in the start system of the sample universe.
//   build/bench/bench_hud_frames [game folder]
// Prints RunHud per frame with no panel, with the start's panels, with every panel open (the
// three panels of the shared picture one at a time), the tooltip and the help page alone, and the
// renders of the panel pictures (done only when a panel opens or what it shows changes). Each
// figure is the median of five batches.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "bench_game.h"
#include "formats/media_numbers.h"
#include "game/hud/hud_controls.h"
#include "game/hud/hud_pass.h"
#include "game/hud/location_panel.h"
#include "game/hud/system_map.h"
#include "game/hud/weapon_list.h"
#include "game/shell/frame_loop.h"
#include "game/shell/game.h"
#include "game/ui/bitmap_text.h"
#include "game/ui/buttons.h"

namespace {

double MedianMs(int frames, const std::function<void()>& work) {
  return MedianBatchMs(frames, work);
}

// The HUD's frame as the frame loop runs it: the frame counter steps by 10 (a larger step would
// tell the HUD that another loop ran, and it would render its pictures afresh).
void HudFrame(Game& game) {
  game.frame.frameCounter += 10;
  ReadMouse(game.media);
  UpdateMouseButtons(game.ui, game.media);
  FlightContext flight = FlightOf(game);
  HudContext hud{flight, game.hud};
  RunHud(hud);
}

void Report(Game& game, const char* name) {
  for (int i = 0; i < 20; ++i) HudFrame(game);  // renders done, tooltips settled
  const int renders = game.hud.pictureRenders;
  const double ms = MedianMs(200, [&] { HudFrame(game); });
  std::printf("  %-58s %7.3f ms%s\n", name, ms,
              game.hud.pictureRenders != renders ? "  (rendered during the run!)" : "");
}

void SetPanels(Game& game, int weapons, int compass, PanelContent shared, int help) {
  HudState& hud = game.hud;
  hud.weaponListShown = weapons;
  hud.compassShown = compass;
  hud.locationInfoShown = shared == PanelContent::kLocation ? 1 : -1;
  hud.reputationShown = shared == PanelContent::kReputation ? 1 : -1;
  hud.systemMapShown = shared == PanelContent::kSystemMap ? 1 : -1;
  hud.helpPage = help;
}

void PointAt(Game& game, int x, int y) {
  InjectMouseMove(game.media, x, y);
}

void ReportRender(Game& game, const char* name, void (*render)(HudContext&)) {
  FlightContext flight = FlightOf(game);
  HudContext hud{flight, game.hud};
  std::printf("  %-58s %7.3f ms\n", name, MedianMs(20, [&] { render(hud); }));
}

}  // namespace

int main(int argc, char** argv) {
  auto game = StartBenchFlight(argc, argv, 1);
  if (!game) return 1;
  for (PlaceRecord& place : game->world.places) place.known = 1;  // a full place list and map
  RunFrame(*game);

  std::printf("HUD per frame, headless (RunHud, pictures already rendered):\n");
  PointAt(*game, 512, 300);
  SetPanels(*game, -1, -1, PanelContent::kNone, 0);
  Report(*game, "no panel (buttons, warnings, status, cursor)");
  SetPanels(*game, 1, 1, PanelContent::kNone, 0);
  Report(*game, "start panels (weapon list, compass)");
  SetPanels(*game, 1, 1, PanelContent::kLocation, 0);
  Report(*game, "+ place information");
  SetPanels(*game, 1, 1, PanelContent::kReputation, 0);
  Report(*game, "+ group reputation");
  SetPanels(*game, 1, 1, PanelContent::kSystemMap, 0);
  Report(*game, "+ system map");
  SetPanels(*game, 1, 1, PanelContent::kSystemMap, 1);
  PointAt(*game, 716, 746);  // resting on "Systemkarte": its tooltip
  Report(*game, "every panel: weapons, compass, map, help page, tooltip");
  SetPanels(*game, -1, -1, PanelContent::kNone, 0);
  Report(*game, "no panel, tooltip only (1024 x 768 overlay)");
  SetPanels(*game, -1, -1, PanelContent::kNone, 1);
  PointAt(*game, 512, 300);
  Report(*game, "no panel, help page only (1024 x 368 picture)");

  std::printf("The two text-box pictures drawn whole and as their box only:\n");
  Media& media = game->media;
  std::printf("  %-58s %7.3f ms\n", "tooltip picture whole (1024 x 768, keyed)",
              MedianMs(200, [&] { DrawKeyed(media, kPictureOverlay, 0, 0); }));
  std::printf("  %-58s %7.3f ms\n", "tooltip picture, its box only", MedianMs(200, [&] {
                DrawTextBoxPicture(media, kPictureOverlay, game->hud.tooltipArea, 0, 0);
              }));
  std::printf("  %-58s %7.3f ms\n", "help picture whole (1024 x 368, keyed)",
              MedianMs(200, [&] { DrawKeyed(media, kPictureHelpPage, 64, 64); }));
  std::printf("  %-58s %7.3f ms\n", "help picture, its box only", MedianMs(200, [&] {
                DrawTextBoxPicture(media, kPictureHelpPage, game->hud.helpArea, 64, 64);
              }));
  std::printf("  %-58s %7.3f ms\n", "the shared panel picture (510 x 510, keyed)",
              MedianMs(200, [&] { DrawKeyed(media, kPicturePanel, 245, 145); }));

  std::printf("Renders, once per opening or change:\n");
  ReportRender(*game, "weapon list", RenderWeaponList);
  ReportRender(*game, "place information (all 19 places known)", RenderLocationPanel);
  ReportRender(*game, "system map (reads System.ini)", RenderSystemMap);
  ReportRender(*game, "tooltip box (DrawTextBox into the 1024 x 768 overlay)", [](HudContext& h) {
    DrawTextBox(h.flight.media, h.flight.ui, 700, 730, kPictureOverlay, "Systemkarte");
  });
  ReportRender(*game, "help page (DrawTextBox, 12 lines)", [](HudContext& h) {
    DrawTextBox(h.flight.media, h.flight.ui, 0, 0, kPictureHelpPage,
                h.flight.catalogues.briefingTexts.briefingTexts[1]);
  });
  ShutdownMedia(game->media);
  return 0;
}
