#include "game/hud/hud_controls.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "formats/angles.h"
#include "formats/fnv1a.h"
#include "formats/media_numbers.h"
#include "formats/rounding.h"
#include "game/ui/buttons.h"

namespace {

constexpr int kCloseX = 750;
constexpr int kCloseY = 150;
constexpr int kArrowX = 720;

}  // namespace

bool LeftPressed(const HudContext& hud) {
  return hud.flight.ui.leftButtonState > 2;
}

bool LeftClicked(const HudContext& hud) {
  return hud.flight.ui.leftButtonState > 3;
}

bool MouseInZone(const HudContext& hud, int x0, int x1, int y0, int y1) {
  const int x = MouseX(hud.flight.media);
  const int y = MouseY(hud.flight.media);
  return x0 < x && x < x1 && y0 < y && y < y1;
}

bool HighlightOn(const HudContext& hud) {
  return std::sin(hud.flight.frame.frameCounter * 0.04) < 0 || LeftPressed(hud);
}

bool RowBlinkOn(const HudContext& hud) {
  return SinDeg(2.0 * hud.flight.frame.frameCounter) < 0;
}

bool ScrollArrow(HudContext& hud, int y) {
  if (!MouseInZone(hud, kArrowX, kArrowX + 20, y, y + 20)) return false;
  if (HighlightOn(hud)) DrawKeyed(hud.flight.media, kPictureSmallHighlight, kArrowX, y);
  return LeftPressed(hud);
}

int ScrollThumb(int scroll, int span, int positions) {
  if (positions <= 0) return 0;
  return RoundToInt(static_cast<double>(scroll) * span / positions);
}

void PictureKey::Add(std::string_view bytes) {
  value = Fnv1a(value, bytes);
  Add(static_cast<int>(bytes.size()));  // so that "ab" + "c" differs from "a" + "bc"
}

void PictureKey::Add(int number) {
  const auto bits = static_cast<std::uint32_t>(number);
  const char bytes[] = {static_cast<char>(bits), static_cast<char>(bits >> 8),
                        static_cast<char>(bits >> 16), static_cast<char>(bits >> 24)};
  value = Fnv1a(value, std::string_view(bytes, sizeof bytes));
}

void PictureKey::Add(float number) {
  Add(std::bit_cast<int>(number));
}

const ShipRecord* LocalShip(const HudContext& hud) {
  return hud.flight.world.ships.Front();
}

bool PanelButton(HudContext& hud, int picture, int x, int y, const char* caption, int& shown) {
  FlightContext& flight = hud.flight;
  const bool clicked =
      IconButton(flight.media, flight.ui, flight.frame.frameCounter, picture, x, y, caption);
  if (clicked) shown = -shown;
  if (shown > 0) {
    DrawQuad(flight.media, kPictureButtonHighlight, static_cast<float>(x), static_cast<float>(y),
             255);
  }
  return clicked;
}

void DrawTextBoxPicture(Media& media, int picture, const TextBoxArea& area, int x, int y) {
  const int width = PictureWidth(media, picture);
  const int height = PictureHeight(media, picture);
  const int left = std::clamp(area.x, 0, width);
  const int top = std::clamp(area.y, 0, height);
  const int right = std::clamp(area.x + area.width, 0, width);
  const int bottom = std::clamp(area.y + area.height, 0, height);
  if (right <= left || bottom <= top) return;
  ClipPicture(media, picture, left, top, right - left, bottom - top);
  DrawKeyed(media, picture, x + left, y + top);
  ClipPicture(media, picture, 0, 0, width, height);
}

void DrawTextBacking(Media& media, int x, int y, int width) {
  // The small font's ink lies in rows 4 to 18 of its 20-row cells; lines 15 apart keep apart.
  FillBox(media, x - 2, y + 4, width + 4, 15, MakeColour(6, 10, 18));
}

bool PanelCloseButton(HudContext& hud) {
  FlightContext& flight = hud.flight;
  return IconButton(flight.media, flight.ui, flight.frame.frameCounter, kPictureCloseButton,
                    kCloseX, kCloseY,
                    "Schlie\xDF"
                    "en");
}
