// BMP\Planeten: seven planet kinds with their atmospheres, and the sun with its corona. Seen
// from above and turned by the game as they spin, so the shading is round (limb darkening) and
// only the surface features turn.
#include <cmath>
#include <string>

#include "tools/mkassets/art.h"
#include "tools/mkassets/noise.h"

namespace {

constexpr float kPi = 3.14159265f;
const std::string kDir = "BMP\\Planeten\\";
constexpr int kSide = 512;
// The game draws a body's picture as a square of side 2 x its radius and crushes ships a little
// inside that radius, so the opaque disc fills nearly the whole picture: a ship dies where it
// meets the surface the player sees.
constexpr float kDiscRadius = 0.92f;  // of the half side
// The atmosphere and corona pictures are drawn out to where the body starts to burn the player's
// ship (1.05 x the reach of a planet, 1.5 x that of a sun), their glow fading out at the very
// edge. Where the disc's rim lies in them depends on the sizes; these are the usual shares.
constexpr float kPlanetRimInAtmosphere = 0.86f;
constexpr float kSunRimInCorona = 0.61f;
constexpr float kGlowEdge = 0.97f;  // the glow stays visible to here, then fades to the edge

struct PlanetStyle {
  int kind;  // 1 earth, 2 desert, 3 lava, 4 water, 5 jungle, 6 gas, 7 ice
  Rgba air;  // atmosphere colour
};

// Surface colour at a point of the unit sphere.
Rgba Surface(int kind, float x, float y, float z, std::uint32_t seed) {
  float h = Fbm3(x * 1.6f, y * 1.6f, z * 1.6f, 7, seed) * 0.5f + 0.5f;
  float detail = Fbm3(x * 7, y * 7, z * 7, 4, seed + 50) * 0.5f + 0.5f;
  float clouds = Fbm3(x * 2.4f + 7, y * 2.4f, z * 2.4f - 3, 6, seed + 90) * 0.5f + 0.5f;
  Rgba c;
  switch (kind) {
    case 1: {  // earth: oceans, coasts, green lowlands, brown highlands
      if (h < 0.5f)
        c = Mix(Rgb(8, 30, 90), Rgb(26, 80, 150), SmoothStep(0.3f, 0.5f, h));
      else if (h < 0.53f)
        c = Rgb(200, 190, 140);
      else
        c = Mix(Mix(Rgb(50, 110, 40), Rgb(120, 110, 60), SmoothStep(0.55f, 0.68f, h)),
                Rgb(230, 230, 235), SmoothStep(0.72f, 0.8f, h));
      c = Scale(c, 0.85f + 0.3f * detail);
      c = Mix(c, Rgb(245, 248, 255), SmoothStep(0.55f, 0.75f, clouds) * 0.85f);
      break;
    }
    case 2: {  // desert: dunes and canyons
      float dunes = 0.5f + 0.5f * std::sin((x * 14 + detail * 4) * 1.3f);
      c = Mix(Rgb(170, 110, 60), Rgb(235, 190, 120), Clamp01(h * 0.8f + dunes * 0.3f));
      float canyon = Ridged3(x * 2.5f, y * 2.5f, z * 2.5f, 5, seed + 7);
      c = Mix(c, Rgb(110, 55, 30), SmoothStep(0.82f, 0.95f, canyon));
      c = Mix(c, Rgb(240, 220, 190), SmoothStep(0.7f, 0.85f, clouds) * 0.35f);
      break;
    }
    case 3: {  // lava: black crust, glowing rivers
      float rivers = Ridged3(x * 2.2f, y * 2.2f, z * 2.2f, 6, seed + 3);
      c = Scale(Mix(Rgb(30, 20, 18), Rgb(70, 50, 44), detail), 0.8f + 0.4f * h);
      float hot = SmoothStep(0.7f, 0.92f, rivers);
      c = Mix(c, Mix(Rgb(255, 90, 10), Rgb(255, 230, 120), hot * hot), hot);
      break;
    }
    case 4: {  // water world: deep ocean, a few islands, bright weather
      c = Mix(Rgb(4, 24, 80), Rgb(20, 110, 170), SmoothStep(0.3f, 0.68f, h));
      if (h > 0.7f) c = Mix(Rgb(210, 200, 150), Rgb(60, 140, 60), SmoothStep(0.71f, 0.76f, h));
      float swirl = Fbm3(x * 3 + clouds * 2, y * 3, z * 3, 5, seed + 11) * 0.5f + 0.5f;
      c = Mix(c, Rgb(250, 252, 255), SmoothStep(0.55f, 0.78f, swirl) * 0.9f);
      break;
    }
    case 5: {  // jungle: dense greens, rivers, haze
      c = Mix(Rgb(14, 60, 22), Rgb(70, 140, 40), Clamp01(h * 1.3f - 0.2f));
      c = Scale(c, 0.8f + 0.4f * detail);
      float river = Ridged3(x * 3, y * 3, z * 3, 4, seed + 21);
      c = Mix(c, Rgb(40, 90, 110), SmoothStep(0.9f, 0.98f, river));
      c = Mix(c, Rgb(235, 245, 240), SmoothStep(0.6f, 0.8f, clouds) * 0.7f);
      break;
    }
    case 6: {  // gas giant seen from its pole: bands around the centre, storms
      float r = std::hypot(x, y) + 0.11f * Fbm3(x * 3, y * 3, z, 5, seed + 31) +
                0.03f * Fbm3(x * 12, y * 12, z, 3, seed + 33);
      float band = 0.5f + 0.5f * std::sin(r * 26);
      float band2 = 0.5f + 0.5f * std::sin(r * 9 + 1);
      c = Mix(Rgb(170, 120, 70), Rgb(240, 215, 170), band * 0.7f + band2 * 0.3f);
      c = Mix(c, Rgb(200, 90, 50), SmoothStep(0.62f, 0.8f, detail) * 0.5f);
      float storm = std::hypot(x - 0.35f, y + 0.2f);
      c = Mix(c, Rgb(220, 110, 70), SmoothStep(0.16f, 0.05f, storm) * 0.8f);
      break;
    }
    default: {  // ice: white plains, blue cracks
      c = Mix(Rgb(170, 200, 230), Rgb(245, 250, 255), h);
      float cracks = Ridged3(x * 3, y * 3, z * 3, 5, seed + 41);
      c = Mix(c, Rgb(60, 120, 190), SmoothStep(0.86f, 0.97f, cracks) * 0.8f);
      c = Scale(c, 0.9f + 0.15f * detail);
      break;
    }
  }
  return c;
}

// The planet disc; `keyed` prepares the ".jpg" version (no alpha: hard edge on black).
Image Planet(const PlanetStyle& style, std::uint32_t seed) {
  Image image = MakeImage(kSide, kSide);
  const float c = kSide / 2.0f, r = kDiscRadius * c;
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) {
      float u = (x + 0.5f - c) / r, v = (y + 0.5f - c) / r;
      float d2 = u * u + v * v;
      float edge = Clamp01((1 - std::sqrt(d2)) * r + 0.5f);
      if (edge <= 0) continue;
      float z = std::sqrt(std::max(0.0f, 1 - d2));
      Rgba col = Surface(style.kind, u, v, z, seed);
      float limb = 0.32f + 0.68f * std::pow(z, 0.55f);
      col = Scale(col, limb);
      // The air scatters light at the rim.
      float haze = std::pow(1 - z, 3.0f) * 0.6f;
      col = Mix(col, style.air, Clamp01(haze));
      if (style.kind == 3) {  // lava glows by itself, also at the dark rim
        Rgba own = Surface(3, u, v, z, seed);
        col.r = std::max(col.r, own.r * 0.8f), col.g = std::max(col.g, own.g * 0.6f);
      }
      col.a = edge;
      At(image, x, y) = col;
    }
  return image;
}

