#include "tools/mkassets/shading.h"

#include <cmath>

#include "tools/mkassets/noise.h"

Image RockSprite(int side, const RockStyle& style, std::uint32_t seed) {
  Image image = MakeImage(side, side);
  const float c = side / 2.0f;
  const float base = 0.78f;
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      float u = (x + 0.5f - c) / c, v = (y + 0.5f - c) / c;
      float angle = std::atan2(v, u);
      float wobble =
          Fbm2(std::cos(angle) * 1.3f + 5, std::sin(angle) * 1.3f + 5, 4, seed) * style.roughness;
      float radius = base * (1 + wobble);
      float d = std::hypot(u, v) / radius;
      float edge = Clamp01((1 - d) * radius * c + 0.5f);
      if (edge <= 0) continue;
      float z = std::sqrt(std::max(0.0f, 1 - d * d));
      float nx = u / radius, ny = v / radius, nz = z;
      // Bumps and craters perturb the normal.
      float bump = Fbm3(u * 3, v * 3, z * 3, 5, seed + 3);
      float crater = CellDistance2(u * 2.6f + 10, v * 2.6f + 10, seed + 9);
      float pit = SmoothStep(0.32f, 0.12f, crater);
      nx += bump * 0.5f + (u * 2.6f - std::round(u * 2.6f)) * pit * 0.2f;
      ny += bump * 0.5f;
      float len = std::sqrt(nx * nx + ny * ny + nz * nz);
      nx /= len, ny /= len, nz /= len;
      float diffuse = Clamp01(-(nx * kLightX + ny * kLightY) + nz * kLightZ);
      float light = 0.18f + 0.95f * diffuse;
      float tone = Fbm3(u * 2, v * 2, 1.7f, 4, seed + 5) * 0.5f + 0.5f;
      Rgba col = Mix(style.dark, style.light, Clamp01(tone * 1.2f - 0.1f));
      col = Scale(col, light * (1 - 0.35f * pit));
      if (style.gloss > 0) {
        float highlight = std::pow(Clamp01(diffuse), 18.0f) * style.gloss;
        col.r += highlight, col.g += highlight, col.b += highlight;
      }
      if (style.translucency > 0) {
        float rim = std::pow(1 - z, 2.0f) * style.translucency;
        col.r += rim * 0.5f, col.g += rim * 0.8f, col.b += rim;
      }
      if (style.glow.a > 0) {
        float crack = Ridged3(u * 2.5f, v * 2.5f, z * 2, 4, seed + 17);
        float hot = std::pow(Clamp01((crack - 0.72f) / 0.28f), 1.5f) * style.glow.a;
        col.r += style.glow.r * hot, col.g += style.glow.g * hot, col.b += style.glow.b * hot;
      }
      col.r = Clamp01(col.r), col.g = Clamp01(col.g), col.b = Clamp01(col.b);
      col.a = edge;
      At(image, x, y) = col;
    }
  return image;
}
