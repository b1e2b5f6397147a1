// BMP\Symbole: cursor, compass needle, markers, brackets, bars, warnings and the status panel.
#include <cmath>
#include <string>

#include "tools/mkassets/art.h"
#include "tools/mkassets/palette.h"
#include "tools/mkassets/text_render.h"

namespace {

constexpr float kPi = 3.14159265f;

Rgba Bright(Rgba c, float k) {
  return {Clamp01(c.r + (1 - c.r) * k), Clamp01(c.g + (1 - c.g) * k), Clamp01(c.b + (1 - c.b) * k),
          c.a};
}

// Adds a soft outer glow of the picture's own colour under everything already painted.
Image WithGlow(const Image& image, int reach, float strength) {
  Image out = MakeImage(image.width, image.height);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      float best = 0;
      Rgba colour{};
      for (int j = -reach; j <= reach; ++j)
        for (int i = -reach; i <= reach; ++i) {
          int xx = x + i, yy = y + j;
          if (xx < 0 || yy < 0 || xx >= image.width || yy >= image.height) continue;
          const Rgba& q = At(image, xx, yy);
          float d = std::hypot(static_cast<float>(i), static_cast<float>(j)) / (reach + 1);
          float v = q.a * (1 - d);
          if (v > best) best = v, colour = q;
        }
      At(out, x, y) = {colour.r, colour.g, colour.b, best * best * strength};
    }
  Paste(out, image, 0, 0);
  return out;
}

Image Cursor() {
  Image image = MakeImage(25, 25);
  const Rgba dark = Rgb(4, 8, 14);
  const Rgba light = Rgb(200, 245, 255);
  for (int pass = 0; pass < 2; ++pass) {
    float w = pass == 0 ? 3.5f : 1.5f;
    Rgba c = pass == 0 ? dark : light;
    DrawLine(image, 12.5f, 1, 12.5f, 9, w, c);
    DrawLine(image, 12.5f, 16, 12.5f, 24, w, c);
    DrawLine(image, 1, 12.5f, 9, 12.5f, w, c);
    DrawLine(image, 16, 12.5f, 24, 12.5f, w, c);
  }
  FillDisc(image, 12.5f, 12.5f, 1.6f, Rgb(255, 255, 255));
  return image;
}

Image Pointer() {
  Image image = MakeImage(32, 32);
  std::vector<Vec2> arrow = {{2, 2}, {24, 14}, {14, 16}, {20, 28}, {16, 30}, {10, 18}, {3, 25}};
  FillPolygon(image, arrow, Rgb(4, 8, 14));
  std::vector<Vec2> inner = {{4, 5},   {20, 14},    {12, 15.5f}, {17.5f, 27},
                             {16, 28}, {10.5f, 16}, {5, 21}};
  FillPolygon(image, inner, Rgb(210, 240, 255));
  return image;
}

// The compass needle. The game turns it by -270 - heading, which brings the +y side of the
// picture to north, so the red tip points down here.
Image Needle() {
  Image image = MakeImage(64, 64);
  FillDisc(image, 32, 32, 30, Rgba{0.05f, 0.09f, 0.16f, 0.55f});
  for (int k = 0; k < 8; ++k) {
    float a = k * kPi / 4;
    float r0 = k % 2 ? 25.0f : 22.0f;
    DrawLine(image, 32 + r0 * std::cos(a), 32 + r0 * std::sin(a), 32 + 29 * std::cos(a),
             32 + 29 * std::sin(a), 1.6f, Rgba{0.55f, 0.8f, 1.0f, 0.8f});
  }
  FillPolygon(image, {{32, 60}, {38, 32}, {26, 32}}, Rgb(255, 70, 50));
  FillPolygon(image, {{32, 4}, {38, 32}, {26, 32}}, Rgb(220, 228, 240));
  FillPolygon(image, {{32, 60}, {32, 32}, {26, 32}}, Rgb(190, 40, 30));
  FillPolygon(image, {{32, 4}, {32, 32}, {26, 32}}, Rgb(150, 160, 176));
  FillDisc(image, 32, 32, 3.5f, Rgb(40, 50, 66));
  FillDisc(image, 32, 32, 2, Rgb(230, 236, 244));
  return image;
}

Image InfoIcon() {
  Image image = MakeImage(32, 32);
  FillDisc(image, 16, 16, 14, kActive);
  FillDisc(image, 16, 16, 11.5f, Rgb(10, 30, 50));
  DrawTextCentred(image, Face::kSerifBold, 20, "i", 16, 16.5f, Rgb(200, 245, 255));
  return image;
}

