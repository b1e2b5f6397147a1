#include "game/hud/compass.h"

#include <cmath>
#include <string>

#include "formats/angles.h"
#include "formats/media_numbers.h"
#include "formats/rounding.h"
#include "game/hud/hud_controls.h"
#include "game/ui/bitmap_text.h"
#include "game/world/geometry.h"

namespace {

constexpr int kButtonX = 992;
constexpr int kButtonY = 120;

void DrawNeedle(Media& media, float playerHeading) {
  const int picture = kPictureCompassNeedle;
  SetQuadSize(media, picture, static_cast<float>(PictureWidth(media, picture)),
              static_cast<float>(PictureHeight(media, picture)));
  RotateQuad(media, picture, static_cast<float>(RoundToInt(-270.0 - playerHeading)));
  DrawQuad(media, picture, 944, 40, 255);
}

void DrawStrip(HudContext& hud) {
  Media& media = hud.flight.media;
  const auto& labels = hud.flight.catalogues.compassLabels;
  for (int k = 0; k < 360; k += 15) {
    double x = 0;
    if (!CompassMarkX(k, hud.flight.world.playerHeading, x)) continue;
    // Each label is centred on its bearing, so the one at the nose stands over the ship.
    const int m = CompassLabelIndex(k);
    DrawText(media, std::to_string(m), RoundToInt(x), 0, 5, kAlignCentre, kNormalText);
    DrawText(media, labels[m], RoundToInt(x), 16, 5, kAlignCentre, kNormalText);
  }
}

}  // namespace

bool CompassMarkX(int k, float playerHeading, double& x) {
  const double diff = k - NormaliseAngle(playerHeading + 180);
  if (!(std::fabs(diff) < 50 || std::fabs(diff) > 310)) return false;
  x = std::tan(diff * kRadiansPerDegree) * 600 + 512;
  return true;
}

int CompassLabelIndex(int k) {
  return k < 90 ? k + 270 : k - 90;
}

void RunCompass(HudContext& hud) {
  HudState& state = hud.hud;
  PanelButton(hud, kPictureButtonCompass, kButtonX, kButtonY, "Navigationshilfe",
              state.compassShown);
  if (state.compassShown < 0) return;
  DrawNeedle(hud.flight.media, hud.flight.world.playerHeading);
  DrawStrip(hud);
}
