#include "game/ui/menu_background.h"

#include <cmath>

#include "formats/angles.h"

namespace {

constexpr int kStarGlow = 4;                    // white glow
constexpr int kRingPictures[3] = {11, 12, 13};  // red, blue and green glows

// Draws a quad centred on (cx, cy) at the given size and rotation.
void DrawCentred(Media& media, int quad, double cx, double cy, double width, double height,
                 double rotation, int alpha) {
  SetQuadSize(media, quad, static_cast<float>(width), static_cast<float>(height));
  if (rotation != 0) RotateQuad(media, quad, static_cast<float>(rotation));
  DrawQuad(media, quad, static_cast<float>(cx - width / 2), static_cast<float>(cy - height / 2),
           alpha);
}

void StepPhase(int& phase, int growth) {
  if (phase == 0) return;
  phase += growth;
  if (phase > 360) phase = 0;
}

void DrawSmallStar(Media& media, Rng& rng, MenuStarRecord& star) {
  if (star.phase == 0 && RandomInt(rng, 500) == 1) star.phase = 5;
  StepPhase(star.phase, 5);
  star.x -= star.size / 10.0f;
  if (star.x < -100) star.x += 1224;
  const int alpha = static_cast<int>(195 - 60 * CosDeg(star.phase));
  DrawCentred(media, kStarGlow, star.x, star.y, 2.0 * star.size, 2.0 * star.size, 0, alpha);
}

void DrawCloud(Media& media, Rng& rng, MenuStarRecord& star) {
  if (star.phase == 0 && RandomInt(rng, 2000) == 1) star.phase = 5;
  StepPhase(star.phase, 5 + 5 * RandomInt(rng, 5));
  star.x -= star.size / 200.0f;
  if (star.x < -100 - star.size / 2) star.x += 1224 + star.size;
  const int alpha = static_cast<int>(30 - 10 * CosDeg(2.0 * star.phase));
  DrawCentred(media, star.sprite, star.x, star.y, star.size, star.size, 0, alpha);
}

void DrawRing(Media& media, Rng& rng, int k, double counter) {
  const double a = counter / 100 + 120 * k;
  const double cx = 512 + 412 * SinDeg(a);
  const double cy = 384 + 184 * CosDeg(a);
  const double nearness = 1 + CosDeg(a) / 4;  // larger at the front of the ellipse
  const double d = 10 - k;
  const int picture = kRingPictures[k];
  for (int i = 1; i <= 8; ++i) {
    const double s = nearness * (156 + 40 * SinDeg(std::sqrt(i) * (30 * i + counter) / d));
    DrawCentred(media, picture, cx, cy, s, s / 20, 45 * i + counter / 100,
                255 - RandomInt(rng, 50));
  }
  for (int i = 1; i <= 24; ++i) {
    const double s = nearness * (50 + 10 * SinDeg(std::sqrt(i) * (30 * i + counter) / d));
    DrawCentred(media, picture, cx, cy, s, s / 5, 15 * i + counter / 100 + 10,
                255 - RandomInt(rng, 50));
  }
}

}  // namespace

void DrawMenuStars(Media& media, CursorList<MenuStarRecord>& stars, Rng& rng) {
  SetBlend(media, kBlendAdditive);
  for (MenuStarRecord& star : stars) {
    if (star.kind == 1) DrawSmallStar(media, rng, star);
    if (star.kind == 2) DrawCloud(media, rng, star);
  }
}

void DrawOrbitingLights(Media& media, Rng& rng, int frameCounter) {
  SetBlend(media, kBlendAdditive);
  for (int k = 0; k < 3; ++k) DrawRing(media, rng, k, frameCounter);
}

void DrawMenuPointer(Media& media) {
  SetBlend(media, kBlendAdditive);
  // The glows' top-left corner sits 10 pixels up and left of the mouse: centred on it.
  const double x = MouseX(media);
  const double y = MouseY(media);
  DrawCentred(media, 2, x, y, 40, 40, 0, 200);
  DrawCentred(media, kStarGlow, x, y, 20, 20, 0, 255);
  SetBlend(media, kBlendNormal);
}
