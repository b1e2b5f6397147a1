// The reputation panel's picture.

#include "game/stations/group_panel.h"

#include <gtest/gtest.h>

#include "formats/media_numbers.h"
#include "game/world/attitudes.h"
#include "tests/game/support/media_fixture.h"
#include "tests/game/support/world_fixture.h"

namespace {

// What the panel is drawn from: the media, the world's groups and the group texts.
struct PanelParts {
  Media media;
  World world;
  Catalogues catalogues;
};

class GroupPanel : public testing::Test {
 protected:
  static constexpr int kGreen = MakeColour(0, 200, 0);
  static constexpr int kRed = MakeColour(200, 0, 0);
  static constexpr int kBlue = MakeColour(0, 0, 200);
  void SetUp() override {
    game = MakeParts<PanelParts>();
    ArmForCombat(game->world, game->catalogues);
    Media& media = game->media;
    CreatePicture(media, kPictureSystemMap, 510, 510);
    CreatePicture(media, kPictureMapFrame, 510, 510);
    // The bar picture: hostile red left of its middle, friendly green right of it.
    CreatePicture(media, kPictureAttitudeLine, 200, 8);
    DrawInto(media, kPictureAttitudeLine);
    FillBox(media, 0, 0, 100, 8, kRed);
    FillBox(media, 100, 0, 100, 8, kGreen);
    for (const int mark : {kPictureScrollUp, kPictureScrollThumb, kPictureScrollDown}) {
      CreatePicture(media, mark, 20, 20);
      DrawInto(media, mark);
      FillBox(media, 0, 0, 20, 20, kBlue);
    }
    EndDraw(media);
  }
  // The panel as drawn onto the screen at (0, 0).
  int Pixel(int x, int y) {
    ClearScreen(game->media, 0);
    DrawOpaque(game->media, kPictureSystemMap, 0, 0);
    return ReadScreenPixel(game->media, x, y);
  }
  PartsPtr<PanelParts> game;
};

TEST_F(GroupPanel, BarsGrowFromTheMiddleByTheStandingAndTheThumbFollowsTheScroll) {
  World& world = game->world;
  SetRelation(world, 0, 1, 0.5f);
  SetRelation(world, 0, 2, -0.3f);
  DrawGroupPanel(game->media, world, game->catalogues.groupTexts, 0, 1);
  // Row 1 (y 70..76): green from 115 for 50 pixels.
  EXPECT_EQ(Pixel(115, 72), kGreen);
  EXPECT_EQ(Pixel(164, 76), kGreen);
  EXPECT_EQ(Pixel(165, 72), 0);
  EXPECT_EQ(Pixel(114, 72), 0);
  EXPECT_EQ(Pixel(115, 77), 0);
  // Row 2 (y 90..96): red for 30 pixels left of 115.
  EXPECT_EQ(Pixel(85, 92), kRed);
  EXPECT_EQ(Pixel(114, 92), kRed);
  EXPECT_EQ(Pixel(84, 92), 0);
  EXPECT_EQ(Pixel(115, 92), 0);
  // Rows 3 and 4 stand at 0: no bar. Four groups: nothing to scroll, the thumb at the top.
  EXPECT_EQ(Pixel(115, 112), 0);
  EXPECT_EQ(Pixel(480, 90), kBlue);
  EXPECT_EQ(Pixel(480, 70), kBlue);
  EXPECT_EQ(Pixel(480, 210), kBlue);

  // Scrolled by one, group 2 is the first row.
  DrawGroupPanel(game->media, world, game->catalogues.groupTexts, 1, 1);
  EXPECT_EQ(Pixel(100, 72), kRed);
  EXPECT_EQ(Pixel(130, 72), 0);
}

TEST(GroupPanelThumb, ItsShareOfTheHundredPixelsAndTheTopWithEightGroupsOrFewer) {
  EXPECT_EQ(GroupPanelThumb(10, 0), 0);
  EXPECT_EQ(GroupPanelThumb(10, 1), 50);
  EXPECT_EQ(GroupPanelThumb(10, 2), 100);
  EXPECT_EQ(GroupPanelThumb(16, 3), 38);  // 37.5 to even
  EXPECT_EQ(GroupPanelThumb(8, 0), 0);    // nothing to divide: the top
  EXPECT_EQ(GroupPanelThumb(8, 1), 0);
  EXPECT_EQ(GroupPanelThumb(5, 0), 0);
}

}  // namespace
