// The flight overlay's rules that need no picture: bars, scroll thumbs, the compass strip.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "game/hud/compass.h"
#include "game/hud/hud_controls.h"
#include "game/hud/status_panel.h"
#include "game/world/catalogues.h"
#include "game/world/geometry.h"

TEST(HudRules, BarsFillByTheirRatioWithinTheirLengthAndStayEmptyWithoutAMaximum) {
  EXPECT_EQ(BarFill(120, 120, 150), 150);
  EXPECT_EQ(BarFill(60, 120, 150), 75);
  EXPECT_EQ(BarFill(1, 120, 150), 1);      // 1.25
  EXPECT_EQ(BarFill(0.5f, 100, 30), 0);    // 0.15
  EXPECT_EQ(BarFill(50, 100, 31), 16);     // 15.5: halves to even
  EXPECT_EQ(BarFill(130, 120, 150), 150);  // over the maximum: full, not longer
  EXPECT_EQ(BarFill(-5, 120, 150), 0);
  EXPECT_EQ(BarFill(10, 0, 150), 0);
  EXPECT_EQ(BarFill(0, 0, 30), 0);
}

TEST(HudRules, ScrollThumbsSitAtTheTopWhenNothingScrolls) {
  EXPECT_EQ(ScrollThumb(0, 100, 11), 0);
  EXPECT_EQ(ScrollThumb(11, 100, 11), 100);
  EXPECT_EQ(ScrollThumb(5, 100, 11), 45);
  EXPECT_EQ(ScrollThumb(1, 110, 1), 110);
  // Exactly 8 places or 11 items (no position to scroll to), or fewer.
  EXPECT_EQ(ScrollThumb(0, 100, 0), 0);
  EXPECT_EQ(ScrollThumb(0, 110, -3), 0);
  EXPECT_EQ(ScrollThumb(2, 100, -1), 0);
}

TEST(HudRules, TheCompassLabelAtTheNoseIsTheBearingAhead) {
  std::array<std::string, 360> labels;
  FillCompassLabels(labels);
  for (int heading = 0; heading < 360; heading += 15) {
    int atNose = -1;
    int shown = 0;
    for (int k = 0; k < 360; k += 15) {
      double x = 0;
      if (!CompassMarkX(k, static_cast<float>(heading), x)) continue;
      shown += 1;
      if (std::fabs(x - 512) < 0.5) atNose = CompassLabelIndex(k);
    }
    // Heading 270 is up the map: north. Bearings are those of the map, 0 up, growing clockwise.
    EXPECT_EQ(atNose, static_cast<int>(NormaliseAngle(heading + 90.0f))) << heading;
    EXPECT_EQ(shown, 7) << heading;  // within 50 degrees either side: 45, 30, 15, 0, ...
  }
  double x = 0;
  ASSERT_TRUE(CompassMarkX(90, 270, x));
  EXPECT_EQ(labels[CompassLabelIndex(90)], "N");
  ASSERT_TRUE(CompassMarkX(180, 0, x));
  EXPECT_EQ(labels[CompassLabelIndex(180)], "O");
  // Right of the nose lies what is clockwise of the heading; across 0 / 360 as well.
  ASSERT_TRUE(CompassMarkX(0, 165, x));  // 0 - 345: 15 degrees to the right
  EXPECT_NEAR(x, 512 + 600 * std::tan(15 * 0.017453292), 1e-3);
  EXPECT_FALSE(CompassMarkX(150, 270, x));  // 60 degrees off
}
