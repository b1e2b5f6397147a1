#include "game/shell/media_loading.h"

#include "formats/media_numbers.h"
#include "game/shell/game.h"
#include "game/ui/loading_screen.h"

bool LoadPlannedPictures(Game& game, const std::vector<PlannedFile>& files,
                         std::string& failedPath) {
  for (const PlannedFile& file : files) {
    if (!LoadPicture(game.media, file.number, GameFile(game, file.dataPath).string())) {
      failedPath = file.dataPath;
      return false;
    }
    CreateQuad(game.media, file.number, file.number);
  }
  return true;
}

bool LoadMediaGroups(Game& game, std::string& failedPath) {
  for (const PlannedGroup& group : PlannedMediaGroups()) {
    ShowLoadingScreen(game.media, group.percent, group.pattern);
    if (!group.sounds) {
      if (!LoadPlannedPictures(game, group.files, failedPath)) return false;
      continue;
    }
    // A sound that cannot be loaded is not reported; playing it does nothing.
    for (const PlannedFile& file : group.files) {
      LoadClip(game.media, file.number, GameFile(game, file.dataPath).string());
    }
  }
  return true;
}

void CreateWorkPictures(Game& game) {
  Media& media = game.media;
  CreatePicture(media, kPictureWindow, 220, 220);
  // A circular window mask: white is its key colour.
  CreatePicture(media, kPictureRoundMask, 220, 220);
  DrawInto(media, kPictureRoundMask);
  FillCircle(media, 110, 110, 105, MakeColour(255, 255, 255));
  EndDraw(media);
  SetKeyColour(media, kPictureRoundMask, 255, 255, 255);
  CreatePicture(media, kPictureOverlay, kScreenWidth, kScreenHeight, true);
  CreateQuad(media, kPictureOverlay, kPictureOverlay);
  CreatePicture(media, kPictureHelpPage, kScreenWidth, 368, true);
  CreateQuad(media, kPictureHelpPage, kPictureHelpPage);
  CreatePicture(media, kPictureSystemMap, 510, 510);
  CreatePicture(media, kPictureWeaponList, 510, 510);
  CreatePicture(media, kPictureSystemMapLayer, 500, 500);
  CreatePicture(media, kPictureWeaponListLayer, 500, 500);
  // The fade quad: one almost black pixel, stretched over the screen.
  CreatePicture(media, kPictureFade, 1, 1, true);
  DrawInto(media, kPictureFade);
  FillBox(media, 0, 0, 1, 1, MakeColour(1, 1, 1));
  EndDraw(media);
  CreateQuad(media, kPictureFade, kPictureFade);
}
