#include "game/ui/menu_items.h"

#include <cmath>

#include "formats/angles.h"
#include "formats/media_numbers.h"
#include "formats/rounding.h"
#include "game/ui/bitmap_text.h"
#include "game/ui/text_entry.h"

namespace {

constexpr int kItemHeight = 36;
constexpr int kCaptionTop = 8;      // captions are drawn at (x + 10, y + 8)
constexpr int kCaptionHeight = 20;  // in cells 20 high

bool IsListEntry(int kind) {
  return kind == kSaveEntry || kind == kDealerEntry || kind == kDimmedEntry;
}

int CaptionColour(const MenuItemRecord& item, bool hovered) {
  if (item.kind == kDimmedEntry) return kDarkText;
  if (item.kind == kTextLine && item.action < 0) return kActiveText;  // titles and text lines
  return hovered ? kActiveText : kNormalText;
}

// A bar of light behind the item, from the nearer screen edge to a little past the caption. Its
// bright core runs along the foot of the caption's cell (text at y + 8, 20 high), so it lights the
// item from below instead of striking the letters through.
void DrawHighlightBar(Media& media, const MenuItemRecord& item, bool hovered) {
  const int alpha = hovered ? 255 : 110;
  const float top = static_cast<float>(item.y + kCaptionTop + kCaptionHeight - kItemHeight / 2);
  if (item.x < 512) {
    const float width = static_cast<float>(item.x + ItemHitWidth(item) + 40);
    SetQuadSize(media, kPictureHighlightBar, width, kItemHeight);
    DrawQuad(media, kPictureHighlightBar, 0, top, alpha);
  } else {
    const float width = static_cast<float>(kScreenWidth - item.x + 40);
    SetQuadSize(media, kPictureHighlightBar, width, kItemHeight);
    RotateQuad(media, kPictureHighlightBar, 180);  // mirrored: bright at the right edge
    DrawQuad(media, kPictureHighlightBar, static_cast<float>(kScreenWidth) - width, top, alpha);
  }
}

void DrawItem(Media& media, const MenuItemRecord& item, bool hovered) {
  SetBlend(media, kBlendAdditive);
  DrawHighlightBar(media, item, hovered);
  SetBlend(media, kBlendNormal);
  DrawText(media, item.caption, item.x + 10, item.y + kCaptionTop, 5, kAlignLeft,
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

void DrawMenuItems(MenuState& menu, Media& media) {
  if (menu.revealCounter != 0) menu.revealCounter += 1;
  const int mouseX = MouseX(media);
  const int mouseY = MouseY(media);
  const int count = menu.menuItems.Count();
  int position = 0;
  int hovered = 0;
  for (const MenuItemRecord& item : menu.menuItems) {
    ++position;
    const bool under = ItemUnderMouse(item, mouseX, mouseY);
    if (under && hovered == 0) hovered = position;
    if (ItemRevealed(position, count, menu.revealCounter)) DrawItem(media, item, under);
  }
  if (hovered != 0 && hovered != menu.hoveredItem) PlayClip(media, kSoundHover);
  menu.hoveredItem = hovered;
  if (!menu.hint.empty()) DrawText(media, menu.hint, 512, 740, 3, kAlignCentre, kDarkText);
}

void HandleMenuClicks(MenuState& menu, const UiState& ui, const Media& media) {
  const int state = ui.leftButtonState;
  if (state == 0) menu.pressScreen = kNoPress;
  if (state == 1) {
    menu.pressScreen = menu.framesOnScreen > kFreshScreenFrames ? menu.shownScreen : kNoPress;
  }
  if (state < 3 || state > 5) return;
  // A held press repeats its action only on the screen it began on: once it has changed the
  // screen, it acts no more, its release included (else a slow click on "Zurück" would land on
  // "Beenden" of the main menu beneath).
  if (menu.pressScreen != menu.shownScreen) return;
  const int mouseX = MouseX(media);
  const int mouseY = MouseY(media);
  for (const MenuItemRecord& item : menu.menuItems) {
    if (item.kind == kReservedItem || item.kind == kDimmedEntry) continue;
    if (!ItemUnderMouse(item, mouseX, mouseY)) continue;
    menu.screenState = item.action;
    if (item.kind == kButton) menu.revealCounter = 1;
  }
}

void UpdateTextFields(MenuState& menu, UiState& ui, Media& media, int frameCounter) {
  if (ui.editActive != 1) return;
  for (MenuItemRecord& item : menu.menuItems) {
    if (item.kind != kTextField) continue;
    ui.editBuffer = item.caption;
    UpdateTextEntry(ui, media);
    item.caption = ui.editBuffer;
    if (SinDeg(frameCounter) < 0) {
      DrawText(media, "|", 10 * ui.editCursor + 60, item.y + 8, 5, kAlignLeft, kActiveText);
    }
  }
}

void DrawListDecorations(const MenuState& menu, Media& media) {
  const int mouseX = MouseX(media);
  const int mouseY = MouseY(media);
  SetBlend(media, kBlendNormal);
  for (const MenuItemRecord& item : menu.menuItems) {
    if (!IsListEntry(item.kind)) continue;
    SetQuadSize(media, kPictureArrow, 16, 16);
    DrawQuad(media, kPictureArrow, static_cast<float>(item.x - 12), static_cast<float>(item.y + 10),
             255);
    if (ItemUnderMouse(item, mouseX, mouseY)) {
      SetQuadSize(media, kPictureEntryFrame, static_cast<float>(ItemHitWidth(item)), kItemHeight);
      DrawQuad(media, kPictureEntryFrame, static_cast<float>(item.x), static_cast<float>(item.y),
               255);
    }
  }
}
