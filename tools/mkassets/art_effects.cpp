// Light sprites of the particle system: glows, smoke, plasma, tractor dots, shield hits, rays.
#include <cmath>

#include "tools/mkassets/art.h"
#include "tools/mkassets/noise.h"

namespace {

constexpr float kPi = 3.14159265f;

// A round glow whose light reaches zero before the picture's edge: a white-hot core fading into
// the tint, so that small particles read as sparks and large ones as fire.
Image GlowSprite(int side, Rgba tint, float coreHeat) {
  Image image = MakeImage(side, side);
  float c = side / 2.0f;
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      float d = std::hypot(x + 0.5f - c, y + 0.5f - c) / c;
      if (d >= 1) continue;
      float fall = std::pow(1 - d, 2.2f);
      float core = std::pow(Clamp01(1 - d * 2.2f), 2.0f) * coreHeat;
      Rgba& p = At(image, x, y);
      p = {tint.r * fall + core, tint.g * fall + core, tint.b * fall + core, 1};
    }
  return image;
}

Image SmokeSprite(int side, std::uint32_t seed) {
  Image image = MakeImage(side, side);
  float c = side / 2.0f;
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      float u = (x + 0.5f - c) / c, v = (y + 0.5f - c) / c;
      float d = std::hypot(u, v);
      float n = Fbm2(u * 2.5f + 3, v * 2.5f + 7, 5, seed) * 0.5f + 0.5f;
      float shape = Clamp01(1 - d * (1.15f - 0.35f * n));
      float k = std::pow(shape, 1.6f) * (0.35f + 0.65f * n) * 0.75f;
      At(image, x, y) = {k * 0.62f, k * 0.55f, k * 0.48f, 1};
    }
  return image;
}

// Wisps of route plasma: a glowing core torn by noise.
Image PlasmaSprite(int side, Rgba tint, std::uint32_t seed) {
  Image image = MakeImage(side, side);
  float c = side / 2.0f;
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      float u = (x + 0.5f - c) / c, v = (y + 0.5f - c) / c;
      float d = std::hypot(u, v);
      if (d >= 1) continue;
      float n = Ridged3(u * 2.2f, v * 2.2f, 0.3f, 4, seed);
      float fall = std::pow(1 - d, 1.8f);
      float k = fall * (0.35f + 0.9f * n * n);
      float core = std::pow(Clamp01(1 - d * 2.5f), 2.0f) * 0.8f;
      At(image, x, y) = {tint.r * k + core, tint.g * k + core, tint.b * k + core, 1};
    }
  return image;
}

Image TractorDot(int side, Rgba tint) {
  Image image = MakeImage(side, side);
  float c = side / 2.0f;
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      float d = std::hypot(x + 0.5f - c, y + 0.5f - c) / c;
      if (d >= 1) continue;
      float a = std::pow(1 - d, 1.5f);
      float white = std::pow(Clamp01(1 - d * 2.5f), 2.0f);
      At(image, x, y) = {Clamp01(tint.r + white), Clamp01(tint.g + white), Clamp01(tint.b + white),
                         a};
    }
  return image;
}

// The flash where a shot meets a ship's shield: an arc of the shield bubble at the +y side
// (the game turns the picture so that this side faces the shot), fading around the ring.
Image ShieldHit(int side) {
  Image image = MakeImage(side, side);
  float c = side / 2.0f;
  const float ring = 0.86f;
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      float u = (x + 0.5f - c) / c, v = (y + 0.5f - c) / c;
      float d = std::hypot(u, v);
      float angle = std::atan2(v, u);            // +y is pi/2
      float around = std::cos(angle - kPi / 2);  // 1 at the hit
      float spread = Clamp01((around - 0.05f) / 0.95f);
      spread = spread * spread;
      float shell = std::exp(-std::pow((d - ring) / 0.045f, 2.0f));
      float inner = d < ring ? std::exp(-std::pow((ring - d) / 0.22f, 2.0f)) * 0.45f : 0.0f;
      // Hexagonal cells on the shell, faint, to read as a force field.
      float hx = u * 9, hy = v * 9 + hx * 0.57735f;
      float cell = std::fabs(std::sin(hx * kPi) * std::sin(hy * kPi));
      float pattern = 0.75f + 0.25f * SmoothStep(0.1f, 0.0f, cell);
      float a = Clamp01((shell + inner) * spread * pattern);
      float hot = Clamp01(shell * spread * spread * 1.2f);
      At(image, x, y) = {Clamp01(0.35f + 0.65f * hot), Clamp01(0.7f + 0.3f * hot), 1.0f, a};
    }
  return image;
}