// Edge markers point along +x (the game turns them towards the marked thing).
Image ShipEdgeMarker(Rgba colour) {
  Image image = MakeImage(64, 64);
  FillPolygon(image, {{58, 32}, {30, 16}, {36, 32}, {30, 48}}, colour);
  FillPolygon(image, {{52, 32}, {36, 22}, {40, 32}, {36, 42}}, Bright(colour, 0.55f));
  return WithGlow(image, 4, 0.7f);
}

Image ObjectEdgeMarker(Rgba colour) {
  Image image = MakeImage(64, 64);
  FillPolygon(image, {{58, 32}, {44, 18}, {30, 32}, {44, 46}}, colour);
  FillPolygon(image, {{52, 32}, {44, 24}, {36, 32}, {44, 40}}, Rgb(6, 10, 18));
  FillPolygon(image, {{48, 32}, {44, 28}, {40, 32}, {44, 36}}, Bright(colour, 0.6f));
  return WithGlow(image, 4, 0.7f);
}

// Four corner brackets around a 128 x 128 frame.
Image Bracket(Rgba colour, bool dashed) {
  Image image = MakeImage(128, 128);
  const float in = 14, len = 22, w = 2.5f;
  for (int cx = 0; cx < 2; ++cx)
    for (int cy = 0; cy < 2; ++cy) {
      float x = cx ? 128 - in : in, y = cy ? 128 - in : in;
      float sx = cx ? -1.0f : 1.0f, sy = cy ? -1.0f : 1.0f;
      DrawLine(image, x, y, x + sx * len, y, w, colour);
      DrawLine(image, x, y, x, y + sy * len, w, colour);
      DrawLine(image, x + sx * 4, y + sy * 4, x + sx * 9, y + sy * 4, 1.2f, Bright(colour, 0.5f));
    }
  if (dashed) {
    for (int k = 0; k < 4; ++k) {
      float a = k * kPi / 2;
      DrawLine(image, 64 + 44 * std::cos(a), 64 + 44 * std::sin(a), 64 + 54 * std::cos(a),
               64 + 54 * std::sin(a), 2, colour);
    }
  }
  return WithGlow(image, 3, 0.6f);
}

Image LeadMarker(Rgba colour) {
  Image image = MakeImage(32, 32);
  for (int k = 0; k < 4; ++k) {
    float a = k * kPi / 2 + kPi / 4;
    DrawLine(image, 16 + 6 * std::cos(a), 16 + 6 * std::sin(a), 16 + 12 * std::cos(a),
             16 + 12 * std::sin(a), 2, colour);
  }
  FillDisc(image, 16, 16, 2.2f, Bright(colour, 0.5f));
  return WithGlow(image, 2, 0.6f);
}

// The attitude bar: hostile red to the left of x 100, friendly green to the right.
Image AttitudeLine() {
  Image image = MakeImage(200, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 200; ++x) {
      float t = (x + 0.5f) / 200;
      Rgba c = t < 0.5f ? Mix(kHostile, Rgb(110, 110, 120), t * 2)
                        : Mix(Rgb(110, 110, 120), kFriendly, (t - 0.5f) * 2);
      float shade = 0.7f + 0.3f * std::sin((y + 0.5f) / 8 * kPi);
      At(image, x, y) = Scale(c, shade);
      At(image, x, y).a = 1;
    }
  return image;
}

Image AttitudeMark() {
  Image image = MakeImage(8, 16);
  FillPolygon(image, {{0, 0}, {8, 0}, {4, 6}}, kNormalText);
  FillRect(image, 3, 6, 2, 10, kNormalText);
  return image;
}

// Bar textures are stretched to any length: shading runs across the bar only.
Image Bar(Rgba colour, bool filled, bool vertical) {
  const int w = vertical ? 10 : 64, h = vertical ? 64 : 10;
  Image image = MakeImage(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float t = vertical ? (x + 0.5f) / w : (y + 0.5f) / h;
      float shine =
          0.55f + 0.45f * std::sin(t * kPi) + (t < 0.35f ? 0.25f * (0.35f - t) / 0.35f : 0);
      Rgba c =
          filled ? Scale(colour, shine) : Scale(Mix(colour, Rgb(30, 36, 48), 0.8f), shine * 0.8f);
      c.a = 1;
      At(image, x, y) = c;
    }
  return image;
}

