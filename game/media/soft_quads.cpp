#include "game/media/soft_quads.h"

#include <emmintrin.h>

#include <algorithm>
#include <cmath>
#include <cstring>

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

// Per-pixel work is forced inline: called once a pixel, a call would cost as much as the work.
// Pixels are unpacked to one 16-bit lane per channel (blue, green, red, alpha).

// The effective alpha 0..256 of a texel alpha 0..255 under the vertex alpha 0..255, so that full
// alpha copies exactly.
[[gnu::always_inline]] inline int EffectiveAlpha(int texelAlpha, int alpha) {
  return (texelAlpha * alpha * 1033 + 131072) >> 18;
}

// The two neighbouring texels x and x + 1 of a row, as one 64-bit value.
[[gnu::always_inline]] inline std::uint64_t TexelPair(const std::uint32_t* row, int x) {
  std::uint64_t pair;
  std::memcpy(&pair, row + x, sizeof pair);
  return pair;
}

// Whether all four texels around a sample are fully transparent (most of a glow's square).
[[gnu::always_inline]] inline bool Transparent(std::uint64_t top, std::uint64_t bottom) {
  return ((top | bottom) & 0xFF000000FF000000ull) == 0;
}

// Bilinear sampling of the texel pairs of two rows with 8-bit weights.
[[gnu::always_inline]] inline __m128i SampleBilinear(std::uint64_t topPair,
                                                     std::uint64_t bottomPair, int wu, int wv) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i top = _mm_unpacklo_epi8(_mm_cvtsi64_si128(static_cast<long long>(topPair)), zero);
  const __m128i bottom =
      _mm_unpacklo_epi8(_mm_cvtsi64_si128(static_cast<long long>(bottomPair)), zero);
  const int w00 = (256 - wu) * (256 - wv) >> 8;
  const int w10 = wu * (256 - wv) >> 8;
  const int w01 = (256 - wu) * wv >> 8;
  const int w11 = 256 - w00 - w10 - w01;
  const __m128i topWeights = _mm_set_epi16(w10, w10, w10, w10, w00, w00, w00, w00);
  const __m128i bottomWeights = _mm_set_epi16(w11, w11, w11, w11, w01, w01, w01, w01);
  __m128i sum =
      _mm_add_epi16(_mm_mullo_epi16(top, topWeights), _mm_mullo_epi16(bottom, bottomWeights));
  sum = _mm_add_epi16(sum, _mm_srli_si128(sum, 8));
  return _mm_srli_epi16(sum, 8);
}

[[gnu::always_inline]] inline __m128i SampleNearest(const SoftTexture& t, std::int32_t u,
                                                    std::int32_t v) {
  const int x = std::min(u >> 16, t.width - 1);
  const int y = std::min(v >> 16, t.height - 1);
  return _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(t.pixels[y * t.stride + x])),
                           _mm_setzero_si128());
}

// Additive: destination + source x alpha. Normal: source x alpha + destination x (1 - alpha).
template <bool kAdditive>
[[gnu::always_inline]] inline void BlendInto(std::uint32_t& target, __m128i texel, int alpha) {
  const int a = EffectiveAlpha(_mm_extract_epi16(texel, 3), alpha);
  if (a == 0) return;
  const __m128i zero = _mm_setzero_si128();
  const __m128i destination = _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(target)), zero);
  const __m128i weight = _mm_set1_epi16(static_cast<short>(a));
  const __m128i source = _mm_srli_epi16(_mm_mullo_epi16(texel, weight), 8);
  __m128i result;
  if constexpr (kAdditive) {
    result = _mm_add_epi16(destination, source);
  } else {
    const __m128i keep = _mm_set1_epi16(static_cast<short>(256 - a));
    result = _mm_add_epi16(source, _mm_srli_epi16(_mm_mullo_epi16(destination, keep), 8));
  }
  const std::uint32_t blended =
      static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(result, zero)));
  target = (target & 0xFF000000u) | (blended & 0x00FFFFFFu);  // the frame keeps its own alpha
}

