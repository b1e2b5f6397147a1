// BMP\Oberflächen and the loose pictures under BMP: panels, buttons, the text-box frame, menu
// bars and the star backdrop. One look throughout: deep blue steel, cyan trim, soft light.
#include <cmath>
#include <string>

#include "tools/mkassets/art.h"
#include "tools/mkassets/noise.h"
#include "tools/mkassets/palette.h"
#include "tools/mkassets/text_render.h"

namespace {

constexpr float kPi = 3.14159265f;
const std::string kDir =
    "BMP\\Oberfl\xE4"
    "chen\\";

// A panel plate: a subtly brushed fill with a vertical sheen, a bevelled trim and an inner line.
Image Panel(int w, int h, int border, std::uint32_t seed) {
  Image image = MakeImage(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float n = Fbm2(x * 0.004f, y * 0.08f, 3, seed) * 0.5f + 0.5f;
      float sheen = 0.85f + 0.15f * std::cos((y / static_cast<float>(h) - 0.15f) * kPi);
      Rgba c = Mix(kPanelFill, kPanelFillLight, 0.25f + 0.35f * n);
      c = Scale(c, sheen);
      // A faint grid, like a plotting table.
      if ((x % 32 == 0 || y % 32 == 0) && x > border && y > border)
        c = Mix(c, kPanelEdgeDark, 0.35f);
      c.a = 1;
      At(image, x, y) = c;
    }
  for (int t = 0; t < border; ++t) {
    float k = t / std::max(1.0f, border - 1.0f);
    Rgba edge = Mix(kPanelEdge, kPanelEdgeDark, k);
    FrameRect(image, t, t, w - 2 * t, h - 2 * t, 1, edge);
  }
  FrameRect(image, border + 2, border + 2, w - 2 * border - 4, h - 2 * border - 4, 1,
            Mix(kPanelEdgeDark, kPanelFill, 0.3f));
  // Corner studs.
  for (int cx : {border + 6, w - border - 7})
    for (int cy : {border + 6, h - border - 7})
      FillDisc(image, cx + 0.5f, cy + 0.5f, 2, kPanelEdge);
  return image;
}

// The frame of every text box: cut by the game into a top-left piece of any size and the
// 8-pixel strips at x 760 and y 504, so the fill must look the same everywhere.
Image TextBoxFrame() {
  Image image = MakeImage(768, 512);
  for (int y = 0; y < 512; ++y)
    for (int x = 0; x < 768; ++x) {
      Rgba c = (y / 2) % 2 ? Rgb(10, 17, 30) : Rgb(12, 20, 34);
      At(image, x, y) = c;
    }
  FrameRect(image, 0, 0, 768, 512, 1, Rgb(30, 60, 90));
  FrameRect(image, 1, 1, 766, 510, 2, kPanelEdge);
  FrameRect(image, 3, 3, 762, 506, 1, Rgb(40, 80, 120));
  for (int cx : {0, 760})
    for (int cy : {0, 504}) FillRect(image, cx, cy, 8, 8, Rgb(150, 220, 255));
  FillRect(image, 2, 2, 4, 4, Rgb(230, 250, 255));
  FillRect(image, 762, 2, 4, 4, Rgb(230, 250, 255));
  FillRect(image, 2, 506, 4, 4, Rgb(230, 250, 255));
  FillRect(image, 762, 506, 4, 4, Rgb(230, 250, 255));
  return image;
}

Image ButtonPlate(int side) {
  Image image = MakeImage(side, side);
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      float t = (y + 0.5f) / side;
      At(image, x, y) = Mix(Rgb(34, 56, 86), Rgb(10, 18, 32), t);
    }
  FrameRect(image, 0, 0, side, side, 1, Rgb(110, 180, 230));
  FrameRect(image, 1, 1, side - 2, side - 2, 1, Rgb(24, 40, 62));
  return image;
}

