#include "game/shell/menu_items.h"

#include <cmath>

#include "formats/rounding.h"
#include "game/shell/game.h"
#include "game/shell/screens.h"
#include "game/ui/bitmap_text.h"
#include "game/ui/text_entry.h"

namespace {

constexpr int kItemHeight = 36;
constexpr int kHighlightBar = 7012;
constexpr int kListSymbol = 10;
constexpr int kEntryFrame = 525;
constexpr double kRadiansPerDegree = 0.017453292;

bool IsListEntry(int kind) {
  return kind == kSaveEntry || kind == kDealerEntry || kind == kDimmedEntry;
}

int CaptionColour(const MenuItemRecord& item, bool hovered) {
  if (item.kind == kDimmedEntry) return kDarkText;
  if (item.kind == kTextLine && item.action < 0) return kActiveText;  // titles and text lines
  return hovered ? kActiveText : kNormalText;
}

// A bar of light behind the item, from the nearer screen edge to a little past the caption.
void DrawHighlightBar(Media& media, const MenuItemRecord& item, bool hovered) {
  const int alpha = hovered ? 255 : 110;
  if (item.x < 512) {
    const float width = static_cast<float>(item.x + ItemHitWidth(item) + 40);
    SetQuadSize(media, kHighlightBar, width, kItemHeight);
    DrawQuad(media, kHighlightBar, 0, static_cast<float>(item.y), alpha);
  } else {
    const float width = static_cast<float>(kScreenWidth - item.x + 40);
    SetQuadSize(media, kHighlightBar, width, kItemHeight);
    RotateQuad(media, kHighlightBar, 180);  // mirrored: bright at the right edge
    DrawQuad(media, kHighlightBar, static_cast<float>(kScreenWidth) - width,
             static_cast<float>(item.y), alpha);
  }
}

void DrawItem(Game& game, const MenuItemRecord& item, bool hovered) {
  Media& media = game.media;
  SetBlend(media, 5, 2);
  DrawHighlightBar(media, item, hovered);
  SetBlend(media, 12, 12);
  DrawText(media, item.caption, item.x + 10, item.y + 8, 5, kAlignLeft,
           CaptionColour(item, hovered));
  if (item.kind == kTextField) {
    DrawText(media, "______________________________", item.x + 10, item.y + 14, 5, kAlignLeft,
             kNormalText);
  }
}

}  // namespace

int ItemHitWidth(const MenuItemRecord& item) {
  if (item.kind == kTextField) return 330;
  return 10 * static_cast<int>(item.caption.size()) + 30;
}

bool ItemUnderMouse(const MenuItemRecord& item, int mouseX, int mouseY) {
  return item.x < mouseX && mouseX < item.x + ItemHitWidth(item) && item.y < mouseY &&
         mouseY < item.y + kItemHeight;
}

bool ItemRevealed(int position, int itemCount, int revealCounter) {
  const double step = 30.0 / itemCount;
  const int r = RoundToInt(position * step);
  if (revealCounter == r + 2) return false;  // the flicker as each item comes in
  return r < revealCounter || revealCounter == r - 2 || revealCounter == r - 5;
}

void DrawMenuItems(Game& game) {
  MenuState& menu = game.menu;
  if (menu.revealCounter != 0) menu.revealCounter += 1;
  const int mouseX = MouseX(game.media);
  const int mouseY = MouseY(game.media);
  const int count = menu.menuItems.Count();
  int position = 0;
  int hovered = 0;
  for (const MenuItemRecord& item : menu.menuItems) {
    ++position;
    const bool under = ItemUnderMouse(item, mouseX, mouseY);
    if (under && hovered == 0) hovered = position;
    if (ItemRevealed(position, count, menu.revealCounter)) DrawItem(game, item, under);
  }
  if (hovered != 0 && hovered != game.loop.hoveredItem) PlayClip(game.media, 100);
  game.loop.hoveredItem = hovered;
  if (!menu.hint.empty()) {
    DrawText(game.media, menu.hint, 512, 740, 3, kAlignCentre, kDarkText);
  }
}

void HandleMenuClicks(Game& game) {
  const int state = game.ui.leftButtonState;
  if (state < 3 || state > 5) return;
  const int mouseX = MouseX(game.media);
  const int mouseY = MouseY(game.media);
  for (const MenuItemRecord& item : game.menu.menuItems) {
    if (item.kind == kReservedItem || item.kind == kDimmedEntry) continue;
    if (!ItemUnderMouse(item, mouseX, mouseY)) continue;
    game.menu.screenState = item.action;
    if (item.kind == kButton) game.menu.revealCounter = 1;
  }
}

void UpdateTextFields(Game& game) {
  UiState& ui = game.ui;
  if (ui.editActive != 1) return;
  for (MenuItemRecord& item : game.menu.menuItems) {
    if (item.kind != kTextField) continue;
    ui.editBuffer = item.caption;
    UpdateTextEntry(ui, game.media);
    item.caption = ui.editBuffer;
    if (std::sin(game.loop.frameCounter * kRadiansPerDegree) < 0) {
      DrawText(game.media, "|", 10 * ui.editCursor + 60, item.y + 8, 5, kAlignLeft, kActiveText);
    }
  }
}

void DrawListDecorations(Game& game) {
  Media& media = game.media;
  const int mouseX = MouseX(media);
  const int mouseY = MouseY(media);
  SetBlend(media, 12, 12);
  for (const MenuItemRecord& item : game.menu.menuItems) {
    if (!IsListEntry(item.kind)) continue;
    SetQuadSize(media, kListSymbol, 16, 16);
    DrawQuad(media, kListSymbol, static_cast<float>(item.x - 12), static_cast<float>(item.y + 10),
             255);
    if (ItemUnderMouse(item, mouseX, mouseY)) {
      SetQuadSize(media, kEntryFrame, static_cast<float>(ItemHitWidth(item)), kItemHeight);
      DrawQuad(media, kEntryFrame, static_cast<float>(item.x), static_cast<float>(item.y), 255);
    }
  }
}
