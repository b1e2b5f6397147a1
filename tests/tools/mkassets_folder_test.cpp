// The generated game folder, made once from the repository's data: every planned file and every
// catalogue picture exists in the form the game loads, markers give the catalogue's mounts, and
// a second run writes the same bytes.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>

#include <jpeglib.h>
#include <unistd.h>

#include "formats/angles.h"
#include "formats/latin1.h"
#include "formats/media_plan.h"
#include "formats/ship_catalogue.h"
#include "formats/weapon_catalogue.h"
#include "tests/support/temp_folder.h"
#include "tools/mkassets/generate.h"
#include "tools/mkassets/media_extra.h"
#include "tools/mkassets/text_render.h"

namespace {

namespace fs = std::filesystem;

fs::path DataFolder() {
  const char* source = std::getenv("VELMARITH_SOURCE_DIR");
  return fs::path(source ? source : MKASSETS_TEST_SOURCE_DIR) / "data";
}

struct Picture {
  int width = 0, height = 0;
  bool alpha = false;
  std::vector<std::uint32_t> pixels;  // ARGB
  std::uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Reads a picture as the game does: BMP through SDL, JPEG through libjpeg.
bool LoadPicture(const fs::path& path, Picture* out) {
  if (path.extension() == ".jpg") {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    jpeg_decompress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    bool ok = jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK;
    if (ok) {
      info.out_color_space = JCS_RGB;
      jpeg_start_decompress(&info);
      out->width = info.output_width, out->height = info.output_height;
      std::vector<unsigned char> row(out->width * 3);
      while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        for (int x = 0; x < out->width; ++x)
          out->pixels.push_back(0xFF000000u | row[x * 3] << 16 | row[x * 3 + 1] << 8 |
                                row[x * 3 + 2]);
      }
      jpeg_finish_decompress(&info);
    }
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    return ok;
  }
  SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
  if (!loaded) return false;
  out->alpha = loaded->format->Amask != 0;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(loaded);
  out->width = argb->w, out->height = argb->h;
  for (int y = 0; y < argb->h; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(argb->pixels) +
                                                 y * argb->pitch);
    out->pixels.insert(out->pixels.end(), row, row + argb->w);
  }
  SDL_FreeSurface(argb);
  return true;
}

// The folder the build made (the test binary depends on it, so it is current); a run outside
// the build tree generates its own.
class MkassetsFolder : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    const char* variable = std::getenv("VELMARITH_BUILD_DIR");
    const fs::path build = variable ? variable : MKASSETS_TEST_BUILD_DIR;
    if (fs::exists(build / "Velmarith" / ".mkassets-stamp")) {
      folder_ = build / "Velmarith";
      return;
    }
    scratch_ = new TempFolder("mkassets-folder");
    folder_ = scratch_->path;
    GenerateOptions options;
    options.gameDir = folder_;
    options.dataDir = DataFolder();
    options.voices = false;
    AssetSink sink;
    GenerateGameFolder(options, sink);
  }
  static void TearDownTestSuite() {
    delete scratch_;
    scratch_ = nullptr;
  }

  static fs::path File(const std::string& dataPath) { return DataPath(folder_, dataPath); }
  static Picture Load(const std::string& dataPath) {
    Picture picture;
    EXPECT_TRUE(LoadPicture(File(dataPath), &picture)) << Latin1ToUtf8(dataPath);
    return picture;
  }

  static fs::path folder_;
  static TempFolder* scratch_;  // set when the suite generated its own folder
};
fs::path MkassetsFolder::folder_;
TempFolder* MkassetsFolder::scratch_ = nullptr;

TEST_F(MkassetsFolder, EveryPlannedFileLoadsAsTheGameLoadsIt) {
  int pictures = 0, sounds = 0;
  for (const std::string& dataPath : PlannedDataPaths()) {
    const fs::path path = File(dataPath);
    ASSERT_TRUE(fs::exists(path)) << Latin1ToUtf8(dataPath);
    if (path.extension() == ".wav") {
      SDL_AudioSpec audioSpec;
      Uint8* buffer = nullptr;
      Uint32 length = 0;
      ASSERT_NE(SDL_LoadWAV(path.c_str(), &audioSpec, &buffer, &length), nullptr) << path;
      EXPECT_EQ(audioSpec.format, AUDIO_S16LSB) << path;
      EXPECT_GT(length, 1000u) << path;
      SDL_FreeWAV(buffer);
      ++sounds;
    } else {
      Picture picture = Load(dataPath);
      EXPECT_GT(picture.width, 0) << path;
      ++pictures;
    }
  }
  EXPECT_GT(pictures, 100);
  EXPECT_EQ(sounds, 9);  // nine clips; the plasma clip serves two numbers
  // The game folder's other parts.
  EXPECT_TRUE(fs::is_directory(folder_ / "SAVE"));
  EXPECT_TRUE(fs::exists(folder_ / "INI" / "Universum.ini"));
}