// The hover and active highlight: a glowing frame, transparent inside.
Image Highlight(int side) {
  Image image = MakeImage(side, side);
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      int edge = std::min(std::min(x, y), std::min(side - 1 - x, side - 1 - y));
      float a = edge == 0 ? 1.0f : edge == 1 ? 0.8f : edge == 2 ? 0.35f : edge == 3 ? 0.12f : 0;
      if (a > 0) At(image, x, y) = {0.75f, 0.95f, 1.0f, a};
    }
  return image;
}

Image IconButton(int which) {
  Image image = ButtonPlate(32);
  const Rgba ink = Rgb(170, 230, 255), hot = Rgb(255, 255, 255);
  switch (which) {
    case 1:  // weapon list: lines with bullets
      for (int i = 0; i < 3; ++i) {
        float y = 10 + i * 6.5f;
        FillDisc(image, 9, y, 1.8f, hot);
        DrawLine(image, 13, y, 25, y, 2, ink);
      }
      break;
    case 2:  // compass
      FillDisc(image, 16, 16, 11, Rgb(60, 120, 170));
      FillDisc(image, 16, 16, 9.5f, Rgb(12, 22, 38));
      FillPolygon(image, {{16, 6}, {19, 16}, {13, 16}}, Rgb(255, 90, 70));
      FillPolygon(image, {{16, 26}, {19, 16}, {13, 16}}, ink);
      break;
    case 3:  // system map: orbits around a sun
      for (float r : {6.0f, 10.5f}) {
        for (int k = 0; k < 48; ++k) {
          float a0 = k * 2 * kPi / 48, a1 = (k + 1) * 2 * kPi / 48;
          DrawLine(image, 16 + r * std::cos(a0), 16 + r * std::sin(a0), 16 + r * std::cos(a1),
                   16 + r * std::sin(a1), 1, Rgb(100, 170, 220));
        }
      }
      FillDisc(image, 16, 16, 3, Rgb(255, 220, 120));
      FillDisc(image, 22, 12, 1.8f, hot);
      FillDisc(image, 8, 23, 1.5f, kFriendly);
      break;
    case 4:  // group attitudes: bars left and right of a centre line
      DrawLine(image, 16, 7, 16, 25, 1, ink);
      FillRect(image, 16, 8, 9, 4, kFriendly);
      FillRect(image, 10, 14, 6, 4, kHostile);
      FillRect(image, 16, 20, 5, 4, kNeutral);
      break;
    case 5:  // place information
      FillDisc(image, 16, 16, 11, ink);
      FillDisc(image, 16, 16, 9.5f, Rgb(14, 30, 52));
      DrawTextCentred(image, Face::kSerifBold, 17, "i", 16, 16.5f, hot);
      break;
    case 6:  // docking: a ring and an arrow into it
      for (int k = 0; k < 48; ++k) {
        float a0 = k * 2 * kPi / 48, a1 = (k + 1) * 2 * kPi / 48;
        DrawLine(image, 16 + 9 * std::cos(a0), 12 + 5 * std::sin(a0), 16 + 9 * std::cos(a1),
                 12 + 5 * std::sin(a1), 2, Rgb(120, 200, 255));
      }
      DrawLine(image, 16, 27, 16, 15, 2.2f, hot);
      FillPolygon(image, {{16, 11}, {20.5f, 17}, {11.5f, 17}}, hot);
      break;
  }
  return image;
}

