#pragma once

#include <string>

#include "game/media/media.h"

// Typed characters come from the system's text input, which follows the desktop's keyboard layout
// and composes umlauts. Only the characters the game's fonts and 8-bit files hold (the printable
// Latin-1 codes 32..126 and 160..255) are kept; others are dropped, never stored as "?".

// Characters as the system's text input gives them (UTF-8), from the keyboard or a script.
void InjectText(Media& media, const std::string& utf8);

// The characters typed since the previous frame, in the game's 8-bit text.
const std::string& TypedText(const Media& media);

// Whether the key's press came from the keyboard, which types through TypedText; an injected key
// (scripts, tests) makes no text and is typed by its scan code.
bool KeyFromKeyboard(const Media& media, int scanCode);
