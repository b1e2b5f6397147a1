#include "game/hud/status_panel.h"

#include <algorithm>
#include <string>

#include "formats/angles.h"
#include "formats/media_numbers.h"
#include "formats/rounding.h"
#include "game/hud/hud_controls.h"
#include "game/stations/goods_trader.h"
#include "game/ui/bitmap_text.h"

namespace {

constexpr int kHorizontalBar = 150;
constexpr int kEnergyBar = 30;
constexpr int kBarThickness = 10;
constexpr int kStatusLineCentreX = 512;
constexpr int kStatusLineY = 700;

void DrawWarning(Media& media, int picture, int y, bool on, int frameCounter) {
  const int alpha = on ? RoundToInt(150 + SinDeg(frameCounter) * 100) : 50;
  SetQuadSize(media, picture, 64, 64);
  DrawQuad(media, picture, 25, static_cast<float>(y), alpha);
}

// A quad stretched to w x h; nothing for an empty size.
void DrawStretched(Media& media, int picture, int x, int y, int w, int h) {
  if (w <= 0 || h <= 0) return;
  SetQuadSize(media, picture, static_cast<float>(w), static_cast<float>(h));
  DrawQuad(media, picture, static_cast<float>(x), static_cast<float>(y), 255);
}

void DrawHorizontalBar(Media& media, int full, int empty, int y, float value, float maximum) {
  const int h = BarFill(value, maximum, kHorizontalBar);
  DrawStretched(media, full, 400, y, h, kBarThickness);
  DrawStretched(media, empty, 400 + h, y, kHorizontalBar - h, kBarThickness);
}

// The money and the hold, in a line just above the status panel.
void DrawMoneyAndHold(HudContext& hud, const ShipRecord& ship) {
  Media& media = hud.flight.media;
  hud.hud.statusLine = MoneyAndHoldLine(ship);
  const int width = BitmapTextWidth(hud.hud.statusLine, 3);
  const int x = kStatusLineCentreX - width / 2;
  DrawTextBacking(media, x, kStatusLineY, width);
  DrawText(media, hud.hud.statusLine, x, kStatusLineY, 3, kAlignLeft, kNormalText);
}

}  // namespace

int BarFill(float value, float maximum, int full) {
  if (!(maximum > 0)) return 0;
  return std::clamp(RoundToInt(static_cast<double>(value) / maximum * full), 0, full);
}

void DrawWarnings(HudContext& hud) {
  const FlightState& flight = hud.flight.world.flight;
  const int frameCounter = hud.flight.frame.frameCounter;
  DrawWarning(hud.flight.media, kPictureRadiationWarning, 64, flight.fieldWarning != 0,
              frameCounter);
  DrawWarning(hud.flight.media, kPictureHeatWarning, 128, flight.heatWarning != 0, frameCounter);
}

void DrawStatusPanel(HudContext& hud) {
  Media& media = hud.flight.media;
  DrawKeyed(media, kPictureStatusPanel, 359, 720);
  const ShipRecord* ship = LocalShip(hud);
  if (!ship) return;
  DrawHorizontalBar(media, kPictureHullFull, kPictureHullEmpty, 750, ship->hull,
                    static_cast<float>(ship->maxHull));
  DrawHorizontalBar(media, kPictureShieldFull, kPictureShieldEmpty, 730, ship->shield,
                    static_cast<float>(ship->maxShield));
  const int e = BarFill(ship->energy, static_cast<float>(ship->maxEnergy), kEnergyBar);
  DrawStretched(media, kPictureEnergyFull, 560, 760 - e, kBarThickness, e);
  DrawStretched(media, kPictureEnergyEmpty, 560, 730, kBarThickness, kEnergyBar - e);
  DrawText(media, std::to_string(RoundToInt(ship->speed + ship->driveSpeed)), 610, 735, 5,
           kAlignCentre, kNormalText);
  DrawMoneyAndHold(hud, *ship);
}
