#pragma once

#include <string>

#include "game/ui/ui_records.h"
#include "game/world/cursor_list.h"

inline constexpr int kNoPress = -1000;  // no press of the left button seen on any screen

// A press that begins within this many frames of a change of screen does nothing there: it was
// meant for the screen before (the second press of a double click on "Zurück" would otherwise
// land on "Beenden" of the main menu, which sits at the same spot).
inline constexpr int kFreshScreenFrames = 10;

// The screen system: the items of the current screen and what is being shown.
struct MenuState {
  CursorList<MenuItemRecord> menuItems;
  CursorList<MenuStarRecord> menuStars;
  int screenState = -10;  // the action being processed / the screen being shown
  std::string screenTag;
  int noGameInProgress = 1;
  int revealCounter = 0;
  std::string hint;            // a quiet line under the items (e.g. the key to the settings)
  int hoveredItem = 0;         // list position of the item under the mouse, 0 none
  int shownScreen = -10;       // the code of the screen built last
  int pressScreen = kNoPress;  // the screen the held left button was pressed on
  // Menu frames since the screen shown changed or the menu opened from flight; the program's
  // first screen follows no other, so it takes presses at once.
  int framesOnScreen = kFreshScreenFrames + 1;
  int padStickFrames = 0;  // frames the pad's left stick has been held up or down (menu_pad.h)
};
