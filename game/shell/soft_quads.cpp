#include "game/shell/soft_quads.h"

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

// Where an edge crosses the scanline; endpoints are ordered by y so that the edge shared by the
// two triangles gives the same x for both.
bool EdgeCrossing(Vertex a, Vertex b, float y, float& x) {
  if (a.y == b.y) return false;
  if (a.y > b.y) std::swap(a, b);
  if (y < a.y || y >= b.y) return false;
  x = a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y);
  return true;
}

std::uint32_t SampleNearest(const SoftTexture& t, std::int32_t u, std::int32_t v) {
  const int x = std::clamp(u >> 16, 0, t.width - 1);
  const int y = std::clamp(v >> 16, 0, t.height - 1);
  return t.pixels[y * t.width + x];
}

// Bilinear sampling (16.16 fixed-point texel coordinates) with the edge texels repeated beyond
// the border. Two channels are weighted at once in the 0x00FF00FF lanes.
std::uint32_t SampleBilinear(const SoftTexture& t, std::int32_t u, std::int32_t v) {
  const std::int32_t fu = u - 0x8000;  // texel centres sit at +0.5
  const std::int32_t fv = v - 0x8000;
  const int iu = fu >> 16;
  const int iv = fv >> 16;
  const std::uint32_t wu = (fu >> 8) & 255;
  const std::uint32_t wv = (fv >> 8) & 255;
  const int x0 = std::clamp(iu, 0, t.width - 1);
  const int x1 = std::clamp(iu + 1, 0, t.width - 1);
  const int y0 = std::clamp(iv, 0, t.height - 1) * t.width;
  const int y1 = std::clamp(iv + 1, 0, t.height - 1) * t.width;
  const std::uint32_t p00 = t.pixels[y0 + x0];
  const std::uint32_t p10 = t.pixels[y0 + x1];
  const std::uint32_t p01 = t.pixels[y1 + x0];
  const std::uint32_t p11 = t.pixels[y1 + x1];
  if ((p00 | p10 | p01 | p11) >> 24 == 0) return 0;  // all transparent
  const std::uint32_t w00 = (256 - wu) * (256 - wv) >> 8;
  const std::uint32_t w10 = wu * (256 - wv) >> 8;
  const std::uint32_t w01 = (256 - wu) * wv >> 8;
  const std::uint32_t w11 = 256 - w00 - w10 - w01;
  const std::uint32_t rb = ((p00 & 0xFF00FF) * w00 + (p10 & 0xFF00FF) * w10 +
                            (p01 & 0xFF00FF) * w01 + (p11 & 0xFF00FF) * w11) >>
                           8;
  const std::uint32_t ag = (((p00 >> 8) & 0xFF00FF) * w00 + ((p10 >> 8) & 0xFF00FF) * w10 +
                            ((p01 >> 8) & 0xFF00FF) * w01 + ((p11 >> 8) & 0xFF00FF) * w11);
  return (rb & 0xFF00FF) | (ag & 0xFF00FF00);
}

std::uint32_t Blend(std::uint32_t source, std::uint32_t target, std::uint32_t alpha,
                    bool additive) {
  // Texel alpha x vertex alpha (0..65025) scaled to 0..256, so that full alpha copies exactly.
  const std::uint32_t a = ((source >> 24) * alpha * 1033 + 131072) >> 18;
  if (a == 0) return target;
  const std::uint32_t srb = ((source & 0xFF00FF) * a >> 8) & 0xFF00FF;
  const std::uint32_t sg = ((source & 0xFF00) * a >> 8) & 0xFF00;
  if (additive) {
    std::uint32_t rb = srb + (target & 0xFF00FF);
    std::uint32_t g = sg + (target & 0xFF00);
    // Saturate each channel that overflowed into the bit above it.
    rb |= ((rb & 0x1000100) - ((rb & 0x1000100) >> 8));
    g |= ((g & 0x10000) - ((g & 0x10000) >> 8));
    return (target & 0xFF000000u) | (rb & 0xFF00FF) | (g & 0xFF00);
  }
  const std::uint32_t keep = 256 - a;
  const std::uint32_t drb = ((target & 0xFF00FF) * keep >> 8) & 0xFF00FF;
  const std::uint32_t dg = ((target & 0xFF00) * keep >> 8) & 0xFF00;
  return (target & 0xFF000000u) | (srb + drb) | (sg + dg);
}