Image WarningSign(int kind) {
  Image image = MakeImage(64, 64);
  const Rgba yellow = Rgb(255, 200, 40), dark = Rgb(20, 16, 8);
  if (kind == 0) {  // radiation: trefoil in a yellow disc
    FillDisc(image, 32, 32, 29, yellow);
    FillDisc(image, 32, 32, 26, Rgb(250, 214, 60));
    for (int k = 0; k < 3; ++k) {
      float a = k * 2 * kPi / 3 - kPi / 2;
      std::vector<Vec2> blade;
      for (int i = 0; i <= 12; ++i) {
        float t = a - kPi / 6 + i * (kPi / 3) / 12;
        blade.push_back({32 + 22 * std::cos(t), 32 + 22 * std::sin(t)});
      }
      for (int i = 12; i >= 0; --i) {
        float t = a - kPi / 6 + i * (kPi / 3) / 12;
        blade.push_back({32 + 8 * std::cos(t), 32 + 8 * std::sin(t)});
      }
      FillPolygon(image, blade, dark);
    }
    FillDisc(image, 32, 32, 5, dark);
  } else if (kind == 1) {  // heat: a flame in a warning triangle
    FillPolygon(image, {{32, 3}, {61, 58}, {3, 58}}, Rgb(255, 120, 30));
    FillPolygon(image, {{32, 11}, {54, 53}, {10, 53}}, Rgb(40, 14, 6));
    std::vector<Vec2> flame;
    for (int i = 0; i <= 24; ++i) {
      float t = i / 24.0f * 2 * kPi;
      float r = 9 + 3 * std::sin(t * 3);
      float x = 32 + r * std::sin(t) * 0.9f;
      float y = 40 - r * std::cos(t) * (std::cos(t) > 0 ? 1.6f : 0.8f);
      flame.push_back({x, y});
    }
    FillPolygon(image, flame, Rgb(255, 170, 40));
    FillDisc(image, 32, 43, 4.5f, Rgb(255, 240, 160));
  } else {  // explosion: a burst
    std::vector<Vec2> burst;
    for (int i = 0; i < 24; ++i) {
      float t = i / 24.0f * 2 * kPi;
      float r = i % 2 ? 13.0f : (i % 4 ? 27.0f : 30.0f);
      burst.push_back({32 + r * std::cos(t), 32 + r * std::sin(t)});
    }
    FillPolygon(image, burst, Rgb(255, 110, 30));
    FillDisc(image, 32, 32, 11, Rgb(255, 220, 90));
    FillDisc(image, 32, 32, 5, Rgb(255, 255, 230));
  }
  return WithGlow(image, 3, 0.5f);
}

// Marker of the own ship on the system map; it points along +x like the ships.
Image MapShip() {
  Image image = MakeImage(32, 32);
  FillPolygon(image, {{30, 16}, {4, 4}, {10, 16}, {4, 28}}, Rgb(255, 255, 255));
  FillPolygon(image, {{24, 16}, {10, 10}, {13, 16}, {10, 22}}, kActive);
  return WithGlow(image, 3, 0.8f);
}

void Bevel(Image& image, int x, int y, int w, int h, Rgba fill, bool sunken) {
  FillRect(image, x, y, w, h, fill);
  Rgba lightEdge = Rgb(96, 150, 200), darkEdge = Rgb(6, 10, 18);
  Rgba top = sunken ? darkEdge : lightEdge, bottom = sunken ? lightEdge : darkEdge;
  FillRect(image, x, y, w, 1, top);
  FillRect(image, x, y, 1, h, top);
  FillRect(image, x, y + h - 1, w, 1, bottom);
  FillRect(image, x + w - 1, y, 1, h, bottom);
}

