#include "tests/game/support/fixture_files.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <vector>

#include <jpeglib.h>

#include "formats/latin1.h"
#include "formats/media_plan.h"

namespace {

void WriteJpeg(const std::filesystem::path& file, int width, int height, unsigned char grey) {
  std::FILE* out = std::fopen(file.c_str(), "wb");
  ASSERT_NE(out, nullptr);
  jpeg_compress_struct info;
  jpeg_error_mgr error;
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, out);
  info.image_width = width;
  info.image_height = height;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row(width * 3, grey);
  while (info.next_scanline < info.image_height) {
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::fclose(out);
}

// Font pictures: every glyph cell gets a block in its middle (the text colour of the set).
void WriteFontPicture(const std::filesystem::path& file, int cellWidth) {
  SDL_Surface* surface =
      SDL_CreateRGBSurfaceWithFormat(0, 224 * cellWidth, 20, 24, SDL_PIXELFORMAT_BGR24);
  SDL_FillRect(surface, nullptr, 0);
  for (int cell = 0; cell < 224; ++cell) {
    SDL_Rect block{cell * cellWidth + 1, 5, cellWidth - 2, 10};
    SDL_FillRect(surface, &block, SDL_MapRGB(surface->format, 200, 220, 240));
  }
  SDL_SaveBMP(surface, file.c_str());
  SDL_FreeSurface(surface);
}

void WriteBmp(const std::filesystem::path& file, int width, int height, SDL_Color colour) {
  SDL_Surface* surface =
      SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_BGR24);
  SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, colour.r, colour.g, colour.b));
  SDL_SaveBMP(surface, file.c_str());
  SDL_FreeSurface(surface);
}

// A 0.05 s tone as 16-bit mono PCM.
void WriteWav(const std::filesystem::path& file) {
  const int rate = 22050;
  const int samples = rate / 20;
  std::string data;
  for (int i = 0; i < samples; ++i) {
    const auto value = static_cast<int16_t>((i % 50 < 25) ? 3000 : -3000);
    data.append(reinterpret_cast<const char*>(&value), 2);
  }
  auto u32 = [](uint32_t v) { return std::string(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [](uint16_t v) { return std::string(reinterpret_cast<const char*>(&v), 2); };
  std::string wav = "RIFF" + u32(36 + data.size()) + "WAVEfmt " + u32(16) + u16(1) + u16(1) +
                    u32(rate) + u32(rate * 2) + u16(2) + u16(16) + "data" + u32(data.size()) + data;
  WriteFixtureFile(file, wav);
}

}  // namespace

void WriteFixtureFile(const std::filesystem::path& file, const std::string& bytes) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out << bytes;
}

void WriteMediaFixture(const std::filesystem::path& folder) {
  for (const std::string& dataPath : PlannedDataPaths()) {
    const std::filesystem::path file = DataPath(folder, dataPath);
    std::filesystem::create_directories(file.parent_path());
    const std::string name = file.filename().string();
    if (dataPath.find("Schrift\\") != std::string::npos) {
      WriteFontPicture(file, name.find(" 3.") != std::string::npos ? 6 : 10);
    } else if (name == "LOAD.jpg") {
      WriteJpeg(file, 1024, 100, 200);  // the progress bar is cut from the left of a full row
    } else if (file.extension() == ".jpg") {
      WriteJpeg(file, 64, 64, 90);
    } else if (file.extension() == ".wav") {
      WriteWav(file);
    } else if (name == "Info.bmp") {
      WriteBmp(file, 768, 512, SDL_Color{40, 60, 90, 255});
    } else {
      WriteBmp(file, 32, 32, SDL_Color{120, 130, 140, 255});
    }
  }
}
