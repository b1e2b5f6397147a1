#include "game/shell/script_click.h"

#include "formats/latin1.h"
#include "game/media/media.h"
#include "game/ui/menu_items.h"

namespace {

constexpr int kItemHeight = 36;

// Dimmed and reserved items ignore clicks, and one without an action (a title) does nothing.
bool TakesClicks(const MenuItemRecord& item) {
  return item.kind != kReservedItem && item.kind != kDimmedEntry && item.action >= 0;
}

// The item a click at (x, y) acts on: each item under the pointer that reacts sets the screen
// code in turn, so the last one in list order wins.
const MenuItemRecord* ItemClickedAt(const CursorList<MenuItemRecord>& items, int x, int y) {
  const MenuItemRecord* clicked = nullptr;
  for (const MenuItemRecord& item : items) {
    if (item.kind == kReservedItem || item.kind == kDimmedEntry) continue;
    if (ItemUnderMouse(item, x, y)) clicked = &item;
  }
  return clicked;
}

bool OnScreen(int x, int y) {
  return x >= 0 && x < kScreenWidth && y >= 0 && y < kScreenHeight;
}

// The item's centre when the click lands there, else the first point of its hit box that does.
bool FindSpotOn(const CursorList<MenuItemRecord>& items, const MenuItemRecord& item,
                ClickSpot& spot) {
  const int width = ItemHitWidth(item);
  const int centreX = item.x + width / 2;
  const int centreY = item.y + kItemHeight / 2;
  if (OnScreen(centreX, centreY) && ItemClickedAt(items, centreX, centreY) == &item) {
    spot = {true, centreX, centreY, ""};
    return true;
  }
  for (int y = item.y + 1; y < item.y + kItemHeight; ++y) {
    for (int x = item.x + 1; x < item.x + width; ++x) {
      if (OnScreen(x, y) && ItemClickedAt(items, x, y) == &item) {
        spot = {true, x, y, ""};
        return true;
      }
    }
  }
  return false;
}

std::string Quoted(const std::string& latin1) {
  return "\"" + Latin1ToUtf8(latin1) + "\"";
}

std::string ShownCaptions(const CursorList<MenuItemRecord>& items) {
  std::string shown;
  for (const MenuItemRecord& item : items) {
    shown += (shown.empty() ? "" : ", ") + Quoted(item.caption);
  }
  return shown.empty() ? "no item" : shown;
}

}  // namespace

ClickSpot FindClickSpot(const CursorList<MenuItemRecord>& items, const std::string& caption) {
  bool shownWithoutClicks = false;
  for (const MenuItemRecord& item : items) {
    if (item.caption != caption) continue;
    if (!TakesClicks(item)) {
      shownWithoutClicks = true;
      continue;
    }
    ClickSpot spot;
    if (FindSpotOn(items, item, spot)) return spot;
    return {false, 0, 0, "the item lies under others wherever it is clicked"};
  }
  const std::string what = shownWithoutClicks ? "the item takes no clicks" : "no such item";
  return {false, 0, 0, what + "; shown: " + ShownCaptions(items)};
}
