#pragma once

#include <string>
#include <vector>

#include "game/ui/menu_items.h"
#include "game/ui/menu_state.h"

// What every screen builder uses to lay out its items.

void AddItem(MenuState& menu, int kind, int x, int y, const std::string& caption, int action);

// The x of a right-aligned item with this caption.
int RightAlignedX(const std::string& caption);

// Adds a button right-aligned at the bottom right.
void AddRightAlignedButton(MenuState& menu, int y, const std::string& caption, int action);

// A new screen starts empty: no items, no tag, no hint.
void ClearScreenItems(MenuState& menu);

// An error shown as a screen: "FEHLER", the message lines, and "Zurück" to the given code.
void ShowErrorScreen(MenuState& menu, const std::vector<std::string>& lines, int returnCode);

// "Zurück", the caption of every way back.
inline const std::string kBackCaption =
    "Zur\xFC"
    "ck";