// A long thin streak of light along x, for sun rays and the menu's orbiting lights.
Image RayStreak(int width, int height, Rgba tint) {
  Image image = MakeImage(width, height);
  float cx = width / 2.0f, cy = height / 2.0f;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      float u = (x + 0.5f - cx) / cx, v = (y + 0.5f - cy) / cy;
      float along = std::pow(Clamp01(1 - std::fabs(u)), 1.6f);
      float across = std::exp(-v * v * 9) - std::exp(-9.0f);
      float k = Clamp01(along * across);
      float core = std::pow(k, 3.0f) * 0.6f;
      At(image, x, y) = {tint.r * k + core, tint.g * k + core, tint.b * k + core, 1};
    }
  return image;
}

}  // namespace

void GenerateEffects(AssetSink& sink) {
  SavePicture(sink, "1, 11, 25-27", "BMP\\Effekte\\Kreis_R.bmp",
              GlowSprite(64, Rgb(255, 110, 40), 0.55f), PixelMode::kLight);
  SavePicture(sink, "2, 12, 21-23", "BMP\\Effekte\\Kreis_B.bmp",
              GlowSprite(64, Rgb(70, 140, 255), 0.5f), PixelMode::kLight);
  SavePicture(sink, "3, 13", "BMP\\Effekte\\Kreis_G.bmp", GlowSprite(64, Rgb(80, 255, 120), 0.5f),
              PixelMode::kLight);
  SavePicture(sink, "4, 440", "BMP\\Effekte\\Kreis_RGB.bmp",
              GlowSprite(64, Rgb(200, 210, 255), 0.6f), PixelMode::kLight);
  SavePicture(sink, "14", "BMP\\Effekte\\Rauch.bmp", SmokeSprite(64, 1401), PixelMode::kLight);

  const char* beams[] = {"Beam_-2", "Beam_-1", "Beam_1", "Beam_2"};
  const Rgba beamTints[] = {Rgb(40, 90, 255), Rgb(60, 170, 255), Rgb(80, 240, 255),
                            Rgb(170, 255, 240)};
  for (int i = 0; i < 4; ++i)
    SavePicture(sink, std::to_string(41 + i), std::string("BMP\\Effekte\\") + beams[i] + ".bmp",
                TractorDot(32, beamTints[i]), PixelMode::kAlpha);

  SavePicture(sink, "411-413", "BMP\\Effekte\\Plasma_B.bmp",
              PlasmaSprite(64, Rgb(60, 120, 255), 4111), PixelMode::kLight);
  SavePicture(sink, "421-423", "BMP\\Effekte\\Plasma_G.bmp",
              PlasmaSprite(64, Rgb(60, 255, 110), 4121), PixelMode::kLight);
  SavePicture(sink, "431-433", "BMP\\Effekte\\Plasma_R.bmp",
              PlasmaSprite(64, Rgb(255, 80, 50), 4131), PixelMode::kLight);

  SavePicture(sink, "1511", "BMP\\Objekte\\Gravitationsschild_1.bmp", ShieldHit(128),
              PixelMode::kAlpha);

  SavePicture(sink, "7001", "BMP\\Planeten\\Sonnenstrahl1.bmp",
              RayStreak(256, 32, Rgb(255, 230, 170)), PixelMode::kLight);
  SavePicture(sink, "7002", "BMP\\Planeten\\Sonnenstrahl2.bmp",
              RayStreak(256, 32, Rgb(255, 150, 60)), PixelMode::kLight);
  SavePicture(sink, "7003", "BMP\\Planeten\\Sonnenstrahl3.bmp",
              RayStreak(256, 32, Rgb(140, 180, 255)), PixelMode::kLight);
}
