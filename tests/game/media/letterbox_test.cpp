#include "game/media/letterbox.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  int windowWidth, windowHeight, drawableWidth, drawableHeight;
  int windowX, windowY;
  int pictureX, pictureY;
};

void ExpectMapped(const Case& c) {
  const ScreenPoint point = WindowPointToScreen(c.windowWidth, c.windowHeight, c.drawableWidth,
                                                c.drawableHeight, c.windowX, c.windowY);
  EXPECT_EQ(point.x, c.pictureX) << c.windowWidth << "x" << c.windowHeight << " at " << c.windowX
                                 << "," << c.windowY;
  EXPECT_EQ(point.y, c.pictureY) << c.windowWidth << "x" << c.windowHeight << " at " << c.windowX
                                 << "," << c.windowY;
}

}  // namespace

TEST(Letterbox, ThePictureFillsOneAxisAndIsCentredOnTheOther) {
  const PictureBox same = LetterboxIn(1024, 768);
  EXPECT_EQ(same.x, 0);
  EXPECT_EQ(same.width, 1024);
  const PictureBox wide = LetterboxIn(1920, 1080);  // bars left and right
  EXPECT_EQ(wide.x, 240);
  EXPECT_EQ(wide.y, 0);
  EXPECT_EQ(wide.width, 1440);
  EXPECT_EQ(wide.height, 1080);
  const PictureBox tall = LetterboxIn(1280, 1024);  // bars above and below
  EXPECT_EQ(tall.x, 0);
  EXPECT_EQ(tall.y, 32);
  EXPECT_EQ(tall.width, 1280);
  EXPECT_EQ(tall.height, 960);
  const PictureBox qhd = LetterboxIn(2560, 1440);
  EXPECT_EQ(qhd.x, 320);
  EXPECT_EQ(qhd.width, 1920);
}

TEST(Letterbox, WindowPointsLandOnThePicturePixelsUnderThem) {
  const Case cases[] = {
      // A window of the picture's size maps one to one.
      {1024, 768, 1024, 768, 0, 0, 0, 0},
      {1024, 768, 1024, 768, 1023, 767, 1023, 767},
      {1024, 768, 1024, 768, 70, 718, 70, 718},
      // 1920 x 1080: the picture is 1440 x 1080 from x 240; "Beenden" (70, 718) is reachable.
      {1920, 1080, 1920, 1080, 240, 0, 0, 0},
      {1920, 1080, 1920, 1080, 1679, 1079, 1023, 767},
      {1920, 1080, 1920, 1080, 960, 540, 512, 384},
      {1920, 1080, 1920, 1080, 339, 1010, 70, 718},
      // 1280 x 1024: 1280 x 960 from y 32.
      {1280, 1024, 1280, 1024, 0, 32, 0, 0},
      {1280, 1024, 1280, 1024, 640, 512, 512, 384},
      {1280, 1024, 1280, 1024, 88, 930, 70, 718},
      // 2560 x 1440: 1920 x 1440 from x 320.
      {2560, 1440, 2560, 1440, 320, 0, 0, 0},
      {2560, 1440, 2560, 1440, 1280, 720, 512, 384},
      {2560, 1440, 2560, 1440, 2239, 1439, 1023, 767},
      // HiDPI: events in points, the picture drawn in pixels twice as many.
      {1024, 768, 2048, 1536, 512, 384, 512, 384},
      {1024, 768, 2048, 1536, 1023, 767, 1023, 767},
      {960, 540, 1920, 1080, 480, 270, 512, 384},
      {960, 540, 1920, 1080, 170, 505, 71, 718},
  };
  for (const Case& c : cases) ExpectMapped(c);
}

TEST(Letterbox, PointsInTheBarsAndOutsideAreClampedToThePicture) {
  const Case cases[] = {
      {1920, 1080, 1920, 1080, 10, 500, 0, 355},       // left bar
      {1920, 1080, 1920, 1080, 1900, 500, 1023, 355},  // right bar
      {1280, 1024, 1280, 1024, 640, 5, 512, 0},        // bar above
      {1280, 1024, 1280, 1024, 640, 1020, 512, 767},   // bar below
      {1024, 768, 1024, 768, -40, 900, 0, 767},        // dragged out of the window
      {0, 0, 0, 0, 2000, -5, 1023, 0},                 // a window not yet sized
  };
  for (const Case& c : cases) ExpectMapped(c);
}
