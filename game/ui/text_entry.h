#pragma once

#include <string>

#include "game/ui/ui_state.h"

struct Media;

// Fills the 56 rows of the key table (scan code, character, character with Shift) of a German
// keyboard; the text entry types injected keys (scripts, tests) by it.
void FillKeyCharMap(CursorList<KeyCharRecord>& map);

// Starts editing a line: the buffer and the saved copy take the text, the cursor goes to its end.
void BeginTextEntry(UiState& ui, const std::string& text);

// One frame of editing while editActive is 1: typed characters (from the system's text input for
// keys of the keyboard, through the key table for injected keys), Backspace, Delete, the cursor
// keys, Home and End; Return ends the entry, Escape ends it and restores the saved text.
void UpdateTextEntry(UiState& ui, const Media& media);

// True when the key was released in this frame, or when it has been held long enough to repeat.
bool KeyRepeat(UiState& ui, const Media& media, int scanCode);
