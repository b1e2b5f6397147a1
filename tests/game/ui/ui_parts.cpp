#include "tests/game/ui/ui_parts.h"

#include <gtest/gtest.h>

#include "formats/latin1.h"
#include "formats/media_plan.h"

void LoadEveryPlannedPicture(Media& media, const std::filesystem::path& folder) {
  std::vector<PlannedFile> files = PlannedFontPictures();
  for (const PlannedFile& file : PlannedLoadingPictures()) files.push_back(file);
  for (const PlannedGroup& group : PlannedMediaGroups()) {
    if (!group.sounds) files.insert(files.end(), group.files.begin(), group.files.end());
  }
  for (const PlannedFile& file : files) {
    EXPECT_TRUE(LoadPicture(media, file.number, DataPath(folder, file.dataPath).string()))
        << file.dataPath;
    CreateQuad(media, file.number, file.number);
  }
}
