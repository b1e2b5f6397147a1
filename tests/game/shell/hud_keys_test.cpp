// The flight overlay's keys in the sample game: the help pages' end and the text boxes of the
// introduction.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "flight_fixture.h"
#include "game/hud/help_pages.h"
#include "game/media/scan_codes.h"
#include "game/ui/bitmap_text.h"

namespace {

class HudKeys : public testing::Test {
 protected:
  void SetUp() override { run.StartInFlight(); }

  SampleFlight run;
};

}  // namespace

TEST_F(HudKeys, PastTheLastHelpPageTheHelpClosesAndF1StartsAgain) {
  ASSERT_EQ(LastHelpPage(run.game->catalogues), 11);
  for (int page = 1; page <= 11; ++page) {
    run.Tap(2 * page, kKeyF1);
  }
  run.Run(24);
  EXPECT_EQ(run.game->hud.helpPage, 11);
  run.Tap(1, kKeyF1);
  run.Run(3);
  EXPECT_EQ(run.game->hud.helpPage, 0);
  // A gap in the numbering shows nothing but keeps counting.
  run.game->catalogues.briefingTexts.briefingTexts[2].clear();
  run.Tap(1, kKeyF1);
  run.Tap(3, kKeyF1);
  run.Run(5);
  EXPECT_EQ(run.game->hud.helpPage, 2);
  EXPECT_EQ(run.game->hud.helpPageRendered, 1);
}

TEST_F(HudKeys, TextBoxesStayOnTheScreenAndTheIntroductionsPagesFitTheirFrame) {
  Media& media = run.game->media;
  const TextBoxArea corner = DrawTextBox(media, run.game->ui, 1000, 760, 5231, "abc\nde");
  EXPECT_EQ(corner.x, 1024 - 46);
  EXPECT_EQ(corner.y, 732 - 20);
  EXPECT_EQ(corner.width, 46);
  EXPECT_EQ(corner.height, 56);
  // The frame picture is 768 wide: a page line may hold 76 characters; a box 12 lines.
  const auto& texts = run.game->catalogues.briefingTexts.briefingTexts;
  for (int page = 1; page <= LastHelpPage(run.game->catalogues); ++page) {
    size_t lines = 0, longest = 0, start = 0;
    const std::string& text = texts[page];
    while (start < text.size()) {
      const size_t end = text.find('\n', start);
      longest = std::max(longest, (end == std::string::npos ? text.size() : end) - start);
      lines += 1;
      start = end == std::string::npos ? text.size() : end + 1;
    }
    EXPECT_LE(longest, 76u) << "page " << page;
    EXPECT_LE(lines, 12u) << "page " << page;
    const TextBoxArea area = DrawTextBox(media, run.game->ui, 0, 0, 5232, text);
    EXPECT_LE(64 + area.x + area.width, kScreenWidth) << "page " << page;
    EXPECT_LE(area.y + area.height, PictureHeight(media, 5232)) << "page " << page;
  }
}
