#include "game/ui/bitmap_text.h"

#include <gtest/gtest.h>

#include "formats/media_numbers.h"
#include "game/media/media.h"
#include "game/ui/loading_screen.h"
#include "tests/game/support/fixture_files.h"
#include "tests/game/ui/ui_parts.h"

namespace {

// Fixture fonts draw a light block in the middle of every glyph cell (rows 5..14).
bool Lit(Media& media, int x, int y) {
  return ReadScreenPixel(media, x, y) != 0;
}

class BitmapText : public testing::Test {
 protected:
  void SetUp() override {
    WriteMediaFixture(folder.path);
    game = MakeParts<UiParts>();
    LoadEveryPlannedPicture(game->media, folder.path);
    // The full-screen overlay that text boxes are drawn into, as start-up creates it.
    CreatePicture(game->media, kPictureOverlay, kScreenWidth, kScreenHeight, true);
    CreateQuad(game->media, kPictureOverlay, kPictureOverlay);
    ClearScreen(game->media, 0);
  }
  FixtureFolder folder;
  PartsPtr<UiParts> game;
};

}  // namespace

TEST_F(BitmapText, AlignmentsPlaceTheGlyphCells) {
  Media& media = game->media;
  DrawText(media, "ab", 100, 100, 5, kAlignLeft, kNormalText);
  EXPECT_TRUE(Lit(media, 101, 110));  // first cell starts at x
  EXPECT_TRUE(Lit(media, 118, 110));  // second cell ends at 119
  EXPECT_FALSE(Lit(media, 99, 110));
  EXPECT_FALSE(Lit(media, 120, 110));

  DrawText(media, "ab", 300, 200, 5, kAlignCentre, kNormalText);  // spans 290..309
  EXPECT_TRUE(Lit(media, 291, 210));
  EXPECT_TRUE(Lit(media, 308, 210));
  EXPECT_FALSE(Lit(media, 289, 210));

  DrawText(media, "abc", 500, 300, 3, kAlignRight, kNormalText);  // spans 482..499
  EXPECT_TRUE(Lit(media, 483, 310));
  EXPECT_TRUE(Lit(media, 498, 310));
  EXPECT_FALSE(Lit(media, 500, 310));
  EXPECT_FALSE(Lit(media, 481, 310));
}

TEST_F(BitmapText, EmptyTextAndControlCharactersDrawNothing) {
  Media& media = game->media;
  DrawText(media, "", 512, 100, 5, kAlignCentre, kNormalText);
  DrawText(media, std::string(1, '\x05'), 600, 100, 5, kAlignLeft, kNormalText);
  for (int x = 490; x < 620; x += 2) EXPECT_FALSE(Lit(media, x, 110)) << x;
}

TEST_F(BitmapText, TextBoxStaysInsideTheScreen) {
  Media& media = game->media;
  // Two lines of 4 characters: a box 56 wide and 56 high.
  DrawTextBox(media, game->ui, 1000, 740, 5231, "abcd\nefgh");
  EXPECT_EQ(game->ui.lastTooltipText, "abcd\nefgh");
  ClearScreen(media, 0);
  DrawKeyed(media, 5231, 0, 0);
  const int left = 1024 - 56;
  const int top = 732 - 20;
  EXPECT_TRUE(Lit(media, left + 1, top + 1));  // the frame piece from Info.bmp
  EXPECT_TRUE(Lit(media, 1023, 767));          // the bottom-right corner piece
  EXPECT_FALSE(Lit(media, left - 1, top + 1));
  EXPECT_FALSE(Lit(media, left + 1, top - 1));
}

TEST_F(BitmapText, LoadingScreenBarGrowsWithThePercentage) {
  Media& media = game->media;
  ShowLoadingScreen(media, 50, "BMP\\Symbole\\*.bmp");
  EXPECT_TRUE(Lit(media, 0, 704));
  EXPECT_TRUE(Lit(media, 511, 740));
  EXPECT_FALSE(Lit(media, 513, 740));
  ShowLoadingScreen(media, 0, "");
  EXPECT_FALSE(Lit(media, 5, 760));
}
