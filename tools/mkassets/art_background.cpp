// BMP\Hintergrund: the dust that drifts past the player, and the pieces of the environment
// clouds (bacteria, asteroids, gas, lava rocks, ice). All are drawn with normal blending, so
// they carry their softness in alpha.
#include <cmath>
#include <string>

#include "tools/mkassets/art.h"
#include "tools/mkassets/noise.h"
#include "tools/mkassets/shading.h"

namespace {

constexpr float kPi = 3.14159265f;
const std::string kDir = "BMP\\Hintergrund\\";

Image DustMote(Rgba tint, float spikes) {
  const int side = 16;
  Image image = MakeImage(side, side);
  const float c = side / 2.0f;
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      float u = (x + 0.5f - c) / c, v = (y + 0.5f - c) / c;
      float d = std::hypot(u, v);
      float a = std::pow(Clamp01(1 - d), 2.5f);
      float cross = spikes * (std::exp(-u * u * 80) + std::exp(-v * v * 80)) * Clamp01(1 - d);
      a = Clamp01(a + cross);
      if (a <= 0.004f) continue;
      float white = Clamp01(1 - d * 3);
      At(image, x, y) = {Clamp01(tint.r + white), Clamp01(tint.g + white), Clamp01(tint.b + white),
                         a};
    }
  return image;
}

Image Bacterium(std::uint32_t seed, Rgba body, Rgba nucleus) {
  const int side = 64;
  Image image = MakeImage(side, side);
  Rng rng = MakeRng(seed);
  const float c = side / 2.0f;
  // A little colony: a few overlapping cells with membranes and nuclei.
  struct Cell {
    float x, y, r, stretch, angle;
  };
  std::vector<Cell> cells;
  int count = 2 + NextInt(rng, 2);
  for (int i = 0; i < count; ++i)
    cells.push_back({c + NextRange(rng, -9, 9), c + NextRange(rng, -9, 9), NextRange(rng, 9, 14),
                     NextRange(rng, 1.0f, 1.7f), NextRange(rng, 0, kPi)});
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      Rgba out{};
      for (const Cell& cell : cells) {
        float dx = x + 0.5f - cell.x, dy = y + 0.5f - cell.y;
        float ca = std::cos(cell.angle), sa = std::sin(cell.angle);
        float ex = (dx * ca + dy * sa) / cell.stretch, ey = -dx * sa + dy * ca;
        float d = std::hypot(ex, ey) / cell.r;
        if (d >= 1.05f) continue;
        float wob = Fbm2(x * 0.15f, y * 0.15f, 3, seed) * 0.08f;
        d += wob;
        float membrane = std::exp(-std::pow((d - 0.92f) / 0.07f, 2.0f));
        float inside = Clamp01((1 - d) * 6) * 0.45f;
        float core = std::exp(-std::pow(d / 0.3f, 2.0f));
        Rgba cellColour = Mix(body, nucleus, core);
        float a = Clamp01(inside + membrane * 0.9f + core * 0.5f);
        cellColour = Mix(cellColour, Rgb(220, 255, 200), membrane * 0.5f);
        cellColour.a = a;
        Rgba before = out;
        float outA = cellColour.a + before.a * (1 - cellColour.a);
        if (outA > 0) {
          out.r = (cellColour.r * cellColour.a + before.r * before.a * (1 - cellColour.a)) / outA;
          out.g = (cellColour.g * cellColour.a + before.g * before.a * (1 - cellColour.a)) / outA;
          out.b = (cellColour.b * cellColour.a + before.b * before.a * (1 - cellColour.a)) / outA;
        }
        out.a = outA;
      }
      At(image, x, y) = out;
    }
  return image;
}

Image GasCloud(std::uint32_t seed, Rgba inner, Rgba outer) {
  const int side = 128;
  Image image = MakeImage(side, side);
  const float c = side / 2.0f;
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      float u = (x + 0.5f - c) / c, v = (y + 0.5f - c) / c;
      float d = std::hypot(u, v);
      float n = Fbm2(u * 2.2f + 4, v * 2.2f + 4, 6, seed) * 0.5f + 0.5f;
      float shape = Clamp01(1 - d * (1.25f - 0.5f * n));
      float a = std::pow(shape, 1.7f) * (0.45f + 0.55f * n);
      if (a <= 0.003f) continue;
      Rgba col = Mix(outer, inner, Clamp01(shape * 1.3f));
      col.a = Clamp01(a);
      At(image, x, y) = col;
    }
  return image;
}

}  // namespace

void GenerateBackground(AssetSink& sink) {
  const Rgba dust[] = {Rgb(200, 210, 255), Rgb(255, 240, 210), Rgb(170, 200, 255),
                       Rgb(255, 200, 150), Rgb(220, 220, 230), Rgb(150, 255, 230)};
  for (int i = 2; i <= 7; ++i)
    SavePicture(sink, std::to_string(1000 + i), kDir + "Stern" + std::to_string(i) + ".bmp",
                DustMote(dust[i - 2], i == 4 || i == 6 ? 0.35f : 0.0f), PixelMode::kAlpha);

  SavePicture(sink, "1008", kDir + "Bak1.bmp", Bacterium(1008, Rgb(60, 200, 90), Rgb(200, 255, 90)),
              PixelMode::kAlpha);
  SavePicture(sink, "1009", kDir + "Bak2.bmp",
              Bacterium(1009, Rgb(40, 170, 150), Rgb(230, 200, 80)), PixelMode::kAlpha);

  RockStyle stone{Rgb(70, 62, 56), Rgb(150, 138, 122), {}, 0.28f, 0, 0};
  for (int i = 1; i <= 3; ++i)
    SavePicture(sink, std::to_string(1010 + i), kDir + "Ast" + std::to_string(i) + ".bmp",
                RockSprite(64, stone, 1010 + i), PixelMode::kAlpha);

  SavePicture(sink, "1021", kDir + "Gas1.bmp", GasCloud(1021, Rgb(140, 120, 255), Rgb(40, 60, 160)),
              PixelMode::kAlpha);
  SavePicture(sink, "1022", kDir + "Gas2.bmp", GasCloud(1022, Rgb(120, 220, 255), Rgb(50, 40, 140)),
              PixelMode::kAlpha);

  RockStyle lava{Rgb(34, 22, 20), Rgb(80, 50, 40), Rgba{1.0f, 0.45f, 0.08f, 1.4f}, 0.3f, 0, 0};
  for (int i = 1; i <= 3; ++i)
    SavePicture(sink, std::to_string(1030 + i), kDir + "LavaAst" + std::to_string(i) + ".bmp",
                RockSprite(64, lava, 1030 + i), PixelMode::kAlpha);

  RockStyle ice{Rgb(120, 160, 200), Rgb(225, 240, 255), {}, 0.22f, 0.7f, 0.5f};
  for (int i = 1; i <= 3; ++i)
    SavePicture(sink, std::to_string(1040 + i), kDir + "Eis" + std::to_string(i) + ".bmp",
                RockSprite(64, ice, 1040 + i), PixelMode::kAlpha);
}
