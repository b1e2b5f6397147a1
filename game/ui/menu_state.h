#pragma once

#include <string>

#include "game/world/cursor_list.h"
#include "game/world/records.h"

// The screen system: the items of the current screen and what is being shown.
struct MenuState {
  CursorList<MenuItemRecord> menuItems;
  CursorList<MenuStarRecord> menuStars;
  CursorList<std::string> saveFileNames;
  int screenState = -10;  // the action being processed / the screen being shown
  std::string screenTag;
  int noGameInProgress = 1;
  int revealCounter = 0;
  std::string hint;     // a quiet line under the items (e.g. the key to the settings)
  int hoveredItem = 0;  // list position of the item under the mouse, 0 none
};
