#include "game/media/soft_quads.h"

#include <algorithm>
#include <cmath>

namespace {

struct Vertex {
  float x, y;  // screen
  float u, v;  // texture, in texels
};

// The affine map from screen to texture coordinates over one triangle.
struct Gradients {
  float dudx, dudy, dvdx, dvdy;
  float u0, v0, x0, y0;
};

bool MakeGradients(const Vertex& a, const Vertex& b, const Vertex& c, Gradients& g) {
  const float det = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
  if (std::fabs(det) < 1e-6f) return false;
  g.dudx = ((b.u - a.u) * (c.y - a.y) - (c.u - a.u) * (b.y - a.y)) / det;
  g.dudy = ((c.u - a.u) * (b.x - a.x) - (b.u - a.u) * (c.x - a.x)) / det;
  g.dvdx = ((b.v - a.v) * (c.y - a.y) - (c.v - a.v) * (b.y - a.y)) / det;
  g.dvdy = ((c.v - a.v) * (b.x - a.x) - (b.v - a.v) * (c.x - a.x)) / det;
  g.u0 = a.u;
  g.v0 = a.v;
  g.x0 = a.x;
  g.y0 = a.y;
  return true;
}

// A triangle edge as the scanlines cross it: x = baseX + (y - baseY) x slope, with the base at
// the endpoint of lower y, so that the edge shared by the two triangles of a quad gives exactly
// the same x in both.
struct Edge {
  float baseX, baseY, slope;
};

Edge MakeEdge(Vertex a, Vertex b) {
  if (a.y > b.y) std::swap(a, b);
  return Edge{a.x, a.y, (b.x - a.x) / (b.y - a.y)};
}

float EdgeX(const Edge& edge, float y) {
  return edge.baseX + (y - edge.baseY) * edge.slope;
}

// Where on the screen a square quad's picture can add light at all: a disc round its middle.
// Rows and columns outside it are skipped; inside, every pixel is drawn as without the disc.
struct Reach {
  bool limited = false;
  float x = 0, y = 0, radius = 0;
};

[[gnu::always_inline]] inline std::uint32_t* Row(SDL_Surface* target, int row) {
  return reinterpret_cast<std::uint32_t*>(static_cast<unsigned char*>(target->pixels) +
                                          row * target->pitch);
}

// Narrows the pixel columns [first, last] of a row to the reach; false when none is left.
bool ClipToReach(const Reach& reach, float y, int& first, int& last) {
  if (!reach.limited) return first <= last;
  const float dy = y - reach.y;
  const float squared = reach.radius * reach.radius - dy * dy;
  if (squared < 0) return false;
  const float half = std::sqrt(squared) + 1;  // a pixel of margin against rounding
  first = std::max(first, static_cast<int>(std::floor(reach.x - half)));
  last = std::min(last, static_cast<int>(std::ceil(reach.x + half)));
  return first <= last;
}

struct SpanContext {
  SDL_Surface* target;
  const SoftTexture* texture;
  int alpha;
  bool additive;
  bool filtered;
  const PixelKernels* kernels;
};

void NearestSpan(const SoftTexture& t, const QuadSpan& span, bool additive) {
  // Unfiltered quads are rare (never in flight): one pixel at a time through the filtered
  // kernel's arithmetic, with the fractions dropped.
  QuadSpan one = span;
  one.count = 1;
  const PixelKernels& plain = KernelsFor(PixelIsa::kPlain);
  for (int i = 0; i < span.count; ++i) {
    const std::int32_t u = static_cast<std::int32_t>(static_cast<std::uint32_t>(span.u) +
                                                     i * static_cast<std::uint32_t>(span.du));
    const std::int32_t v = static_cast<std::int32_t>(static_cast<std::uint32_t>(span.v) +
                                                     i * static_cast<std::uint32_t>(span.dv));
    one.pixels = span.pixels + i;
    one.u = (std::min(std::max(u, 0) >> 16, t.width - 1) << 16) + 0x8000;
    one.v = (std::min(std::max(v, 0) >> 16, t.height - 1) << 16) + 0x8000;
    one.du = one.dv = 0;
    (additive ? plain.bilinearAdditive : plain.bilinearNormal)(t, one);
  }
}

void DrawSpan(const SpanContext& c, int row, int first, int last, float u, float v, float dudx,
              float dvdx) {
  QuadSpan span;
  span.pixels = Row(c.target, row) + first;
  span.count = last - first + 1;
  span.u = static_cast<std::int32_t>(u * 65536);
  span.v = static_cast<std::int32_t>(v * 65536);
  span.du = static_cast<std::int32_t>(dudx * 65536);
  span.dv = static_cast<std::int32_t>(dvdx * 65536);
  span.alpha = c.alpha;
  if (!c.filtered) {
    NearestSpan(*c.texture, span, c.additive);
  } else if (c.additive) {
    c.kernels->bilinearAdditive(*c.texture, span);
  } else {
    c.kernels->bilinearNormal(*c.texture, span);
  }
}

void DrawTriangle(const SpanContext& c, RowBand rows, const Reach& reach, Vertex a, Vertex b,
                  Vertex v2) {
  Vertex cc = v2;
  Gradients g;
  if (!MakeGradients(a, b, cc, g)) return;
  // Sorted by y: the long edge a-c spans every row, a-b the upper part and b-c the lower.
  if (a.y > b.y) std::swap(a, b);
  if (b.y > cc.y) std::swap(b, cc);
  if (a.y > b.y) std::swap(a, b);
  if (a.y == cc.y) return;
  const Edge longEdge = MakeEdge(a, cc);
  const Edge upperEdge = a.y < b.y ? MakeEdge(a, b) : longEdge;
  const Edge lowerEdge = b.y < cc.y ? MakeEdge(b, cc) : longEdge;
  const int firstRow = std::max(rows.top, static_cast<int>(std::ceil(a.y - 0.5f)));
  const int lastRow = std::min(rows.bottom - 1, static_cast<int>(std::ceil(cc.y - 0.5f)) - 1);
  for (int row = firstRow; row <= lastRow; ++row) {
    const float y = row + 0.5f;
    const float x1 = EdgeX(longEdge, y);
    const float x2 = EdgeX(y < b.y ? upperEdge : lowerEdge, y);
    // Pixel centres in [left, right): the shared edge belongs to one triangle only.
    int first = std::max(0, static_cast<int>(std::ceil(std::min(x1, x2) - 0.5f)));
    int last = std::min(c.target->w - 1, static_cast<int>(std::ceil(std::max(x1, x2) - 0.5f)) - 1);
    if (!ClipToReach(reach, y, first, last)) continue;
    const float u = g.u0 + (first + 0.5f - g.x0) * g.dudx + (y - g.y0) * g.dudy;
    const float v = g.v0 + (first + 0.5f - g.x0) * g.dvdx + (y - g.y0) * g.dvdy;
    DrawSpan(c, row, first, last, u, v, g.dudx, g.dvdx);
  }
}

bool IsUprightRectangle(const std::array<SDL_FPoint, 4>& c) {
  return c[0].y == c[1].y && c[2].y == c[3].y && c[0].x == c[3].x && c[1].x == c[2].x &&
         c[0].x < c[1].x && c[0].y < c[3].y;
}

// An unrotated quad: every row maps to one texture row, so no triangle edges are needed.
void DrawUprightQuad(const SpanContext& c, RowBand rows, const Reach& reach,
                     const std::array<SDL_FPoint, 4>& corners) {
  const float left = corners[0].x, right = corners[1].x, top = corners[0].y, bottom = corners[3].y;
  const int firstColumn = std::max(0, static_cast<int>(std::ceil(left - 0.5f)));
  const int lastColumn = std::min(c.target->w - 1, static_cast<int>(std::ceil(right - 0.5f)) - 1);
  const int firstRow = std::max(rows.top, static_cast<int>(std::ceil(top - 0.5f)));
  const int lastRow = std::min(rows.bottom - 1, static_cast<int>(std::ceil(bottom - 0.5f)) - 1);
  const float uPerPixel = c.texture->width / (right - left);
  const float vPerPixel = c.texture->height / (bottom - top);
  for (int row = firstRow; row <= lastRow; ++row) {
    int first = firstColumn, last = lastColumn;
    if (!ClipToReach(reach, row + 0.5f, first, last)) continue;
    DrawSpan(c, row, first, last, (first + 0.5f - left) * uPerPixel, (row + 0.5f - top) * vPerPixel,
             uPerPixel, 0);
  }
}

Reach ReachOf(const SoftImage& image, const std::array<SDL_FPoint, 4>& corners, int alpha,
              bool additive) {
  Reach reach;
  float side = 0, degrees = 0;
  if (!image.measured || !IsSquareQuad(corners, side, degrees)) return reach;
  const float texels = (additive ? image.additiveReach : image.normalReach)[alpha >> 4];
  reach.limited = true;
  reach.x = (corners[0].x + corners[2].x) / 2;
  reach.y = (corners[0].y + corners[2].y) / 2;
  reach.radius = texels < 0 ? -1 : texels * side / image.texture.width;
  return reach;
}

}  // namespace

