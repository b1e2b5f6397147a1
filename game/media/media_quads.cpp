// Quads: a picture drawn as a textured four-cornered shape that can be sized, rotated, reshaped,
// made translucent and blended additively.

#include <algorithm>
#include <cmath>

#include "formats/angles.h"
#include "game/media/media_backend.h"

namespace {

bool ValidQuad(const Media& media, int quad) {
  return ValidPictureNumber(quad) && media.device->quads[quad].exists;
}

}  // namespace

void CreateQuad(Media& media, int quad, int picture) {
  if (!ValidPictureNumber(quad) || !PictureExists(media, picture)) return;
  Quad& q = media.device->quads[quad];
  q.exists = true;
  SetQuadSize(media, quad, static_cast<float>(PictureWidth(media, picture)),
              static_cast<float>(PictureHeight(media, picture)));
}

bool QuadExists(const Media& media, int quad) {
  return ValidQuad(media, quad);
}

void BeginQuads(Media& media) {
  media.device->blend = BlendMode::kAlpha;
}

void SetQuadSize(Media& media, int quad, float width, float height) {
  if (!ValidQuad(media, quad)) return;
  Quad& q = media.device->quads[quad];
  q.width = width;
  q.height = height;
  q.corners = {SDL_FPoint{0, 0}, SDL_FPoint{width, 0}, SDL_FPoint{width, height},
               SDL_FPoint{0, height}};
}

void RotateQuad(Media& media, int quad, float degrees) {
  if (!ValidQuad(media, quad)) return;
  Quad& q = media.device->quads[quad];
  const float c = static_cast<float>(CosDeg(degrees));
  const float s = static_cast<float>(SinDeg(degrees));
  const float cx = q.width / 2;
  const float cy = q.height / 2;
  for (SDL_FPoint& corner : q.corners) {
    const float dx = corner.x - cx;
    const float dy = corner.y - cy;
    corner = SDL_FPoint{cx + dx * c - dy * s, cy + dx * s + dy * c};
  }
}

void ShapeQuad(Media& media, int quad, float x1, float y1, float x2, float y2, float x3, float y3,
               float x4, float y4) {
  if (!ValidQuad(media, quad)) return;
  media.device->quads[quad].corners = {SDL_FPoint{x1, y1}, SDL_FPoint{x2, y2}, SDL_FPoint{x3, y3},
                                       SDL_FPoint{x4, y4}};
}

void DrawQuad(Media& media, int quad, float x, float y, int alpha) {
  MediaDevice& device = *media.device;
  // Quads go to the screen only, never into a picture.
  if (!ValidQuad(media, quad) || device.drawTarget >= 0 || alpha <= 0) return;
  if (!PictureExists(media, quad)) return;
  std::array<SDL_FPoint, 4> corners = device.quads[quad].corners;
  for (SDL_FPoint& corner : corners) corner = SDL_FPoint{corner.x + x, corner.y + y};
  device.backend->drawQuad(device, device.pictures[quad], corners, std::min(alpha, 255));
}

void SetBlend(Media& media, int source, int destination) {
  // (5, 2): source x alpha + destination; (12, 12) and anything else: normal alpha blending.
  media.device->blend =
      (source == 5 && destination == 2) ? BlendMode::kAdditive : BlendMode::kAlpha;
}

void SetQuadFilter(Media& media, bool on) {
  media.device->filtered = on;
  media.device->backend->applyFilter(*media.device);
}
