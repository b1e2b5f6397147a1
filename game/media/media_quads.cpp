// Quads: a picture drawn as a textured four-cornered shape that can be sized, rotated, reshaped,
// made translucent and blended additively.

#include <algorithm>
#include <cmath>

#include "formats/angles.h"
#include "game/media/media_internal.h"
#include "game/media/soft_quads.h"

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
  if (!ValidQuad(media, quad) || media.device->drawTarget >= 0 || alpha <= 0) return;
  if (!PictureExists(media, quad)) return;
  if (media.device->headlessScreen) {
    Picture& picture = media.device->pictures[quad];
    const int w = picture.surface->w;
    const int h = picture.surface->h;
    if (picture.paddedStale) {
      picture.paddedPixels = PadWithEdges(KeyedPixels(picture).data(), w, h);
      picture.paddedStale = false;
    }
    std::array<SDL_FPoint, 4> corners = media.device->quads[quad].corners;
    for (SDL_FPoint& corner : corners) corner = SDL_FPoint{corner.x + x, corner.y + y};
    const SoftTexture texture{w, h, picture.paddedPixels.data() + (w + 2) + 1, w + 2};
    DrawSoftQuad(media.device->headlessScreen, texture, corners, std::min(alpha, 255),
                 media.device->blend == BlendMode::kAdditive, media.device->filtered);
    return;
  }
  SDL_Texture* texture = PictureTexture(media, quad);
  if (!texture) return;
  SDL_SetTextureBlendMode(texture, media.device->blend == BlendMode::kAdditive
                                       ? SDL_BLENDMODE_ADD
                                       : SDL_BLENDMODE_BLEND);
  const Quad& q = media.device->quads[quad];
  const Uint8 a = static_cast<Uint8>(alpha > 255 ? 255 : alpha);
  static constexpr SDL_FPoint kTexture[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  SDL_Vertex vertices[4];
  for (int i = 0; i < 4; ++i) {
    vertices[i].position = SDL_FPoint{x + q.corners[i].x, y + q.corners[i].y};
    vertices[i].color = SDL_Color{255, 255, 255, a};
    vertices[i].tex_coord = kTexture[i];
  }
  static constexpr int kIndices[6] = {0, 1, 2, 0, 2, 3};
  SDL_RenderGeometry(media.device->renderer, texture, vertices, 4, kIndices, 6);
}

void SetBlend(Media& media, int source, int destination) {
  // (5, 2): source x alpha + destination; (12, 12) and anything else: normal alpha blending.
  media.device->blend =
      (source == 5 && destination == 2) ? BlendMode::kAdditive : BlendMode::kAlpha;
}

void SetQuadFilter(Media& media, bool on) {
  media.device->filtered = on;
  for (Picture& picture : media.device->pictures) {
    if (picture.texture) {
      SDL_SetTextureScaleMode(picture.texture, on ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    }
  }
}
