#include "game/media/picture_header.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "game/media/media_internal.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

std::uint32_t Little32(const unsigned char* bytes) {
  return bytes[0] | (std::uint32_t(bytes[1]) << 8) | (std::uint32_t(bytes[2]) << 16) |
         (std::uint32_t(bytes[3]) << 24);
}

std::uint16_t Little16(const unsigned char* bytes) {
  return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

// The file header (14 bytes), then the info header: its own size first, then width and height,
// 16-bit in the oldest (12-byte) form and signed 32-bit in all later ones, where a negative
// height means rows stored top-down.
bool ReadBmpSize(const unsigned char* header, size_t length, int& width, int& height) {
  if (length < 26) return false;
  const std::uint32_t infoSize = Little32(header + 14);
  std::int64_t w = 0;
  std::int64_t h = 0;
  if (infoSize == 12) {
    w = Little16(header + 18);
    h = Little16(header + 20);
  } else if (infoSize >= 16) {
    w = static_cast<std::int32_t>(Little32(header + 18));
    h = std::llabs(static_cast<std::int32_t>(Little32(header + 22)));
  } else {
    return false;
  }
  if (w <= 0 || h <= 0) return false;
  width = static_cast<int>(std::min<std::int64_t>(w, INT32_MAX));
  height = static_cast<int>(std::min<std::int64_t>(h, INT32_MAX));
  return true;
}

}  // namespace

bool ReadPictureSize(const std::string& file, int& width, int& height) {
  unsigned char header[26] = {};
  size_t length = 0;
  {
    std::unique_ptr<std::FILE, FileCloser> input(std::fopen(file.c_str(), "rb"));
    if (!input) return false;
    length = std::fread(header, 1, sizeof header, input.get());
  }
  if (length >= 2 && header[0] == 'B' && header[1] == 'M') {
    return ReadBmpSize(header, length, width, height);
  }
  if (length >= 2 && header[0] == 0xFF && header[1] == 0xD8)
    return ReadJpegSize(file, width, height);
  return false;
}

PictureFileCheck CheckPictureFile(const std::string& file) {
  int width = 0;
  int height = 0;
  if (!ReadPictureSize(file, width, height)) return PictureFileCheck::kUnreadable;
  if (width > kLargestPictureSide || height > kLargestPictureSide) {
    return PictureFileCheck::kTooLarge;
  }
  return PictureFileCheck::kFits;
}
