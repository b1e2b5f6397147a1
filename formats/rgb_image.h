#pragma once

#include <cstdint>
#include <vector>

// A picture as plain pixels, so that the library needs no graphics library: rows from the top,
// three bytes (red, green, blue) per pixel, no padding between rows.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // width * height * 3 bytes
};
