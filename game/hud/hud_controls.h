#pragma once

#include <cstdint>
#include <string_view>

#include "formats/fnv1a.h"
#include "game/hud/hud_context.h"

// What the panels' controls share: hot zones, blinking, scroll thumbs and the keys that tell
// whether a panel picture still shows what it should.

// The left button's states as the panels read them: pressed (held long, or just clicked) and
// clicked (released after a press).
bool LeftPressed(const HudContext& hud);
bool LeftClicked(const HudContext& hud);

// Whether the mouse lies strictly inside the zone x0..x1, y0..y1.
bool MouseInZone(const HudContext& hud, int x0, int x1, int y0, int y1);

// Highlights of hot zones blink (on while sin(frameCounter x 0.04) < 0, the buttons' rhythm) and
// stay on while pressed; hovered list rows blink at sin(2 x frameCounter degrees) < 0.
bool HighlightOn(const HudContext& hud);
bool RowBlinkOn(const HudContext& hud);

// A 20 x 20 scroll arrow of a panel at (720, y): its highlight while hovered; true while it is
// pressed there.
bool ScrollArrow(HudContext& hud, int y);

// The thumb's offset on a scroll bar: scroll x span / positions, rounded; at the top when there is
// nothing to scroll (positions 0 or fewer).
int ScrollThumb(int scroll, int span, int positions);

// A 64-bit FNV-1a digest of what a picture is rendered from.
struct PictureKey {
  std::uint64_t value = kFnv1aOffsetBasis;
  void Add(std::string_view bytes);
  void Add(int number);
  void Add(float number);
};

// The local ship (the first of the ships); nullptr when there is none.
const ShipRecord* LocalShip(const HudContext& hud);

// A panel's 32 x 32 switch: the icon button negates `shown` when clicked, and while the panel is
// shown the button keeps its highlight. True when clicked this frame.
bool PanelButton(HudContext& hud, int picture, int x, int y, const char* caption, int& shown);

// Draws the part of a text-box picture that holds its box, keyed, as if the whole picture were
// drawn at (x, y): the rest of such a picture is its key colour.
void DrawTextBoxPicture(Media& media, int picture, const TextBoxArea& area, int x, int y);

// A dark strip behind a line of the small font at (x, y), `width` pixels long, so that the chat
// line and the ticker stay readable where they cross the weapon list.
void DrawTextBacking(Media& media, int x, int y, int width);

// The close button of the panels drawn in the shared panel picture; true when clicked.
bool PanelCloseButton(HudContext& hud);
