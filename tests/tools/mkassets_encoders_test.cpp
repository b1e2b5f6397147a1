// The file encoders: what the game's loaders read back from them.
#include <SDL.h>
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>

#include "tools/mkassets/encoders.h"

namespace {

SDL_Surface* LoadBmpBytes(const std::string& bytes) {
  SDL_Surface* loaded =
      SDL_LoadBMP_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1);
  if (!loaded) return nullptr;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(loaded);
  return argb;
}

std::uint32_t PixelAt(SDL_Surface* s, int x, int y) {
  return reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(s->pixels) + y * s->pitch)[x];
}

std::uint32_t Be32(const std::string& b, size_t at) {
  return std::uint32_t(std::uint8_t(b[at])) << 24 | std::uint32_t(std::uint8_t(b[at + 1])) << 16 |
         std::uint32_t(std::uint8_t(b[at + 2])) << 8 | std::uint8_t(b[at + 3]);
}

TEST(MkassetsEncoders, AlphaBmpReadsBackThroughSdlWithItsAlpha) {
  Image image = MakeImage(3, 2);
  At(image, 0, 0) = {1, 0, 0, 1};     // opaque red
  At(image, 1, 0) = {0, 0, 1, 0.5f};  // half-transparent blue
  At(image, 2, 0) = {0, 0, 0, 1};     // painted black must not turn into the key colour
  At(image, 0, 1) = {0, 0, 0, 0};     // transparent
  SDL_Surface* s = LoadBmpBytes(EncodeBmp(image, PixelMode::kAlpha));
  ASSERT_NE(s, nullptr) << SDL_GetError();
  EXPECT_EQ(s->w, 3);
  EXPECT_EQ(s->h, 2);
  EXPECT_EQ(PixelAt(s, 0, 0), 0xFFFF0000u);  // rows are not flipped
  EXPECT_EQ(PixelAt(s, 1, 0) >> 24, 128u);
  EXPECT_EQ(PixelAt(s, 1, 0) & 0xFF, 255u);
  EXPECT_EQ(PixelAt(s, 2, 0), 0xFF010101u);
  EXPECT_EQ(PixelAt(s, 0, 1) >> 24, 0u);
  SDL_FreeSurface(s);
}

TEST(MkassetsEncoders, KeyedBmpKeepsDarkPartsVisibleAndKeysTheRest) {
  Image image = MakeImage(5, 1);                  // odd width: rows are padded to four bytes
  At(image, 0, 0) = {0.001f, 0.001f, 0.001f, 1};  // rounds to black: lifted to (1, 1, 1)
  At(image, 1, 0) = {1, 1, 1, 0.1f};              // barely covered: key black
  At(image, 2, 0) = {1, 0.5f, 0, 0.5f};           // half covered: colour x alpha
  At(image, 3, 0) = {0.2f, 0.4f, 0.6f, 1};
  SDL_Surface* s = LoadBmpBytes(EncodeBmp(image, PixelMode::kKeyed));
  ASSERT_NE(s, nullptr) << SDL_GetError();
  EXPECT_EQ(PixelAt(s, 0, 0) & 0xFFFFFF, 0x010101u);
  EXPECT_EQ(PixelAt(s, 1, 0) & 0xFFFFFF, 0u);
  EXPECT_EQ(PixelAt(s, 2, 0) & 0xFFFFFF, 0x804000u);
  EXPECT_EQ(PixelAt(s, 3, 0) & 0xFFFFFF, 0x336699u);
  EXPECT_EQ(PixelAt(s, 4, 0) & 0xFFFFFF, 0u);  // untouched: nothing painted
  SDL_FreeSurface(s);
}

TEST(MkassetsEncoders, PngHoldsTheRowsUncorrupted) {
  Image image = MakeImage(2, 2);
  At(image, 0, 0) = {1, 0, 0, 1};
  At(image, 1, 1) = {0, 1, 1, 1};
  std::string png = EncodePng(image);
  ASSERT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  EXPECT_EQ(png.substr(12, 4), "IHDR");
  EXPECT_EQ(Be32(png, 16), 2u);
  EXPECT_EQ(Be32(png, 20), 2u);
  size_t idat = png.find("IDAT");
  ASSERT_NE(idat, std::string::npos);
  std::uint32_t length = Be32(png, idat - 4);
  std::string raw(2 * (1 + 2 * 3), '\0');
  uLongf rawSize = raw.size();
  ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(raw.data()), &rawSize,
                       reinterpret_cast<const Bytef*>(png.data() + idat + 4), length),
            Z_OK);
  EXPECT_EQ(raw, std::string("\0\xFF\0\0\0\0\0"
                             "\0\0\0\0\0\xFF\xFF",
                             14));
  // The chunk's checksum covers type and body.
  EXPECT_EQ(Be32(png, idat + 4 + length),
            crc32(0, reinterpret_cast<const Bytef*>(png.data() + idat), length + 4));
}

TEST(MkassetsEncoders, WavIsMono16BitPcmWithClampedSamples) {
  std::string wav = EncodeWav({0.0f, 1.0f, -1.0f, 2.0f, -0.5f}, 22050);
  SDL_AudioSpec audioSpec;
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  ASSERT_NE(SDL_LoadWAV_RW(SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size())), 1,
                           &audioSpec, &buffer, &length),
            nullptr)
      << SDL_GetError();
  EXPECT_EQ(audioSpec.freq, 22050);
  EXPECT_EQ(audioSpec.channels, 1);
  EXPECT_EQ(audioSpec.format, AUDIO_S16LSB);
  ASSERT_EQ(length, 10u);
  const auto* samples = reinterpret_cast<const std::int16_t*>(buffer);
  EXPECT_EQ(samples[0], 0);
  EXPECT_EQ(samples[1], 32767);
  EXPECT_EQ(samples[2], -32767);
  EXPECT_EQ(samples[3], 32767);  // clamped, not wrapped
  EXPECT_EQ(samples[4], -16384);
  SDL_FreeWAV(buffer);
}

}  // namespace
