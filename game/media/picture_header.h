#pragma once

#include <string>

// A picture's size as its file's header claims it, checked before anything is decoded: a header
// can claim any size, and decoding allocates what it claims. Nothing the game shows is larger
// than 4096 x 4096.
constexpr int kLargestPictureSide = 4096;

enum class PictureFileCheck {
  kFits,        // a BMP or JPEG header within the limit
  kTooLarge,    // a side above kLargestPictureSide
  kUnreadable,  // missing, neither BMP nor JPEG, or a header that names no size
};

// The size a BMP or JPEG file (told apart by their first bytes) claims; false when its header
// cannot be read.
bool ReadPictureSize(const std::string& file, int& width, int& height);

PictureFileCheck CheckPictureFile(const std::string& file);