bool IsSquareQuad(const std::array<SDL_FPoint, 4>& c, float& side, float& degrees) {
  const float ax = c[1].x - c[0].x, ay = c[1].y - c[0].y;  // along the top edge
  const float bx = c[3].x - c[0].x, by = c[3].y - c[0].y;  // down the left edge
  const float top = std::sqrt(ax * ax + ay * ay);
  const float leftEdge = std::sqrt(bx * bx + by * by);
  if (top <= 0 || std::fabs(top - leftEdge) > 1e-3f * top) return false;
  if (std::fabs(ax * bx + ay * by) > 1e-3f * top * top) return false;  // a right angle
  if (ax * by - ay * bx <= 0) return false;                            // not mirrored
  if (std::fabs(c[2].x - (c[1].x + bx)) > 1e-3f * top ||
      std::fabs(c[2].y - (c[1].y + by)) > 1e-3f * top) {
    return false;
  }
  side = top;
  degrees = std::atan2(ay, ax) * 57.29578f;
  return true;
}

void DrawSoftQuad(SDL_Surface* target, RowBand rows, const SoftImage& image,
                  const std::array<SDL_FPoint, 4>& corners, int alpha, bool additive,
                  bool filtered) {
  const SoftTexture& texture = image.texture;
  if (!target || !texture.pixels || texture.width <= 0 || texture.height <= 0) return;
  rows.top = std::max(rows.top, 0);
  rows.bottom = std::min(rows.bottom, target->h);
  if (rows.top >= rows.bottom) return;
  const Reach reach = filtered ? ReachOf(image, corners, alpha, additive) : Reach{};
  if (reach.limited && reach.radius < 0) return;  // adds nothing anywhere
  const SpanContext context{target, &texture, alpha, additive, filtered, &ActiveKernels()};
  if (IsUprightRectangle(corners)) {
    DrawUprightQuad(context, rows, reach, corners);
    return;
  }
  const float w = static_cast<float>(texture.width);
  const float h = static_cast<float>(texture.height);
  const Vertex v[4] = {{corners[0].x, corners[0].y, 0, 0},
                       {corners[1].x, corners[1].y, w, 0},
                       {corners[2].x, corners[2].y, w, h},
                       {corners[3].x, corners[3].y, 0, h}};
  DrawTriangle(context, rows, reach, v[0], v[1], v[2]);
  DrawTriangle(context, rows, reach, v[0], v[2], v[3]);
}

void DrawSplat(SDL_Surface* target, RowBand rows, const Splat& splat, int x, int y, int alpha) {
  const int bucket = alpha >> 5;
  const int top = std::max({rows.top, y, 0});
  const int bottom = std::min({rows.bottom, y + splat.side, target->h});
  const PixelKernels& kernels = ActiveKernels();
  for (int row = top; row < bottom; ++row) {
    const std::uint16_t* span =
        &splat.spans[(static_cast<size_t>(row - y) * kSplatBuckets + bucket) * 2];
    const int first = std::max<int>(span[0], -x);
    const int end = std::min<int>(span[1], target->w - x);
    if (first >= end) continue;
    kernels.splatAdditive(Row(target, row) + x + first,
                          &splat.light[(static_cast<size_t>(row - y) * splat.side + first) * 4],
                          end - first, alpha);
  }
}
