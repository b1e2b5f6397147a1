#include "game/media/media.h"
#include "game/media/gamepad.h"

#include <gtest/gtest.h>

#include "tests/game/support/fixture_files.h"
#include "tests/game/support/media_fixture.h"

namespace {

int Red(int colour) {
  return colour & 255;
}
int Green(int colour) {
  return (colour >> 8) & 255;
}

}  // namespace

TEST(Media, KeyedDrawsSkipTheKeyColourAndOpaqueDrawsDoNot) {
  PartsPtr<MediaParts> game = MakeParts<MediaParts>();
  Media& media = game->media;
  ClearScreen(media, MakeColour(0, 0, 200));
  MakeHalfKeyedPicture(media, 50, MakeColour(255, 0, 0));
  DrawKeyed(media, 50, 100, 100);
  EXPECT_EQ(ReadScreenPixel(media, 105, 105), MakeColour(0, 0, 200));
  EXPECT_EQ(ReadScreenPixel(media, 115, 105), MakeColour(255, 0, 0));
  DrawOpaque(media, 50, 200, 100);
  EXPECT_EQ(ReadScreenPixel(media, 205, 105), MakeColour(0, 0, 0));

  // A clip shows only its source rectangle.
  ClipPicture(media, 50, 12, 0, 4, 4);
  DrawOpaque(media, 50, 300, 300);
  EXPECT_EQ(ReadScreenPixel(media, 303, 303), MakeColour(255, 0, 0));
  EXPECT_EQ(ReadScreenPixel(media, 304, 303), MakeColour(0, 0, 200));
}

TEST(Media, QuadsBlendNormallyOrAdditively) {
  PartsPtr<MediaParts> game = MakeParts<MediaParts>();
  Media& media = game->media;
  ClearScreen(media, MakeColour(100, 0, 0));
  MakeHalfKeyedPicture(media, 60, MakeColour(0, 200, 0));
  BeginQuads(media);
  SetQuadSize(media, 60, 40, 40);
  SetBlend(media, 12, 12);
  DrawQuad(media, 60, 0, 0, 255);
  EXPECT_EQ(Red(ReadScreenPixel(media, 30, 20)), 0);
  EXPECT_EQ(Green(ReadScreenPixel(media, 30, 20)), 200);
  EXPECT_EQ(ReadScreenPixel(media, 5, 20), MakeColour(100, 0, 0));  // key colour: transparent

  SetBlend(media, 5, 2);
  DrawQuad(media, 60, 100, 0, 128);  // source x alpha + destination
  const int added = ReadScreenPixel(media, 130, 20);
  EXPECT_NEAR(Red(added), 100, 2);
  EXPECT_NEAR(Green(added), 100, 3);
}

TEST(Media, RotatedQuadTurnsAboutItsCentre) {
  PartsPtr<MediaParts> game = MakeParts<MediaParts>();
  Media& media = game->media;
  ClearScreen(media, 0);
  CreatePicture(media, 70, 8, 8);
  DrawInto(media, 70);
  FillBox(media, 0, 0, 8, 8, MakeColour(255, 255, 255));
  EndDraw(media);
  CreateQuad(media, 70, 70);
  SetQuadSize(media, 70, 100, 10);  // a bar 100 long, 10 high
  RotateQuad(media, 70, 90);        // now 10 wide and 100 high around the same centre
  SetBlend(media, 12, 12);
  DrawQuad(media, 70, 400, 400, 255);
  EXPECT_NE(ReadScreenPixel(media, 450, 360), 0);  // centre (450, 405), up by 45
  EXPECT_EQ(ReadScreenPixel(media, 410, 405), 0);  // where the unrotated bar would be
}

TEST(Media, SavedPicturesLoadBackAndBadFilesFailCleanly) {
  PartsPtr<MediaParts> game = MakeParts<MediaParts>();
  FixtureFolder folder;
  Media& media = game->media;
  CreatePicture(media, 80, 3, 2);
  DrawInto(media, 80);
  FillBox(media, 1, 1, 1, 1, MakeColour(10, 20, 30));
  EndDraw(media);
  const std::string file = (folder.path / "pic.bmp").string();
  ASSERT_TRUE(SavePicture(media, 80, file));
  ASSERT_TRUE(LoadPicture(media, 81, file));
  EXPECT_EQ(PictureWidth(media, 81), 3);
  EXPECT_EQ(PictureHeight(media, 81), 2);
  ClearScreen(media, 0);
  DrawOpaque(media, 81, 0, 0);
  EXPECT_EQ(ReadScreenPixel(media, 1, 1), MakeColour(10, 20, 30));

  WriteFixtureFile(folder.path / "garbage.jpg", "not a picture at all");
  WriteFixtureFile(folder.path / "cut.jpg", std::string("\xFF\xD8\xFF\xE0", 4));
  EXPECT_FALSE(LoadPicture(media, 82, (folder.path / "garbage.jpg").string()));
  EXPECT_FALSE(LoadPicture(media, 82, (folder.path / "cut.jpg").string()));
  EXPECT_FALSE(LoadPicture(media, 82, (folder.path / "missing.bmp").string()));
  EXPECT_FALSE(PictureExists(media, 82));
}

TEST(Media, KeysAreReleasedForOneFrameAndAnyKeyCounts) {
  Media media;
  InjectKey(media, 57, true);
  ReadKeyboard(media);
  EXPECT_TRUE(KeyHeld(media, 57));
  EXPECT_TRUE(KeyHeld(media, -1));
  EXPECT_FALSE(KeyReleased(media, 57));
  // Pressed and released between two samples: released, not held.
  InjectKey(media, 57, false);
  InjectKey(media, 30, true);
  InjectKey(media, 30, false);
  ReadKeyboard(media);
  EXPECT_TRUE(KeyReleased(media, 57));
  EXPECT_TRUE(KeyReleased(media, 30));
  EXPECT_FALSE(KeyHeld(media, -1));
  ReadKeyboard(media);
  EXPECT_FALSE(KeyReleased(media, 57));
}

TEST(Media, PadButtonsArePressedForOneFrameAndAxesStayInRange) {
  Media media;
  InjectPadButton(media, kPadA, true);
  ReadKeyboard(media);
  EXPECT_TRUE(PadHeld(media, kPadA));
  EXPECT_TRUE(PadPressed(media, kPadA));
  ReadKeyboard(media);
  EXPECT_TRUE(PadHeld(media, kPadA));
  EXPECT_FALSE(PadPressed(media, kPadA));  // pressed once, not again while held
  // Pressed and released between two samples: pressed, and held for that one sample.
  InjectPadButton(media, kPadA, false);
  InjectPadButton(media, kPadY, true);
  InjectPadButton(media, kPadY, false);
  ReadKeyboard(media);
  EXPECT_FALSE(PadHeld(media, kPadA));
  EXPECT_TRUE(PadPressed(media, kPadY));
  EXPECT_TRUE(PadHeld(media, kPadY));
  ReadKeyboard(media);
  EXPECT_FALSE(PadHeld(media, kPadY));

  InjectPadAxis(media, kPadLeftX, -3);  // a device's rounding past the end
  InjectPadAxis(media, kPadRightTrigger, -0.5f);
  EXPECT_EQ(PadAxisValue(media, kPadLeftX), 0);  // not before the frame's sample
  ReadKeyboard(media);
  EXPECT_EQ(PadAxisValue(media, kPadLeftX), -1);
  EXPECT_EQ(PadAxisValue(media, kPadRightTrigger), 0);
  EXPECT_FALSE(PadHeld(media, kPadButtons));  // no such button
}
