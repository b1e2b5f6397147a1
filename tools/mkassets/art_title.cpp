// The loading screen: the title picture (drawn whole at 0, 0) and the progress bar (clipped
// from the left and drawn at 0, 704, so only its top 64 rows show).
#include <cmath>

#include "tools/mkassets/art.h"
#include "tools/mkassets/noise.h"
#include "tools/mkassets/text_render.h"

namespace {

constexpr float kPi = 3.14159265f;

Image Logo() {
  const int w = 1024, h = 768;
  Image image = MakeImage(w, h, Rgb(2, 3, 8));
  // Nebula and stars.
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float u = x / 380.0f, v = y / 380.0f;
      float n = Fbm2(u, v, 6, 9000) * 0.5f + 0.5f;
      float m = Fbm2(u * 0.8f + 3, v * 0.8f, 5, 9001) * 0.5f + 0.5f;
      float cloud = std::pow(Clamp01(n * 1.5f - 0.5f), 2.0f);
      At(image, x, y) = {0.01f + cloud * (0.35f * m + 0.05f), 0.012f + cloud * 0.08f,
                         0.03f + cloud * (0.4f * (1 - m) + 0.12f), 1};
    }
  Rng rng = MakeRng(9002);
  for (int i = 0; i < 1400; ++i) {
    float b = std::pow(NextFloat(rng), 3.0f);
    AddGlow(image, NextRange(rng, 0, w), NextRange(rng, 0, h), 1.2f + 4 * b,
            Scale(Rgb(220, 230, 255), 0.3f + b), 1.5f);
  }
  // A large planet rising at the lower right, lit from the upper left by a distant sun.
  const float pcx = 840, pcy = 960, pr = 540;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float u = (x + 0.5f - pcx) / pr, v = (y + 0.5f - pcy) / pr;
      float d = std::hypot(u, v);
      Rgba& p = At(image, x, y);
      if (d < 1) {
        float z = std::sqrt(1 - d * d);
        float lit = Clamp01(-0.62f * u - 0.7f * v + 0.35f * z);
        float h1 = Fbm3(u * 2, v * 2, z * 2, 6, 9003) * 0.5f + 0.5f;
        Rgba s = Mix(Rgb(20, 50, 110), Rgb(60, 130, 170), h1);
        s = Mix(s, Rgb(230, 240, 255),
                SmoothStep(0.55f, 0.7f, Fbm3(u * 3, v * 3, z * 3, 5, 9004) * 0.5f + 0.5f) * 0.8f);
        s = Scale(s, 0.05f + 1.1f * std::pow(lit, 1.2f));
        float cover = Clamp01((1 - d) * pr + 0.5f);
        p = Mix(p, s, cover);
        p.a = 1;
      }
      float rim =
          std::exp(-std::pow((d - 1) / 0.018f, 2.0f)) * Clamp01(-0.7f * u - 0.7f * v + 0.2f);
      p.r += rim * 0.45f, p.g += rim * 0.75f, p.b += rim * 1.0f;
    }
  // The sun behind, with a lens flare line.
  AddGlow(image, 170, 150, 260, Rgb(255, 200, 130), 3.0f);
  AddGlow(image, 170, 150, 60, Rgb(255, 250, 230), 1.6f);
  for (int i = 0; i < 6; ++i) {
    float t = 0.25f + i * 0.15f;
    AddGlow(image, 170 + (650 - 170) * t, 150 + (520 - 150) * t, 10 + 9 * (i % 3),
            Scale(i % 2 ? Rgb(120, 200, 255) : Rgb(255, 170, 90), 0.25f), 1.2f);
  }
  for (float a : {0.2f, 1.9f}) {
    for (int s = -1; s <= 1; s += 2)
      DrawLine(image, 170, 150, 170 + s * 420 * std::cos(a), 150 + s * 420 * std::sin(a), 2.5f,
               Rgba{1.0f, 0.85f, 0.6f, 0.18f}, true);
  }
  // The title with a glow and a subtitle.
  Image glow = MakeImage(w, h);
  DrawTextCentred(glow, Face::kSansBold, 112, "VELMARITH", 512, 300, Rgb(120, 200, 255));
  Image soft = Resize(Resize(glow, w / 8, h / 8), w, h);
  for (size_t i = 0; i < image.pixels.size(); ++i) {
    float a = soft.pixels[i].a;
    image.pixels[i].r += a * 0.25f, image.pixels[i].g += a * 0.55f, image.pixels[i].b += a * 0.9f;
  }
  Image title = TextImage(Face::kSansBold, 112, "VELMARITH", Rgb(255, 255, 255));
  for (int y = 0; y < title.height; ++y)
    for (int x = 0; x < title.width; ++x) {
      Rgba& t = At(title, x, y);
      float k = y / static_cast<float>(title.height);
      Rgba shade = Mix(Rgb(255, 255, 255), Rgb(120, 190, 255), k);
      shade.a = t.a;
      t = shade;
    }
  Paste(image, title, 512 - title.width / 2, 300 - title.height / 2);
  DrawTextCentred(image, Face::kSans, 26,
                  "H A N D E L   \xC2\xB7   K A M P F   \xC2\xB7   E R K U N D U N G", 512, 384,
                  Rgb(170, 200, 230), 1);
  // Keep the band of the loading text (y 680) quiet.
  for (int y = 640; y < h; ++y)
    for (int x = 0; x < w; ++x)
      At(image, x, y) = Scale(At(image, x, y), 1 - 0.75f * SmoothStep(640, 690, y));
  for (Rgba& p : image.pixels) p.r = Clamp01(p.r), p.g = Clamp01(p.g), p.b = Clamp01(p.b), p.a = 1;
  return image;
}

// The bar grows from the left as the game clips it; its top 64 rows are on screen.
Image LoadBar() {
  const int w = 1024, h = 100;
  Image image = MakeImage(w, h, Rgb(2, 3, 8));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float v = (y + 0.5f - 32) / 14;
      float across = std::exp(-v * v);
      float core = std::exp(-v * v * 8);
      float cells = (x % 16) < 13 ? 1.0f : 0.45f;
      float pulse = 0.85f + 0.15f * std::sin(x * kPi / 64);
      float k = across * cells * pulse;
      At(image, x, y) = {Clamp01(0.08f + 0.25f * k + core * 0.7f),
                         Clamp01(0.1f + 0.6f * k + core * 0.8f),
                         Clamp01(0.16f + 0.95f * k + core * 0.8f), 1};
    }
  FillRect(image, 0, 12, w, 1, Rgb(120, 200, 255));
  FillRect(image, 0, 52, w, 1, Rgb(60, 110, 160));
  return image;
}

}  // namespace

void GenerateTitle(AssetSink& sink) {
  SaveJpeg(sink, "9000", "BMP\\LOGO.jpg", Logo(), 92);
  SaveJpeg(sink, "9001", "BMP\\LOAD.jpg", LoadBar(), 95);
}
