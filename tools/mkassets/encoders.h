#pragma once

#include <string>
#include <vector>

#include "tools/mkassets/image.h"

// How a painted picture becomes the bytes the game draws. Black (0, 0, 0) is every picture's key
// colour, so each mode decides which pixels end up exactly black.
enum class PixelMode {
  kLight,  // 24-bit, colour as painted: drawn additively, black adds nothing
  kKeyed,  // 24-bit, colour x alpha; pixels below 20 % coverage become key black, every other
           // pixel at least (1, 1, 1)
  kAlpha,  // 32-bit with an alpha channel: soft edges under normal blending
};

std::string EncodeBmp(const Image& image, PixelMode mode);
// Baseline JPEG without chroma subsampling, so that key black around a body stays black. The
// mode decides the colours as for BMP (kAlpha pictures are written as kKeyed).
std::string EncodeJpeg(const Image& image, int quality, PixelMode mode = PixelMode::kKeyed);
// RGB PNG (for review sheets only; the game reads no PNG).
std::string EncodePng(const Image& image);
// Mono 16-bit PCM WAV.
std::string EncodeWav(const std::vector<float>& samples, int sampleRate);

// The 8-bit colour a pixel is written as in the 24-bit modes (what the game will see).
void PixelBytes(const Rgba& p, PixelMode mode, unsigned char out[3]);
