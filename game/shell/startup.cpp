#include "game/shell/startup.h"

#include "formats/file_io.h"
#include "game/shell/game.h"
#include "game/shell/media_loading.h"
#include "game/shell/world_data_loading.h"
#include "game/ui/loading_screen.h"
#include "game/ui/menu_stars.h"
#include "game/ui/settings_screens.h"
#include "game/ui/text_entry.h"

namespace {

bool Fail(StartupFailure& failure, const std::string& text) {
  failure.text = text;
  return false;
}

bool InitPlatform(Game& game, bool headless, StartupFailure& failure) {
  if (!InitVideo(game.media, headless)) return Fail(failure, "Can't open DirectX 7 Or later");
  // Without a sound device the game plays on silently.
  InitAudio(game.media);
  return true;
}

void CreateFonts(Game& game) {
  InitFonts(game.media);
  game.fonts.title = LoadFont(game.media, "Arial Black", 40);
  game.fonts.large = LoadFont(game.media, "Courier New Fett", 16);
  game.fonts.medium = LoadFont(game.media, "Courier New Fett", 12);
  game.fonts.small = LoadFont(game.media, "Courier New Fett", 8);
}

bool OpenGameScreen(Game& game, StartupFailure& failure) {
  // Who draws a window's frames is decided once here, as the settings ask (VELMARITH_RENDERER
  // overrides them); the window opens full screen or not as they say.
  SetFullscreen(game.media, game.settings.fullscreen);
  if (!OpenScreen(game.media, kScreenWidth, kScreenHeight, 32, RendererChoiceOf(game.settings))) {
    return Fail(failure, "Can't open screen !");
  }
  SetFrameCap(game.media, 50);
  SetQuadFilter(game.media, true);
  return true;
}

bool LoadPictures(Game& game, StartupFailure& failure) {
  std::string failedPath;
  if (!LoadPlannedPictures(game, PlannedFontPictures(), failedPath) ||
      !LoadPlannedPictures(game, PlannedLoadingPictures(), failedPath) ||
      !LoadMediaGroups(game, failedPath)) {
    return Fail(failure, PictureErrorText(failedPath));
  }
  CreateWorkPictures(game);
  return true;
}

void FinishLoading(Game& game) {
  for (int i = 0; i < 3; ++i) ShowLoadingScreen(game.media, 100, "");
  game.fonts.list = LoadFont(game.media, "Courier New Fett", 10);
}

void SetUpLoop(Game& game) {
  game.frame.timeFactor = 1.0f;
  ResetHudPanels(game.hud);
  game.world.localPlayerNumber = 1;
}

}  // namespace

bool RunStartup(Game& game, bool headless, StartupFailure& failure, StartupProfile* profile) {
  std::uint64_t mark = TickMs();
  auto phase = [&](const char* name) {
    if (!profile) return;
    const std::uint64_t now = TickMs();
    profile->phases.emplace_back(name, now - mark);
    mark = now;
  };
  if (!InitPlatform(game, headless, failure)) return false;
  phase("platform (video, sound)");
  FillKeyCharMap(game.ui.keyCharMap);
  DimensionCatalogues(game.catalogues);
  LoadSettings(game.settings, GameFile(game, "Konfigurationen.ini"));
  ApplySoundSettings(game.media, game.settings);
  // Saves and settings cut off by a kill before their rename leave temporaries behind.
  RemoveAbandonedTemporaries(game.folder);
  RemoveAbandonedTemporaries(GameFile(game, "SAVE"));
  CreateMenuStars(game.menu.menuStars, game.rng);
  LoadElementDefinitions(game);
  CreateFonts(game);
  phase("lists, settings, element kinds, fonts");
  if (!OpenGameScreen(game, failure)) return false;
  phase("screen");
  if (!LoadPictures(game, failure)) return false;
  phase("pictures and sounds");
  LoadPlacesAndCatalogues(game);
  phase("places and catalogues");
  FinishLoading(game);
  SetUpLoop(game);
  phase("finish");
  return true;
}