// A filtered row along which the texture row stays the same (an unrotated quad): the rows and
// their weight are found once.
template <bool kAdditive>
void DrawLevelSpan(std::uint32_t* pixels, int count, const SoftTexture& t, std::int32_t fu,
                   std::int32_t v, std::int32_t du, int alpha) {
  const std::int32_t fv = v - 0x8000;  // texel centres sit at +0.5
  const std::uint32_t* row0 = t.pixels + (fv >> 16) * t.stride;
  const std::uint32_t* row1 = row0 + t.stride;
  const int wv = (fv >> 8) & 255;
  const std::int32_t maxU = t.width << 16;
  for (int i = 0; i < count; ++i, fu += du) {
    const std::int32_t u = std::clamp(fu, 0, maxU) - 0x8000;
    const int x = u >> 16;
    const std::uint64_t top = TexelPair(row0, x);
    const std::uint64_t bottom = TexelPair(row1, x);
    if (Transparent(top, bottom)) continue;
    BlendInto<kAdditive>(pixels[i], SampleBilinear(top, bottom, (u >> 8) & 255, wv), alpha);
  }
}

// One row of a triangle: the texture coordinates step by (du, dv) per pixel and are kept inside
// the texture (a centre on the very edge may overshoot by rounding); the border texels stand in
// for the edge.
template <bool kFiltered, bool kAdditive>
void DrawSpan(std::uint32_t* pixels, int count, const SoftTexture& t, std::int32_t fu,
              std::int32_t fv, std::int32_t du, std::int32_t dv, int alpha) {
  const std::int32_t maxU = t.width << 16;
  const std::int32_t maxV = t.height << 16;
  if (kFiltered && dv == 0) {
    DrawLevelSpan<kAdditive>(pixels, count, t, fu, std::clamp(fv, 0, maxV), du, alpha);
    return;
  }
  for (int i = 0; i < count; ++i, fu += du, fv += dv) {
    const std::int32_t u = std::clamp(fu, 0, maxU);
    const std::int32_t v = std::clamp(fv, 0, maxV);
    if constexpr (kFiltered) {
      const std::int32_t su = u - 0x8000;
      const std::int32_t sv = v - 0x8000;
      const std::uint32_t* row0 = t.pixels + (sv >> 16) * t.stride;
      const int x = su >> 16;
      const std::uint64_t top = TexelPair(row0, x);
      const std::uint64_t bottom = TexelPair(row0 + t.stride, x);
      if (Transparent(top, bottom)) continue;
      BlendInto<kAdditive>(pixels[i], SampleBilinear(top, bottom, (su >> 8) & 255, (sv >> 8) & 255),
                           alpha);
    } else {
      BlendInto<kAdditive>(pixels[i], SampleNearest(t, u, v), alpha);
    }
  }
}

using SpanFunction = void (*)(std::uint32_t*, int, const SoftTexture&, std::int32_t, std::int32_t,
                              std::int32_t, std::int32_t, int);

SpanFunction ChooseSpan(bool filtered, bool additive) {
  if (filtered) return additive ? DrawSpan<true, true> : DrawSpan<true, false>;
  return additive ? DrawSpan<false, true> : DrawSpan<false, false>;
}

std::uint32_t* Row(SDL_Surface* target, int row) {
  return reinterpret_cast<std::uint32_t*>(static_cast<unsigned char*>(target->pixels) +
                                          row * target->pitch);
}

void DrawTriangle(SDL_Surface* target, const SoftTexture& texture, Vertex a, Vertex b, Vertex c,
                  int alpha, SpanFunction drawSpan) {
  Gradients g;
  if (!MakeGradients(a, b, c, g)) return;
  // Sorted by y: the long edge a-c spans every row, a-b the upper part and b-c the lower.
  if (a.y > b.y) std::swap(a, b);
  if (b.y > c.y) std::swap(b, c);
  if (a.y > b.y) std::swap(a, b);
  if (a.y == c.y) return;
  const Edge longEdge = MakeEdge(a, c);
  const Edge upperEdge = a.y < b.y ? MakeEdge(a, b) : longEdge;
  const Edge lowerEdge = b.y < c.y ? MakeEdge(b, c) : longEdge;
  const int firstRow = std::max(0, static_cast<int>(std::ceil(a.y - 0.5f)));
  const int lastRow = std::min(target->h - 1, static_cast<int>(std::ceil(c.y - 0.5f)) - 1);
  const std::int32_t du = static_cast<std::int32_t>(g.dudx * 65536);
  const std::int32_t dv = static_cast<std::int32_t>(g.dvdx * 65536);
  for (int row = firstRow; row <= lastRow; ++row) {
    const float y = row + 0.5f;
    const float x1 = EdgeX(longEdge, y);
    const float x2 = EdgeX(y < b.y ? upperEdge : lowerEdge, y);
    // Pixel centres in [left, right): the shared edge belongs to one triangle only.
    const int firstColumn = std::max(0, static_cast<int>(std::ceil(std::min(x1, x2) - 0.5f)));
    const int lastColumn =
        std::min(target->w - 1, static_cast<int>(std::ceil(std::max(x1, x2) - 0.5f)) - 1);
    if (firstColumn > lastColumn) continue;
    const float u = g.u0 + (firstColumn + 0.5f - g.x0) * g.dudx + (y - g.y0) * g.dudy;
    const float v = g.v0 + (firstColumn + 0.5f - g.x0) * g.dvdx + (y - g.y0) * g.dvdy;
    drawSpan(Row(target, row) + firstColumn, lastColumn - firstColumn + 1, texture,
             static_cast<std::int32_t>(u * 65536), static_cast<std::int32_t>(v * 65536), du, dv,
             alpha);
  }
}

