#pragma once

#include "game/world/records.h"

struct Game;

// The hit width of an item: 330 for a text field, else 10 per character + 30.
int ItemHitWidth(const MenuItemRecord& item);

// Whether the mouse lies strictly inside the item's 36-pixel-high hit box.
bool ItemUnderMouse(const MenuItemRecord& item, int mouseX, int mouseY);

// Whether the item at list position p (from 1) of n items shows at this reveal counter.
bool ItemRevealed(int position, int itemCount, int revealCounter);

// Draws the items with their highlight bars, captions and text-field underlines, and plays the
// hover sound when the item under the mouse changes.
void DrawMenuItems(Game& game);

// Clicks on items under the mouse set ScreenState to their action.
void HandleMenuClicks(Game& game);

// Edits the screen's text fields while a text entry runs, with the blinking cursor.
void UpdateTextFields(Game& game);

// The symbol before list entries and the frame around the entry under the mouse.
void DrawListDecorations(Game& game);
