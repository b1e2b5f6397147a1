#include "game/ui/screen_fade.h"

#include "formats/media_numbers.h"

void DrawScreenFade(Media& media, FrameState& frame) {
  int& fade = frame.screenFade;
  if (fade == 0) return;
  int alpha = 0;
  if (fade > 0) {
    fade -= 5;
    alpha = fade;
  } else {
    fade += 5;
    alpha = fade + 255;
  }
  SetBlend(media, kBlendNormal);
  SetQuadSize(media, kPictureFade, kScreenWidth, kScreenHeight);
  DrawQuad(media, kPictureFade, 0, 0, alpha);
}
