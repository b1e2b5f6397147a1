#pragma once

#include <string>

#include "game/ui/menu_state.h"

// Where a scripted click lands on a menu item named by its caption.
struct ClickSpot {
  bool found = false;
  int x = 0;
  int y = 0;
  std::string problem;  // when not found: why, with the captions shown (UTF-8)
};

// A point for a click on the first item in list order whose caption is `caption` (the game's
// 8-bit text) and that takes clicks: inside its hit box, and where no later item takes the click
// from it, as the menu gives a click to the last item under the pointer.
ClickSpot FindClickSpot(const CursorList<MenuItemRecord>& items, const std::string& caption);
