#include "tests/game/support/media_fixture.h"

#include <gtest/gtest.h>

void OpenTestScreen(Media& media, bool headless) {
  EXPECT_TRUE(InitVideo(media, headless));
  EXPECT_TRUE(InitFonts(media));
  EXPECT_TRUE(OpenScreen(media, kScreenWidth, kScreenHeight, 32));
}

void MakeHalfKeyedPicture(Media& media, int number, int colour) {
  CreatePicture(media, number, 20, 20);
  DrawInto(media, number);
  FillBox(media, 10, 0, 10, 20, colour);
  EndDraw(media);
  CreateQuad(media, number, number);
}