// The share of the glow that is left at t (the distance from the middle over the half side)
// outside a rim at `rim`: from `atRim` down to `atEdge` at kGlowEdge, then out to nothing.
float GlowOutside(float t, float rim, float atRim, float atEdge, float power) {
  const float s = Clamp01((t - rim) / (kGlowEdge - rim));
  const float fadeOut = Clamp01((1 - t) / (1 - kGlowEdge));
  return (atEdge + (atRim - atEdge) * std::pow(1 - s, power)) * fadeOut;
}

// The atmosphere, drawn additively over the planet: a bright rim and a halo that lights the whole
// band where the planet burns ships.
Image Atmosphere(const PlanetStyle& style) {
  Image image = MakeImage(kSide, kSide);
  const float c = kSide / 2.0f, rim = kPlanetRimInAtmosphere;
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) {
      float t = std::hypot(x + 0.5f - c, y + 0.5f - c) / c;
      float k;
      if (t < rim)
        k = std::pow(Clamp01((t - 0.72f) / (rim - 0.72f)), 2.5f) * 0.6f;
      else
        k = GlowOutside(t, rim, 0.6f, 0.36f, 1.5f);
      At(image, x, y) = {style.air.r * k, style.air.g * k, style.air.b * k, 1};
    }
  return image;
}

