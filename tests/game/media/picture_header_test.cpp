#include "game/media/picture_header.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "game/media/media.h"
#include "tests/game/support/fixture_files.h"
#include "tests/game/support/media_fixture.h"

namespace {

std::string Little32(std::uint32_t v) {
  return std::string{char(v & 255), char((v >> 8) & 255), char((v >> 16) & 255),
                     char((v >> 24) & 255)};
}

std::string Little16(std::uint16_t v) {
  return std::string{char(v & 255), char(v >> 8)};
}

std::string Big16(std::uint16_t v) {
  return std::string{char(v >> 8), char(v & 255)};
}

// A 70-byte BMP whose info header claims the given size; the pixels are not there.
std::string LyingBmp(std::int32_t width, std::int32_t height) {
  std::string file = "BM" + Little32(70) + Little32(0) + Little32(54);
  file += Little32(40) + Little32(static_cast<std::uint32_t>(width)) +
          Little32(static_cast<std::uint32_t>(height)) + Little16(1) + Little16(24) + Little32(0) +
          Little32(16) + Little32(2835) + Little32(2835) + Little32(0) + Little32(0);
  return file + std::string(16, '\0');
}

// The oldest BMP form: a 12-byte info header with 16-bit sides.
std::string CoreBmp(std::uint16_t width, std::uint16_t height) {
  return "BM" + Little32(26 + 4) + Little32(0) + Little32(26) + Little32(12) + Little16(width) +
         Little16(height) + Little16(1) + Little16(24) + std::string(4, '\0');
}

// The markers up to the first scan of a baseline JPEG claiming the given size, with a few bytes
// of scan data: enough for a header, nowhere near enough for the pixels.
std::string LyingJpeg(std::uint16_t width, std::uint16_t height) {
  std::string file = "\xFF\xD8";
  file += "\xFF\xC0" + Big16(17) + "\x08" + Big16(height) + Big16(width) + "\x03";
  file += std::string("\x01\x22\x00\x02\x11\x01\x03\x11\x01", 9);
  file += "\xFF\xDA" + Big16(12) + std::string("\x03\x01\x00\x02\x11\x03\x11\x00\x3F\x00", 10);
  return file + std::string("\x12\x34\x56\x78\xFF\xD9", 6);
}

}  // namespace

TEST(PictureHeader, ReadsTheClaimedSizeOfEveryBmpFormAndOfJpegs) {
  FixtureFolder folder;
  int width = 0;
  int height = 0;
  WriteFixtureFile(folder.path / "lying.bmp", LyingBmp(60000, 60000));
  ASSERT_TRUE(ReadPictureSize((folder.path / "lying.bmp").string(), width, height));
  EXPECT_EQ(width, 60000);
  EXPECT_EQ(height, 60000);
  // Rows stored top-down have a negative height.
  WriteFixtureFile(folder.path / "topdown.bmp", LyingBmp(300, -200));
  ASSERT_TRUE(ReadPictureSize((folder.path / "topdown.bmp").string(), width, height));
  EXPECT_EQ(height, 200);
  WriteFixtureFile(folder.path / "core.bmp", CoreBmp(640, 480));
  ASSERT_TRUE(ReadPictureSize((folder.path / "core.bmp").string(), width, height));
  EXPECT_EQ(width, 640);
  EXPECT_EQ(height, 480);
  // Told apart by content: a JPEG named .bmp is still read as a JPEG.
  WriteFixtureFile(folder.path / "photo.bmp", LyingJpeg(320, 200));
  ASSERT_TRUE(ReadPictureSize((folder.path / "photo.bmp").string(), width, height));
  EXPECT_EQ(width, 320);
  EXPECT_EQ(height, 200);

  // A picture the game saved reads back with its size.
  PartsPtr<MediaParts> game = MakeParts<MediaParts>();
  CreatePicture(game->media, 80, 7, 5);
  ASSERT_TRUE(SavePicture(game->media, 80, (folder.path / "saved.bmp").string()));
  ASSERT_TRUE(ReadPictureSize((folder.path / "saved.bmp").string(), width, height));
  EXPECT_EQ(width, 7);
  EXPECT_EQ(height, 5);
}

TEST(PictureHeader, RefusesSidesAbove4096AndHeadersThatNameNoSize) {
  FixtureFolder folder;
  auto check = [&](const std::string& name, const std::string& bytes) {
    WriteFixtureFile(folder.path / name, bytes);
    return CheckPictureFile((folder.path / name).string());
  };
  EXPECT_EQ(check("a.bmp", LyingBmp(60000, 60000)), PictureFileCheck::kTooLarge);
  EXPECT_EQ(check("b.bmp", LyingBmp(4096, 4096)), PictureFileCheck::kFits);
  EXPECT_EQ(check("c.bmp", LyingBmp(4097, 1)), PictureFileCheck::kTooLarge);
  EXPECT_EQ(check("d.bmp", LyingBmp(1, -4097)), PictureFileCheck::kTooLarge);
  EXPECT_EQ(check("e.bmp", LyingBmp(1, INT32_MIN)), PictureFileCheck::kTooLarge);
  EXPECT_EQ(check("f.bmp", CoreBmp(5000, 10)), PictureFileCheck::kTooLarge);
  EXPECT_EQ(check("a.jpg", LyingJpeg(60000, 60000)), PictureFileCheck::kTooLarge);
  EXPECT_EQ(check("b.jpg", LyingJpeg(4096, 4096)), PictureFileCheck::kFits);
  EXPECT_EQ(check("c.jpg", LyingJpeg(64, 4097)), PictureFileCheck::kTooLarge);

  EXPECT_EQ(check("zero.bmp", LyingBmp(0, 10)), PictureFileCheck::kUnreadable);
  EXPECT_EQ(check("negative.bmp", LyingBmp(-10, 10)), PictureFileCheck::kUnreadable);
  EXPECT_EQ(check("short.bmp", LyingBmp(10, 10).substr(0, 20)), PictureFileCheck::kUnreadable);
  EXPECT_EQ(check("cut.jpg", std::string("\xFF\xD8\xFF\xE0", 4)), PictureFileCheck::kUnreadable);
  EXPECT_EQ(check("text.bmp", "not a picture at all"), PictureFileCheck::kUnreadable);
  EXPECT_EQ(CheckPictureFile((folder.path / "missing.bmp").string()),
            PictureFileCheck::kUnreadable);
}
