#include "game/save/quick_save.h"

#include <cstdio>

#include "formats/latin1.h"
#include "game/save/save_game.h"
#include "game/save/save_list.h"
#include "game/ui/bitmap_text.h"
#include "game/world/world_lists.h"

bool QuickSave(SaveState& save, World& world, const std::filesystem::path& gameFolder) {
  if (save.saveName.empty()) {
    save.saveName = kQuickSaveName;
    save.nameField = save.saveName;
  }
  const SaveOutcome outcome = SaveGame(world, gameFolder, save.saveName);
  if (!outcome.ok) {
    AddTickerMessage(world.tickerMessages, kHostileText, "Spiel nicht gespeichert: ", kNormalText,
                     save.saveName);
    // The ticker says that it failed; the reason reaches whoever watches the console.
    std::fprintf(stderr, "quick save '%s' not saved: %s\n", Latin1ToUtf8(save.saveName).c_str(),
                 outcome.error.c_str());
    return false;
  }
  AddTickerMessage(world.tickerMessages, kFriendlyText, "Spiel gespeichert: ", kNormalText,
                   save.saveName);
  NoteGameSaved(save, world);
  ListSaveGames(save.saveFileNames, DataPath(gameFolder, "SAVE"));
  return true;
}