TEST_F(MkassetsFolder, PicturesHaveTheSizesTheDrawingCodeUses) {
  const std::string surfaces =
      "BMP\\Oberfl\xE4"
      "chen\\";
  struct Expect {
    std::string path;
    int width, height;
  };
  const Expect expected[] = {
      {surfaces + "Info.bmp", 768, 512},   // frame pieces at x 760 and y 504
      {surfaces + "Karte.bmp", 510, 510},  // panel picture 5300
      {surfaces + "Button_Over.bmp", 32, 32},
      {surfaces + "Button_Andocken.bmp", 32, 32},
      {surfaces + "Button_X.bmp", 32, 32},
      {surfaces + "Button_Over_klein.bmp", 20, 20},
      {surfaces + "Button_Hoch.bmp", 20, 20},
      {surfaces + "Button_Mitte.bmp", 20, 20},
      {"BMP\\Symbole\\Aktiv-Ramen.bmp", 128, 128},
      {"BMP\\Symbole\\Feind-Ramen.bmp", 128, 128},
      {"BMP\\Symbole\\Stimmungslinie.bmp", 200, 8},  // clipped around x 100
      {"BMP\\LOGO.jpg", 1024, 768},
      {"BMP\\Symbole\\Kreuz.bmp", 25, 25},  // drawn at the mouse minus 12
  };
  for (const Expect& e : expected) {
    Picture p = Load(e.path);
    EXPECT_EQ(p.width, e.width) << e.path;
    EXPECT_EQ(p.height, e.height) << e.path;
  }
  Picture bar = Load("BMP\\LOAD.jpg");
  EXPECT_EQ(bar.width, 1024);
  EXPECT_GE(bar.height, 64);  // drawn at y 704
  // Planets and suns: the ".bmp" loaded over the ".jpg" has the same size.
  for (const char* name : {"Planet_1", "Planet_Atmo_7", "Sonne_1", "Sonne_Atmo_1"}) {
    Picture jpg = Load(std::string("BMP\\Planeten\\") + name + ".jpg");
    Picture bmp = Load(std::string("BMP\\Planeten\\") + name + ".bmp");
    EXPECT_EQ(jpg.width, bmp.width) << name;
    EXPECT_EQ(jpg.height, bmp.height) << name;
  }
}

TEST_F(MkassetsFolder, PanelsAreOpaqueWhereTheGameCutsThem) {
  // Any key black inside the text-box frame or a panel would punch holes into them.
  for (const char* name : {"Info.bmp", "Karte.bmp", "260.bmp"}) {
    Picture p = Load(std::string("BMP\\Oberfl\xE4"
                                 "chen\\") +
                     name);
    int holes = 0;
    for (std::uint32_t pixel : p.pixels) holes += (pixel & 0xFFFFFF) == 0;
    EXPECT_EQ(holes, 0) << name;
  }
  // The fade quad and effects rely on black being nothing: a glow's corners are black.
  Picture glow = Load("BMP\\Effekte\\Kreis_R.bmp");
  EXPECT_EQ(glow.at(0, 0) & 0xFFFFFF, 0u);
  EXPECT_NE(glow.at(glow.width / 2, glow.height / 2) & 0xFFFFFF, 0u);
}

