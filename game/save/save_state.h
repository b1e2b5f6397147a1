#pragma once

#include <string>

#include "game/world/cursor_list.h"

// Saved games as the screens and the quick save see them.
struct SaveState {
  CursorList<std::string> saveFileNames;  // the games offered on the save and load screens
  std::string saveName;                   // the game last saved or loaded; F5 saves under it
  std::string nameField;                  // the text of the screens' name field
  std::string resultName;                 // the name the last save or load was tried with
  int saveListScroll = 0;                 // first visible row of the list
  int saveResult = 0;                     // 1 when the last save succeeded
  int loadResult = 0;                     // 1 when the last load succeeded
  // The game as a save would have written it when it was last saved, loaded or begun: "Beenden"
  // asks first while the game is no longer that.
  std::string lastSavedBytes;
};
