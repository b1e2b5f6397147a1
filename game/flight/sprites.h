#pragma once

#include "game/media/media.h"

// Draws picture `sprite` as a square of side `side`, turned by `degrees` about its middle, with
// its top-left corner (before turning) at (x, y).
inline void DrawSprite(Media& media, int sprite, float side, float degrees, float x, float y,
                       int alpha) {
  SetQuadSize(media, sprite, side, side);
  RotateQuad(media, sprite, degrees);
  DrawQuad(media, sprite, x, y, alpha);
}
