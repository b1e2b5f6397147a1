// The flight plane's shared formulas.

#include "game/world/geometry.h"

#include <gtest/gtest.h>

#include "formats/angles.h"
#include "game/flight/player_pass.h"

namespace {

ViewPoint View(float heading, float px, float py, float range = 8000) {
  ViewPoint view;
  EXPECT_TRUE(ViewTransform(1000, 2000, heading, px, py, range, view));
  return view;
}

TEST(ViewTransform, StraightAheadIsStraightAboveWhateverTheHeading) {
  for (const float heading : {0.0f, 90.0f, 217.0f, 359.5f}) {
    const float px = 1000 + 300 * static_cast<float>(CosDeg(heading));
    const float py = 2000 + 300 * static_cast<float>(SinDeg(heading));
    const ViewPoint view = View(heading, px, py);
    EXPECT_NEAR(view.viewOffsetX, 0, 0.01) << heading;
    EXPECT_NEAR(view.viewOffsetY, -300, 0.01) << heading;
    EXPECT_NEAR(view.viewDistance, 300, 0.01);
  }
}

TEST(ViewTransform, RightOfTheHeadingIsRightOnTheScreenAndBehindIsBelow) {
  // Heading 0 points along +x; +y lies to its right (angles grow clockwise on the screen).
  const ViewPoint right = View(0, 1000, 2100);
  EXPECT_NEAR(right.viewOffsetX, 100, 0.01);
  EXPECT_NEAR(right.viewOffsetY, 0, 0.01);
  const ViewPoint behind = View(90, 1000, 1900);
  EXPECT_NEAR(behind.viewOffsetX, 0, 0.01);
  EXPECT_NEAR(behind.viewOffsetY, 100, 0.01);
  const ViewPoint here = View(45, 1000, 2000);
  EXPECT_EQ(here.viewDistance, 0);
}

TEST(ViewTransform, OutsideTheBoxOrTheCircleLeavesTheViewAsItWas) {
  ViewPoint view{7, 8, 9};
  EXPECT_FALSE(ViewTransform(0, 0, 0, 800, 0, 800, view));    // on the box's edge
  EXPECT_FALSE(ViewTransform(0, 0, 0, 600, 600, 800, view));  // in the box, 849 away
  EXPECT_EQ(view.viewDistance, 7);
  EXPECT_EQ(view.viewOffsetX, 8);
  EXPECT_EQ(view.viewOffsetY, 9);
  EXPECT_TRUE(ViewTransform(0, 0, 0, 560, 560, 800, view));  // 792 away
}

TEST(Geometry, BearingsInEveryQuadrant) {
  EXPECT_FLOAT_EQ(BearingDeg(1, 0), 0);
  EXPECT_NEAR(BearingDeg(1, 1), 45, 1e-4);
  EXPECT_FLOAT_EQ(BearingDeg(0, 1), 90);
  EXPECT_NEAR(BearingDeg(-1, 1), 135, 1e-4);
  EXPECT_NEAR(BearingDeg(-1, 0), 180, 1e-4);
  EXPECT_NEAR(BearingDeg(-1, -1), 225, 1e-4);
  EXPECT_FLOAT_EQ(BearingDeg(0, -1), -90);
  EXPECT_NEAR(BearingDeg(1, -1), -45, 1e-4);
  EXPECT_FLOAT_EQ(BearingDeg(0, 0), 90);
}

TEST(Geometry, AnglesAndDistances) {
  EXPECT_FLOAT_EQ(NormaliseAngle(360), 0);
  EXPECT_FLOAT_EQ(NormaliseAngle(-90), 270);
  EXPECT_FLOAT_EQ(NormaliseAngle(725), 5);
  EXPECT_FLOAT_EQ(WrapTurn(350), -10);
  EXPECT_FLOAT_EQ(WrapTurn(-190), 170);
  EXPECT_FLOAT_EQ(WrapTurn(180), 180);
  EXPECT_FLOAT_EQ(Distance(0, 0, 3, 4), 5);
  // Positions are rounded to whole units first, halves to even.
  EXPECT_FLOAT_EQ(RoundedDistance(0.5f, 0, 3.4f, 4.4f), 5);
  // The local ship's picture (heading = view heading) points straight up.
  EXPECT_FLOAT_EQ(SpriteRotation(123, 123), 270);
}

TEST(MouseSteering, TurnFollowsThePointersAngleFromTheVertical) {
  EXPECT_EQ(MouseTurnRate(512, 100), 0);
  EXPECT_EQ(MouseTurnRate(512, 700), 0);
  EXPECT_FLOAT_EQ(MouseTurnRate(900, 612), 45);  // 90, clamped
  EXPECT_FLOAT_EQ(MouseTurnRate(100, 612), -45);
  EXPECT_NEAR(MouseTurnRate(612, 412), 26.565, 1e-3);  // 90 - atan(2)
  EXPECT_NEAR(MouseTurnRate(412, 412), -26.565, 1e-3);
  EXPECT_NEAR(MouseTurnRate(612, 812), 26.565, 1e-3);  // below the ship it turns the same way
}

}  // namespace
