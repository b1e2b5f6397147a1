#include "game/ui/screen_items.h"

#include "game/world/world_lists.h"

void AddItem(MenuState& menu, int kind, int x, int y, const std::string& caption, int action) {
  AddMenuItem(menu.menuItems, kind, x, y, caption, action);
}

int RightAlignedX(const std::string& caption) {
  return 950 - 10 * static_cast<int>(caption.size());
}

void AddRightAlignedButton(MenuState& menu, int y, const std::string& caption, int action) {
  AddItem(menu, kButton, RightAlignedX(caption), y, caption, action);
}

void ClearScreenItems(MenuState& menu) {
  menu.menuItems.Clear();
  menu.screenTag.clear();
  menu.hint.clear();
}

void ShowErrorScreen(MenuState& menu, const std::vector<std::string>& lines, int returnCode) {
  ClearScreenItems(menu);
  AddItem(menu, kTextLine, 50, 50, "FEHLER", -1);
  int y = 150;
  for (const std::string& line : lines) {
    AddItem(menu, kTextLine, 50, y, line, -1);
    y += 50;
  }
  AddItem(menu, kButton, 50, 700, kBackCaption, returnCode);
}