Image Sun() {
  Image image = MakeImage(kSide, kSide);
  const float c = kSide / 2.0f, r = kDiscRadius * c;
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) {
      float u = (x + 0.5f - c) / r, v = (y + 0.5f - c) / r;
      float d = std::hypot(u, v);
      float edge = Clamp01((1 - d) * r + 0.5f);
      if (edge <= 0) continue;
      float z = std::sqrt(std::max(0.0f, 1 - d * d));
      float granules = CellDistance2(u * 14 + 50, v * 14 + 50, 4310);
      float spots = Fbm3(u * 3, v * 3, z * 3, 5, 4311) * 0.5f + 0.5f;
      float t = Clamp01(0.75f + 0.25f * granules - 0.3f * SmoothStep(0.68f, 0.8f, spots));
      float limb = 0.55f + 0.45f * std::pow(z, 0.4f);
      Rgba col = Mix(Rgb(255, 150, 40), Rgb(255, 252, 225), t * limb);
      col = Scale(col, 0.8f + 0.2f * limb);
      col.a = edge;
      At(image, x, y) = col;
    }
  return image;
}

// The corona: glow falling off from the disc, streamers and long thin rays, over the whole band
// where the sun burns ships.
Image Corona() {
  Image image = MakeImage(kSide, kSide);
  const float c = kSide / 2.0f, rim = kSunRimInCorona;
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) {
      float u = x + 0.5f - c, v = y + 0.5f - c;
      float t = std::hypot(u, v) / c;
      if (t >= 1) continue;
      float a = std::atan2(v, u);
      float glow = t < rim * 0.92f ? 1.0f : GlowOutside(t, rim * 0.92f, 1.0f, 0.3f, 2.2f);
      float streamers = Fbm2(std::cos(a) * 3 + 10, std::sin(a) * 3 + 10, 4, 4312) * 0.5f + 0.5f;
      // Rays start at the rim and thin out with distance; inside the disc only the glow adds.
      float rays = std::pow(0.5f + 0.5f * std::cos(a * 7 + 0.6f * std::sin(a * 3)), 12.0f) +
                   std::pow(0.5f + 0.5f * std::cos(a * 11 + 1.3f), 20.0f) * 0.6f;
      float outsideDisc = SmoothStep(rim * 0.95f, rim * 1.15f, t);
      float k = glow * (0.55f + 0.6f * streamers) + rays * glow * 0.55f * outsideDisc;
      At(image, x, y) = {Clamp01(k * 1.0f), Clamp01(k * 0.78f), Clamp01(k * 0.45f), 1};
    }
  return image;
}

}  // namespace

void GenerateBodies(AssetSink& sink) {
  const PlanetStyle styles[] = {{1, Rgb(110, 170, 255)}, {2, Rgb(255, 180, 110)},
                                {3, Rgb(255, 100, 40)},  {4, Rgb(90, 190, 255)},
                                {5, Rgb(120, 230, 170)}, {6, Rgb(255, 200, 130)},
                                {7, Rgb(190, 230, 255)}};
  for (const PlanetStyle& style : styles) {
    const std::string n = std::to_string(style.kind);
    Image planet = Planet(style, 4200 + style.kind * 10);
    Image air = Atmosphere(style);
    SaveJpeg(sink, "", kDir + "Planet_" + n + ".jpg", planet, 95);
    SaveJpeg(sink, "", kDir + "Planet_Atmo_" + n + ".jpg", air, 95, PixelMode::kLight);
    SavePicture(sink, "", kDir + "Planet_" + n + ".bmp", planet, PixelMode::kAlpha);
    SavePicture(sink, "", kDir + "Planet_Atmo_" + n + ".bmp", air, PixelMode::kLight);
  }
  Image sun = Sun(), corona = Corona();
  SaveJpeg(sink, "", kDir + "Sonne_1.jpg", sun, 95);
  SaveJpeg(sink, "", kDir + "Sonne_Atmo_1.jpg", corona, 95, PixelMode::kLight);
  SavePicture(sink, "", kDir + "Sonne_1.bmp", sun, PixelMode::kAlpha);
  SavePicture(sink, "", kDir + "Sonne_Atmo_1.bmp", corona, PixelMode::kLight);
}
