// Weapon pictures: the shot, drawn additively and turned so that +x is its flight direction,
// and the small glow used in lists and as the shot's trail particle.
#include <cmath>

#include "tools/mkassets/catalogue_art.h"
#include "tools/mkassets/noise.h"

namespace {

constexpr float kPi = 3.14159265f;
constexpr int kSide = 32;

// The colour family of a weapon kind, nudged per weapon so that two weapons of one kind differ.
Rgba KindColour(const WeaponType& weapon) {
  static const Rgba base[] = {Rgb(255, 220, 120), Rgb(255, 230, 130), Rgb(90, 255, 160),
                              Rgb(170, 110, 255), Rgb(90, 170, 255),  Rgb(255, 110, 230),
                              Rgb(255, 70, 50),   Rgb(255, 150, 60),  Rgb(255, 110, 60),
                              Rgb(255, 60, 40)};
  int kind = weapon.kind >= 1 && weapon.kind <= 9 ? weapon.kind : 0;
  Rgba c = base[kind];
  Rng rng = MakeRng(HashText(weapon.name));
  float shift = NextRange(rng, -0.12f, 0.12f);
  return {Clamp01(c.r + shift), Clamp01(c.g - shift * 0.5f), Clamp01(c.b + shift * 0.7f), 1};
}

// A glow stretched along x: elongation 1 is round.
void Streak(Image& image, float cx, float cy, float length, float width, Rgba colour, float heat) {
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      float u = (x + 0.5f - cx) / length, v = (y + 0.5f - cy) / width;
      float d = std::hypot(u, v);
      if (d >= 1) continue;
      float k = std::pow(1 - d, 2.0f);
      float core = std::pow(Clamp01(1 - d * 2.2f), 2.0f) * heat;
      AddLight(image, x, y, colour, k);
      AddLight(image, x, y, Rgb(255, 255, 255), core);
    }
}

}  // namespace

Image WeaponProjectile(const WeaponType& weapon) {
  Image image = MakeImage(kSide, kSide);
  const Rgba colour = KindColour(weapon);
  const float c = kSide / 2.0f;
  const float power = 0.8f + 0.05f * std::min(weapon.weaponClass, 8);
  switch (weapon.kind) {
    case 1:  // particle slug
      Streak(image, c + 2, c, 12, 5, Scale(colour, power), 0.9f);
      break;
    case 2:  // plasma blob
      Streak(image, c, c, 13, 11, Scale(colour, power), 0.8f);
      Streak(image, c + 3, c, 6, 5, Rgb(255, 255, 230), 0.6f);
      break;
    case 3:  // electromagnetic pulse: a bright arc ahead of a soft wake
      for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
          float u = x + 0.5f - (c - 6), v = y + 0.5f - c;
          float d = std::hypot(u, v);
          float arc = std::exp(-std::pow((d - 12) / 2.2f, 2.0f)) * Clamp01(u / d * 1.6f);
          AddLight(image, x, y, Scale(colour, power), arc);
        }
      Streak(image, c - 2, c, 10, 6, Scale(colour, 0.5f), 0.3f);
      break;
    case 4: {  // ion bolt: a core with crackling filaments
      Streak(image, c, c, 9, 7, Scale(colour, power), 1.0f);
      Rng rng = MakeRng(HashText(weapon.name) + 4);
      for (int k = 0; k < 5; ++k) {
        float a = NextRange(rng, 0, 2 * kPi), r = NextRange(rng, 8, 14);
        float mx = c + 0.5f * r * std::cos(a) + NextRange(rng, -3, 3),
              my = c + 0.5f * r * std::sin(a) + NextRange(rng, -3, 3);
        DrawLine(image, c, c, mx, my, 1.2f, Scale(colour, 0.8f), true);
        DrawLine(image, mx, my, c + r * std::cos(a), c + r * std::sin(a), 1, Scale(colour, 0.6f),
                 true);
      }
      break;
    }
    case 5:  // fibre: a thin bright thread
      Streak(image, c, c, 15, 2.5f, Scale(colour, power * 1.2f), 1.0f);
      Streak(image, c, c, 15, 6, Scale(colour, 0.35f), 0);
      break;
    case 6:  // laser: a long sharp beam
      Streak(image, c, c, 16, 3.5f, Scale(colour, power * 1.3f), 1.2f);
      Streak(image, c, c, 16, 8, Scale(colour, 0.3f), 0);
      break;
    case 7: {  // rocket: a lit body and a flame behind it (-x)
      Streak(image, c - 7, c, 9, 5, Rgb(255, 160, 60), 1.0f);
      for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
          float u = x + 0.5f - c, v = y + 0.5f - c;
          if (u > -1 && u < 11 && std::fabs(v) < 2.5f - std::max(0.0f, u - 8) * 0.8f)
            AddLight(image, x, y, Rgb(200, 205, 215), 0.9f);
        }
      break;
    }
    case 8:  // torpedo: a large pulsing orb
      Streak(image, c, c, 15, 15, Scale(colour, power), 0.9f);
      Streak(image, c, c, 8, 8, Rgb(255, 240, 200), 0.8f);
      break;
    default:  // mines and anything else: a spiked glow
      Streak(image, c, c, 10, 10, Scale(colour, power), 1.0f);
      for (int k = 0; k < 4; ++k) {
        float a = k * kPi / 2 + kPi / 4;
        DrawLine(image, c, c, c + 14 * std::cos(a), c + 14 * std::sin(a), 1.5f, Scale(colour, 0.7f),
                 true);
      }
      break;
  }
  return image;
}

Image WeaponIcon(const WeaponType& weapon) {
  Image image = MakeImage(kSide, kSide);
  const Rgba colour = KindColour(weapon);
  const float c = kSide / 2.0f;
  bool beam = weapon.kind == 5 || weapon.kind == 6;
  Streak(image, c, c, beam ? 15 : 13, beam ? 6 : 13, colour, 0.8f);
  if (weapon.kind == 3)
    for (int y = 0; y < kSide; ++y)
      for (int x = 0; x < kSide; ++x) {
        float d = std::hypot(x + 0.5f - c, y + 0.5f - c);
        AddLight(image, x, y, colour, std::exp(-std::pow((d - 9) / 1.5f, 2.0f)) * 0.8f);
      }
  return image;
}

void GenerateWeaponPictures(AssetSink& sink, const WeaponCatalogue& weapons) {
  for (int n = 1; n <= weapons.weaponTypeCount; ++n) {
    const WeaponType& weapon = weapons.weaponTypes[n];
    if (weapon.name.empty()) continue;
    SavePicture(sink, std::to_string(3000 + n), WeaponPictureDataPath(weapon.name),
                WeaponProjectile(weapon), PixelMode::kLight);
    SavePicture(sink, std::to_string(3100 + n), WeaponSecondPictureDataPath(weapon.name),
                WeaponIcon(weapon), PixelMode::kLight);
  }
}
