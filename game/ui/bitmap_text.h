#pragma once

#include <string>

#include "game/ui/ui_state.h"

struct Media;

// Colour sets of the bitmap fonts; the font picture is 100 + colour set + size (3 or 5).
constexpr int kNormalText = 0;
constexpr int kHostileText = 10;
constexpr int kNeutralText = 20;
constexpr int kFriendlyText = 30;
constexpr int kActiveText = 50;
constexpr int kDarkText = 60;

constexpr int kAlignLeft = -1;
constexpr int kAlignCentre = 0;
constexpr int kAlignRight = 1;

// Draws Latin-1 text with the bitmap font: cells 2 x size wide and 20 high, one glyph per byte.
// align -1: starts at x; 0: centred on x; 1: ends at x.
void DrawText(Media& media, const std::string& text, int x, int y, int size, int align,
              int colourSet);

// Width in pixels of a text in the bitmap font of the given size.
int BitmapTextWidth(const std::string& text, int size);

// Where a text box stands in its picture (the frame included).
struct TextBoxArea {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Renders a framed box holding the text (lines split at LF, at most 12) into the picture, moved
// so that it stays inside the screen, and remembers the text as the last tooltip. The rest of the
// picture is its key colour; the box's area is returned, so a caller may draw just that part.
TextBoxArea DrawTextBox(Media& media, UiState& ui, int x, int y, int picture,
                        const std::string& text);