// The status panel, drawn at (359, 720). The bars lie over its recesses: shield at (400, 730),
// hull at (400, 750), energy at (560, 730 .. 760), the speed figure centred at 610.
Image StatusPanel() {
  const int ox = 359, oy = 720;
  Image image = MakeImage(306, 48);
  std::vector<Vec2> plate = {{6, 2}, {300, 2}, {305, 7}, {305, 48}, {0, 48}, {0, 8}};
  FillPolygon(image, plate, Rgb(26, 40, 62));
  FillPolygon(image, {{8, 4}, {298, 4}, {302, 8}, {302, 48}, {3, 48}, {3, 9}}, kPanelFill);
  DrawLine(image, 6, 2.5f, 300, 2.5f, 1.2f, kPanelEdge);
  // Recesses one pixel around each bar.
  Bevel(image, 400 - ox - 2, 730 - oy - 2, 154, 14, Rgb(4, 8, 14), true);
  Bevel(image, 400 - ox - 2, 750 - oy - 2, 154, 14, Rgb(4, 8, 14), true);
  Bevel(image, 560 - ox - 2, 730 - oy - 2, 14, 34, Rgb(4, 8, 14), true);
  Bevel(image, 580 - ox, 728 - oy, 60, 24, Rgb(6, 12, 20), true);
  // Small labels before the bars.
  DrawTextCentred(image, Face::kSansBold, 11, "S", 24, 735 - oy, Rgb(120, 180, 255));
  DrawTextCentred(image, Face::kSansBold, 11, "H", 24, 755 - oy, Rgb(255, 150, 110));
  DrawTextCentred(image, Face::kSansBold, 9, "E", 220 - 2, 745 - oy, Rgb(255, 230, 120));
  DrawTextCentred(image, Face::kSans, 9, "Geschw.", 610 - ox, 761 - oy, Rgb(110, 150, 190));
  return image;
}

}  // namespace

void GenerateSymbols(AssetSink& sink) {
  const std::string dir = "BMP\\Symbole\\";
  SavePicture(sink, "0", dir + "Kreuz.bmp", Cursor(), PixelMode::kKeyed);
  SavePicture(sink, "10", dir + "Pfeil.bmp", Pointer(), PixelMode::kKeyed);
  SavePicture(sink, "400", dir + "N.bmp", Needle(), PixelMode::kAlpha);
  SavePicture(sink, "401", dir + "I.bmp", InfoIcon(), PixelMode::kAlpha);

  struct Attitude {
    const char* word;
    int code;
    Rgba colour;
  };
  const Attitude attitudes[] = {{"Feind", 1, kHostile},
                                {"Neutral", 2, kNeutral},
                                {"Freund", 3, kFriendly},
                                {"Ziel", 4, kTarget},
                                {"Aktiv", 5, kActive}};
  for (const Attitude& a : attitudes) {
    std::string word = a.word;
    if (a.code != 4)
      SavePicture(sink, std::to_string(500 + a.code), dir + word + "-Schiff.bmp",
                  ShipEdgeMarker(a.colour), PixelMode::kAlpha);
    SavePicture(sink, std::to_string(510 + a.code), dir + word + "-Objekt.bmp",
                ObjectEdgeMarker(a.colour), PixelMode::kAlpha);
    SavePicture(sink, std::to_string(520 + a.code), dir + word + "-Ramen.bmp",
                Bracket(a.colour, a.code == 4 || a.code == 5), PixelMode::kAlpha);
    if (a.code != 4)
      SavePicture(sink, std::to_string(530 + a.code), dir + word + "-Zielpunkt.bmp",
                  LeadMarker(a.colour), PixelMode::kAlpha);
  }
  SavePicture(sink, "540", dir + "Stimmungslinie.bmp", AttitudeLine(), PixelMode::kKeyed);
  SavePicture(sink, "541", dir + "Stimmungsstelle.bmp", AttitudeMark(), PixelMode::kKeyed);

  const Rgba hull = Rgb(255, 120, 70), shield = Rgb(80, 160, 255), energy = Rgb(255, 220, 70);
  SavePicture(sink, "601", dir + "H-.bmp", Bar(hull, false, false), PixelMode::kKeyed);
  SavePicture(sink, "602", dir + "H+.bmp", Bar(hull, true, false), PixelMode::kKeyed);
  SavePicture(sink, "701", dir + "S-.bmp", Bar(shield, false, false), PixelMode::kKeyed);
  SavePicture(sink, "702", dir + "S+.bmp", Bar(shield, true, false), PixelMode::kKeyed);
  SavePicture(sink, "801", dir + "E-.bmp", Bar(energy, false, true), PixelMode::kKeyed);
  SavePicture(sink, "802", dir + "E+.bmp", Bar(energy, true, true), PixelMode::kKeyed);

  SavePicture(sink, "901", dir + "Strahlung.bmp", WarningSign(0), PixelMode::kAlpha);
  SavePicture(sink, "902", dir + "Hitze.bmp", WarningSign(1), PixelMode::kAlpha);
  SavePicture(sink, "903", dir + "Explosion.bmp", WarningSign(2), PixelMode::kAlpha);

  SavePicture(sink, "5101", dir + "Raumschiff.bmp", MapShip(), PixelMode::kAlpha);
  SavePicture(sink, "5150", dir + "Anzeigen.bmp", StatusPanel(), PixelMode::kKeyed);
}