bool IsUprightRectangle(const std::array<SDL_FPoint, 4>& c) {
  return c[0].y == c[1].y && c[2].y == c[3].y && c[0].x == c[3].x && c[1].x == c[2].x &&
         c[0].x < c[1].x && c[0].y < c[3].y;
}

// An unrotated quad: every row maps to one texture row, so no triangle edges are needed.
void DrawUprightQuad(SDL_Surface* target, const SoftTexture& texture,
                     const std::array<SDL_FPoint, 4>& c, int alpha, SpanFunction drawSpan) {
  const float left = c[0].x, right = c[1].x, top = c[0].y, bottom = c[3].y;
  const int firstColumn = std::max(0, static_cast<int>(std::ceil(left - 0.5f)));
  const int lastColumn = std::min(target->w - 1, static_cast<int>(std::ceil(right - 0.5f)) - 1);
  const int firstRow = std::max(0, static_cast<int>(std::ceil(top - 0.5f)));
  const int lastRow = std::min(target->h - 1, static_cast<int>(std::ceil(bottom - 0.5f)) - 1);
  if (firstColumn > lastColumn || firstRow > lastRow) return;
  const float uPerPixel = texture.width / (right - left);
  const float vPerPixel = texture.height / (bottom - top);
  const std::int32_t du = static_cast<std::int32_t>(uPerPixel * 65536);
  const std::int32_t fu =
      static_cast<std::int32_t>((firstColumn + 0.5f - left) * uPerPixel * 65536);
  for (int row = firstRow; row <= lastRow; ++row) {
    const std::int32_t fv = static_cast<std::int32_t>((row + 0.5f - top) * vPerPixel * 65536);
    drawSpan(Row(target, row) + firstColumn, lastColumn - firstColumn + 1, texture, fu, fv, du, 0,
             alpha);
  }
}

}  // namespace

std::vector<std::uint32_t> PadWithEdges(const std::uint32_t* pixels, int width, int height) {
  const int stride = width + 2;
  std::vector<std::uint32_t> padded(static_cast<size_t>(stride) * (height + 2));
  for (int y = -1; y <= height; ++y) {
    const std::uint32_t* from = pixels + std::clamp(y, 0, height - 1) * width;
    std::uint32_t* to = &padded[static_cast<size_t>(y + 1) * stride];
    to[0] = from[0];
    std::copy(from, from + width, to + 1);
    to[width + 1] = from[width - 1];
  }
  return padded;
}

void DrawSoftQuad(SDL_Surface* target, const SoftTexture& texture,
                  const std::array<SDL_FPoint, 4>& corners, int alpha, bool additive,
                  bool filtered) {
  if (!target || !texture.pixels || texture.width <= 0 || texture.height <= 0) return;
  const SpanFunction drawSpan = ChooseSpan(filtered, additive);
  if (IsUprightRectangle(corners)) {
    DrawUprightQuad(target, texture, corners, alpha, drawSpan);
    return;
  }
  const float w = static_cast<float>(texture.width);
  const float h = static_cast<float>(texture.height);
  const Vertex v[4] = {{corners[0].x, corners[0].y, 0, 0},
                       {corners[1].x, corners[1].y, w, 0},
                       {corners[2].x, corners[2].y, w, h},
                       {corners[3].x, corners[3].y, 0, h}};
  DrawTriangle(target, texture, v[0], v[1], v[2], alpha, drawSpan);
  DrawTriangle(target, texture, v[0], v[2], v[3], alpha, drawSpan);
}