TEST_F(MkassetsFolder, FontsHoldReadableDistinctGlyphsForLatin1) {
  for (const PlannedFile& font : PlannedFontPictures()) {
    Picture p = Load(font.dataPath);
    const int w = font.number % 10 == 3 ? 6 : 10;
    ASSERT_EQ(p.width, 224 * w) << font.dataPath;
    ASSERT_EQ(p.height, 20);
    ASSERT_TRUE(p.alpha) << font.dataPath;
    auto cell = [&](int code) {
      std::vector<std::uint32_t> pixels;
      for (int y = 0; y < 20; ++y)
        for (int x = 0; x < w; ++x) pixels.push_back(p.at((code - 32) * w + x, y));
      return pixels;
    };
    auto inked = [&](int code) {
      int n = 0;
      for (std::uint32_t pixel : cell(code)) n += (pixel >> 24) > 128;
      return n;
    };
    EXPECT_EQ(inked(' '), 0);
    for (int code :
         {int('A'), int('a'), int('M'), int('0'), 0xE4, 0xF6, 0xFC, 0xDF, 0xC4, 0xD6, 0xDC})
      EXPECT_GE(inked(code), 3) << font.dataPath << " code " << code;
    // Umlauts differ from their base letters (the dots must show), and "ß" from "B".
    EXPECT_GT(inked(0xE4), inked('a'));
    EXPECT_GT(inked(0xD6), inked('O'));
    EXPECT_NE(cell(0xDF), cell('B'));
  }
}

TEST_F(MkassetsFolder, EveryShipTypeHasAPictureAndMarkerWithItsMounts) {
  const ShipCatalogue ships = LoadShipTypes(folder_ / "INI" / "Raumschiffe.ini");
  ASSERT_GT(ships.shipTypeCount, 0);
  for (int n = 1; n <= ships.shipTypeCount; ++n) {
    const ShipType& ship = ships.shipTypes[n];
    SCOPED_TRACE(Latin1ToUtf8(ship.name));
    Picture sprite = Load(ShipPictureDataPath(ship.name));
    Picture marker = Load(ShipMarkerDataPath(ship.name));
    ASSERT_EQ(marker.width, sprite.width);
    ASSERT_EQ(marker.height, sprite.height);
    ASSERT_EQ(sprite.width % 4, 0);  // the centre falls on an even pixel
    EXPECT_TRUE(sprite.alpha);

    RgbImage rgb{marker.width, marker.height, {}};
    for (std::uint32_t pixel : marker.pixels) {
      rgb.pixels.push_back(pixel >> 16 & 255);
      rgb.pixels.push_back(pixel >> 8 & 255);
      rgb.pixels.push_back(pixel & 255);
    }
    const ShipMarkerPoints points = FindShipMarkerPoints(rgb, ship.size);
    EXPECT_EQ(points.mountCount, ship.slotCount);
    EXPECT_EQ(points.extraMounts, 0);
    ASSERT_TRUE(points.exhaustFound);
    // The exhaust sits behind the ship, the mounts within the hull's radius and in mirrored
    // pairs (an odd slot on the centre line).
    EXPECT_GT(points.exhaustAngle, 90);
    EXPECT_LT(points.exhaustAngle, 270);
    EXPECT_GT(points.exhaustDistance, ship.size / 4);
    std::vector<int> angles;
    for (int k = 1; k <= points.mountCount; ++k) {
      EXPECT_GT(points.mounts[k].distance, 0);
      EXPECT_LE(points.mounts[k].distance, ship.size);
      angles.push_back(points.mounts[k].angle);
      // The mount lies on the drawn hull: read the sprite where the game fires from.
      const double a = points.mounts[k].angle * kRadiansPerDegree;
      const double r = points.mounts[k].distance / double(ship.size) * sprite.width / 2;
      const int x = static_cast<int>(std::lround(sprite.width / 2 + r * std::cos(a)));
      const int y = static_cast<int>(std::lround(sprite.height / 2 + r * std::sin(a)));
      int best = 0;
      for (int j = -2; j <= 2; ++j)
        for (int i = -2; i <= 2; ++i)
          best = std::max<int>(best, sprite.at(std::clamp(x + i, 0, sprite.width - 1),
                                               std::clamp(y + j, 0, sprite.height - 1)) >>
                                         24);
      EXPECT_GT(best, 128) << "mount " << k << " off the hull";
    }
    std::vector<int> mirrored = angles;
    for (int& a : mirrored) a = -a;
    std::sort(angles.begin(), angles.end());
    std::sort(mirrored.begin(), mirrored.end());
    EXPECT_EQ(angles, mirrored);
  }
}

