#include "game/save/quick_save.h"

#include <cstdio>

#include "formats/latin1.h"
#include "game/save/save_game.h"
#include "game/save/save_list.h"

bool QuickSave(SaveState& save, const World& world, const std::filesystem::path& gameFolder) {
  if (save.saveName.empty()) {
    save.saveName = kQuickSaveName;
    save.nameField = save.saveName;
  }
  const SaveOutcome outcome = SaveGame(world, gameFolder, save.saveName);
  if (!outcome.ok) {
    // No screen in flight; the reason still reaches whoever watches the console.
    std::fprintf(stderr, "quick save '%s' not saved: %s\n", Latin1ToUtf8(save.saveName).c_str(),
                 outcome.error.c_str());
    return false;
  }
  ListSaveGames(save.saveFileNames, DataPath(gameFolder, "SAVE"));
  return true;
}