Image CloseButton() {
  Image image = MakeImage(32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      At(image, x, y) = Mix(Rgb(110, 30, 30), Rgb(50, 10, 14), (y + 0.5f) / 32);
  FrameRect(image, 0, 0, 32, 32, 1, Rgb(255, 140, 120));
  DrawLine(image, 10, 10, 22, 22, 3, Rgb(255, 235, 225));
  DrawLine(image, 22, 10, 10, 22, 3, Rgb(255, 235, 225));
  return image;
}

Image SmallArrow(bool up) {
  Image image = ButtonPlate(20);
  if (up)
    FillPolygon(image, {{10, 5}, {15.5f, 14}, {4.5f, 14}}, Rgb(170, 230, 255));
  else
    FillPolygon(image, {{10, 15}, {15.5f, 6}, {4.5f, 6}}, Rgb(170, 230, 255));
  return image;
}

Image Thumb() {
  Image image = MakeImage(20, 20);
  FillDisc(image, 10, 10, 7, Rgb(110, 190, 240));
  FillDisc(image, 10, 9, 4.5f, Rgb(200, 240, 255));
  FillDisc(image, 10, 10, 2, Rgb(255, 255, 255));
  return image;
}

// Round menu buttons for list decorations: up, empty and down.
Image RoundButton(int kind) {
  Image image = MakeImage(32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      float dx = x + 0.5f - 16, dy = y + 0.5f - 16;
      float d = std::hypot(dx, dy);
      if (d > 14.5f) continue;
      float light = 0.55f + 0.45f * Clamp01(-(dx + dy) / 20);
      Rgba c = Scale(Mix(Rgb(50, 90, 140), Rgb(16, 28, 48), d / 14.5f), light + 0.3f);
      c.a = Clamp01(14.5f - d + 0.5f);
      At(image, x, y) = c;
    }
  for (int k = 0; k < 64; ++k) {
    float a0 = k * 2 * kPi / 64, a1 = (k + 1) * 2 * kPi / 64;
    DrawLine(image, 16 + 14 * std::cos(a0), 16 + 14 * std::sin(a0), 16 + 14 * std::cos(a1),
             16 + 14 * std::sin(a1), 1.2f, Rgb(120, 200, 250));
  }
  const Rgba ink = Rgb(220, 245, 255);
  if (kind == 0) FillPolygon(image, {{16, 22}, {23, 12}, {9, 12}}, ink);
  if (kind == 1) FillDisc(image, 16, 16, 4, ink);
  if (kind == 2) FillPolygon(image, {{16, 10}, {23, 20}, {9, 20}}, ink);
  return image;
}

// Horizontal bars for menu highlights: brushed metal, and two glowing beams.
Image MetalBar() {
  Image image = MakeImage(512, 36);
  for (int y = 0; y < 36; ++y)
    for (int x = 0; x < 512; ++x) {
      float brush = Fbm2(x * 0.01f, y * 0.9f, 3, 7010) * 0.5f + 0.5f;
      float v = 0.35f + 0.25f * std::sin((y + 0.5f) / 36 * kPi) + 0.12f * brush;
      float fade = Clamp01((512 - x) / 120.0f);
      Rgba c{v * 0.8f, v * 0.88f, v, 1};
      At(image, x, y) = Scale(c, 0.25f + 0.75f * fade);
    }
  FillRect(image, 0, 0, 512, 1, Rgb(150, 190, 220));
  FillRect(image, 0, 35, 512, 1, Rgb(20, 30, 40));
  return image;
}

Image BeamBar(Rgba tint) {
  Image image = MakeImage(512, 36);
  for (int y = 0; y < 36; ++y)
    for (int x = 0; x < 512; ++x) {
      float v = (y + 0.5f) / 36 * 2 - 1;
      float across = std::exp(-v * v * 6);
      float core = std::exp(-v * v * 60);
      float along = Clamp01((512 - x) / 380.0f);
      along = along * along;
      float k = across * along * 0.75f;
      At(image, x, y) = {tint.r * k + core * along, tint.g * k + core * along,
                         tint.b * k + core * along, 1};
    }
  return image;
}

// A starfield with faint nebulae, for the menus.
Image StarBackdrop(int w, int h, std::uint32_t seed) {
  Image image = MakeImage(w, h, Rgb(2, 3, 8));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float u = x / 300.0f, v = y / 300.0f;
      float n = Fbm2(u, v, 6, seed) * 0.5f + 0.5f;
      float m = Fbm2(u * 0.7f + 9, v * 0.7f, 5, seed + 7) * 0.5f + 0.5f;
      float cloud = std::pow(Clamp01(n * 1.4f - 0.45f), 2.0f);
      Rgba c = Rgb(3, 4, 10);
      c.r += cloud * (0.18f * m + 0.05f);
      c.g += cloud * 0.06f;
      c.b += cloud * (0.22f * (1 - m) + 0.08f);
      At(image, x, y) = c;
    }
  Rng rng = MakeRng(seed);
  for (int i = 0; i < w * h / 600; ++i) {
    float x = NextRange(rng, 0, w), y = NextRange(rng, 0, h);
    float b = std::pow(NextFloat(rng), 3.0f);
    float hue = NextFloat(rng);
    Rgba tint = hue < 0.3f   ? Rgb(255, 220, 180)
                : hue < 0.7f ? Rgb(230, 236, 255)
                             : Rgb(170, 200, 255);
    AddGlow(image, x, y, 1.2f + 3.5f * b, Scale(tint, 0.25f + 0.9f * b), 1.5f);
  }
  return image;
}