void DrawTriangle(SDL_Surface* target, const SoftTexture& texture, const Vertex& a, const Vertex& b,
                  const Vertex& c, int alpha, bool additive, bool filtered) {
  Gradients g;
  if (!MakeGradients(a, b, c, g)) return;
  const float minY = std::min({a.y, b.y, c.y});
  const float maxY = std::max({a.y, b.y, c.y});
  const int firstRow = std::max(0, static_cast<int>(std::ceil(minY - 0.5f)));
  const int lastRow = std::min(target->h - 1, static_cast<int>(std::ceil(maxY - 0.5f)) - 1);
  for (int row = firstRow; row <= lastRow; ++row) {
    const float y = row + 0.5f;
    float xs[3];
    int found = 0;
    float x;
    if (EdgeCrossing(a, b, y, x)) xs[found++] = x;
    if (EdgeCrossing(b, c, y, x)) xs[found++] = x;
    if (EdgeCrossing(c, a, y, x)) xs[found++] = x;
    if (found < 2) continue;
    const float left = std::min({xs[0], xs[1], found == 3 ? xs[2] : xs[0]});
    const float right = std::max({xs[0], xs[1], found == 3 ? xs[2] : xs[0]});
    // Pixel centres in [left, right): the shared edge belongs to one triangle only.
    const int firstColumn = std::max(0, static_cast<int>(std::ceil(left - 0.5f)));
    const int lastColumn = std::min(target->w - 1, static_cast<int>(std::ceil(right - 0.5f)) - 1);
    if (firstColumn > lastColumn) continue;
    auto* pixels = reinterpret_cast<std::uint32_t*>(static_cast<unsigned char*>(target->pixels) +
                                                    row * target->pitch);
    const float u = g.u0 + (firstColumn + 0.5f - g.x0) * g.dudx + (y - g.y0) * g.dudy;
    const float v = g.v0 + (firstColumn + 0.5f - g.x0) * g.dvdx + (y - g.y0) * g.dvdy;
    std::int32_t fu = static_cast<std::int32_t>(u * 65536);
    std::int32_t fv = static_cast<std::int32_t>(v * 65536);
    const std::int32_t du = static_cast<std::int32_t>(g.dudx * 65536);
    const std::int32_t dv = static_cast<std::int32_t>(g.dvdx * 65536);
    const std::uint32_t a = static_cast<std::uint32_t>(alpha);
    for (int column = firstColumn; column <= lastColumn; ++column, fu += du, fv += dv) {
      const std::uint32_t texel =
          filtered ? SampleBilinear(texture, fu, fv) : SampleNearest(texture, fu, fv);
      if (texel >> 24) pixels[column] = Blend(texel, pixels[column], a, additive);
    }
  }
}

}  // namespace

void DrawSoftQuad(SDL_Surface* target, const SoftTexture& texture,
                  const std::array<SDL_FPoint, 4>& corners, int alpha, bool additive,
                  bool filtered) {
  if (!target || !texture.pixels || texture.width <= 0 || texture.height <= 0) return;
  const float w = static_cast<float>(texture.width);
  const float h = static_cast<float>(texture.height);
  const Vertex v[4] = {{corners[0].x, corners[0].y, 0, 0},
                       {corners[1].x, corners[1].y, w, 0},
                       {corners[2].x, corners[2].y, w, h},
                       {corners[3].x, corners[3].y, 0, h}};
  DrawTriangle(target, texture, v[0], v[1], v[2], alpha, additive, filtered);
  DrawTriangle(target, texture, v[0], v[2], v[3], alpha, additive, filtered);
}
