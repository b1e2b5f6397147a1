#pragma once

#include "game/media/media.h"
#include "game/ui/menu_state.h"
#include "game/ui/ui_records.h"
#include "game/ui/ui_state.h"

// Item kinds.
enum MenuItemKind {
  kScrollArrow = -1,
  kTextLine = 0,
  kButton = 1,
  kReservedItem = 9,
  kSaveEntry = 10,
  kDealerEntry = 11,
  kDimmedEntry = 12,
  kTextField = 20,
};

// The hit width of an item: 330 for a text field, else 10 per character + 30.
int ItemHitWidth(const MenuItemRecord& item);

// Whether the mouse lies strictly inside the item's 36-pixel-high hit box.
bool ItemUnderMouse(const MenuItemRecord& item, int mouseX, int mouseY);

// Whether the item at list position p (from 1) of n items shows at this reveal counter.
bool ItemRevealed(int position, int itemCount, int revealCounter);

// Draws the items with their highlight bars, captions and text-field underlines, and plays the
// hover sound when the item under the mouse changes.
void DrawMenuItems(MenuState& menu, Media& media);

// Clicks on items under the mouse set ScreenState to their action. A press held on an item
// repeats its action while the screen stays the one the press began on; a press that began
// within kFreshScreenFrames of a change of screen acts not at all.
void HandleMenuClicks(MenuState& menu, const UiState& ui, const Media& media);

// Edits the screen's text fields while a text entry runs, with the blinking cursor.
void UpdateTextFields(MenuState& menu, UiState& ui, Media& media, int frameCounter);

// The symbol before list entries and the frame around the entry under the mouse.
void DrawListDecorations(const MenuState& menu, Media& media);