TEST_F(MkassetsFolder, EveryWeaponTypeHasItsTwoPictures) {
  const WeaponCatalogue weapons = LoadWeaponTypes(folder_ / "INI" / "Waffen.ini");
  ASSERT_GT(weapons.weaponTypeCount, 0);
  for (int n = 1; n <= weapons.weaponTypeCount; ++n) {
    const std::string& name = weapons.weaponTypes[n].name;
    Picture shot = Load(WeaponPictureDataPath(name));
    Picture icon = Load(WeaponSecondPictureDataPath(name));
    // Drawn additively: the shot must give light, and nothing at its corners.
    std::uint32_t brightest = 0;
    for (std::uint32_t pixel : shot.pixels) brightest = std::max(brightest, pixel & 0xFF);
    EXPECT_GT(shot.width, 0) << Latin1ToUtf8(name);
    EXPECT_EQ(shot.at(0, 0) & 0xFFFFFF, 0u) << Latin1ToUtf8(name);
    EXPECT_GT(icon.width, 0) << Latin1ToUtf8(name);
  }
}

TEST_F(MkassetsFolder, ASecondRunWritesTheSameBytes) {
  const TempFolder scratch("mkassets-again");
  const fs::path& again = scratch.path;
  GenerateOptions options;
  options.gameDir = again;
  options.dataDir = DataFolder();
  options.voices = false;
  AssetSink sink;
  GenerateGameFolder(options, sink);
  // The generated media must match byte for byte (voices are left out of the second run).
  int compared = 0;
  for (const auto& entry : fs::recursive_directory_iterator(again)) {
    if (!entry.is_regular_file()) continue;
    const fs::path relative = fs::relative(entry.path(), again);
    if (*relative.begin() != "BMP" && *relative.begin() != "WAV") continue;
    const fs::path first = folder_ / relative;
    ASSERT_TRUE(fs::exists(first)) << first;
    std::ifstream a(first, std::ios::binary), b(entry.path(), std::ios::binary);
    std::string bytesA((std::istreambuf_iterator<char>(a)), {});
    std::string bytesB((std::istreambuf_iterator<char>(b)), {});
    EXPECT_TRUE(bytesA == bytesB) << relative;
    ++compared;
  }
  EXPECT_GT(compared, 200);
}

TEST(MkassetsVoices, EveryDockingRingGetsItsFourClips) {
  namespace fs = std::filesystem;
  const TempFolder scratch("mkassets-voices");
  const fs::path& folder = scratch.path;
  // A one-system universe whose place name has an umlaut and a quote, spoken without a shell.
  fs::create_directories(folder / "INI" / "Heimat");
  std::ofstream(folder / "INI" / "Universum.ini", std::ios::binary)
      << "[Systeme]\r\nHeimat\r\n0\r\n0\r\n";
  std::ofstream(folder / "INI" / "Heimat" / "System.ini", std::ios::binary)
      << "[Andockringe]\r\n  Ring\r\n  Station \"M\xFChle\"\r\n  \r\n  10\r\n  20\r\n  0\r\n  "
         "0\r\n  0\r\n  0\r\n";
  const std::vector<VoicePlace> places = ListVoicePlaces(folder);
  ASSERT_EQ(places.size(), 1u);
  EXPECT_EQ(places[0].systemFolder, "Heimat");
  EXPECT_EQ(places[0].placeName, "Station \"M\xFChle\"");
  // The install script provides espeak-ng: without it the game folder would have no voices.
  ASSERT_TRUE(VoiceAvailable()) << "espeak-ng is not installed";
  AssetSink sink;
  sink.gameDir = folder;
  EXPECT_EQ(GenerateVoices(sink, places), 4);
  for (const char* clip :
       {"Hier_.wav", "Andockerlaubnis_.wav", "_erteilt.wav", "Station \"M\xC3\xBChle\".wav"}) {
    const fs::path path = folder / "WAV" / "Heimat" / clip;
    SDL_AudioSpec audioSpec;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    ASSERT_NE(SDL_LoadWAV(path.c_str(), &audioSpec, &buffer, &length), nullptr) << path;
    EXPECT_EQ(audioSpec.format, AUDIO_S16LSB);
    EXPECT_GT(length, 2000u) << path;
    SDL_FreeWAV(buffer);
  }
}

}  // namespace