Image FogOfWar(int side) {
  Image image = MakeImage(side, side);
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      float n = Fbm2(x / 90.0f, y / 90.0f, 5, 5099) * 0.5f + 0.5f;
      float v = 0.04f + 0.1f * n;
      Rgba c{v * 0.7f, v * 0.8f, v * 1.2f, 1};
      if ((x + y) % 24 < 2) c = Mix(c, Rgb(40, 60, 90), 0.5f);
      At(image, x, y) = c;
    }
  DrawTextCentred(image, Face::kSansBold, 28, "Unentdeckt", side / 2.0f, side / 2.0f,
                  Rgb(90, 120, 160), 1);
  return image;
}

}  // namespace

void GenerateSurfaces(AssetSink& sink) {
  SavePicture(sink, "5110", kDir + "Karte.bmp", Panel(510, 510, 5, 5110), PixelMode::kKeyed);
  SavePicture(sink, "5120", kDir + "260.bmp", Panel(260, 160, 4, 5120), PixelMode::kKeyed);
  SavePicture(sink, "5200", kDir + "Button_Over.bmp", Highlight(32), PixelMode::kAlpha);
  const char* icons[] = {"Button_Liste2", "Button_Kompas", "Button_Karte",
                         "Button_Liste",  "Button_Infos",  "Button_Andocken"};
  for (int i = 0; i < 6; ++i)
    SavePicture(sink, std::to_string(5201 + i), kDir + icons[i] + ".bmp", IconButton(i + 1),
                PixelMode::kKeyed);
  SavePicture(sink, "5210", kDir + "Button_X.bmp", CloseButton(), PixelMode::kKeyed);
  SavePicture(sink, "5212", kDir + "Button_Runter.bmp", SmallArrow(false), PixelMode::kKeyed);
  SavePicture(sink, "5215", kDir + "Button_Mitte.bmp", Thumb(), PixelMode::kAlpha);
  SavePicture(sink, "5218", kDir + "Button_Hoch.bmp", SmallArrow(true), PixelMode::kKeyed);
  SavePicture(sink, "5220", kDir + "Button_Over_klein.bmp", Highlight(20), PixelMode::kAlpha);
  SavePicture(sink, "5230", kDir + "Info.bmp", TextBoxFrame(), PixelMode::kKeyed);
  SavePicture(sink, "7022", kDir + "Button_Down.bmp", RoundButton(0), PixelMode::kAlpha);
  SavePicture(sink, "7025", kDir + "Button_leer.bmp", RoundButton(1), PixelMode::kAlpha);
  SavePicture(sink, "7028", kDir + "Button_Up.bmp", RoundButton(2), PixelMode::kAlpha);

  SavePicture(sink, "5098", "BMP\\Sterne.bmp", StarBackdrop(1024, 768, 5098), PixelMode::kKeyed);
  SavePicture(sink, "5099", "BMP\\Unentdeckt.bmp", FogOfWar(500), PixelMode::kKeyed);
  SavePicture(sink, "7010", "BMP\\Metall.bmp", MetalBar(), PixelMode::kKeyed);
  SavePicture(sink, "7011", "BMP\\Laser2.bmp", BeamBar(Rgb(255, 90, 60)), PixelMode::kLight);
  SavePicture(sink, "7012", "BMP\\Laser.bmp", BeamBar(Rgb(60, 160, 255)), PixelMode::kLight);
}
