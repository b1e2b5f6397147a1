// The flight overlay's rules that need no picture: bars, scroll thumbs, the compass strip, the
// help pages' end, and the chat line's hand-over.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "flight_fixture.h"
#include "game/hud/chat_line.h"
#include "game/hud/compass.h"
#include "game/hud/help_pages.h"
#include "game/hud/hud_controls.h"
#include "game/hud/status_panel.h"
#include "game/media/scan_codes.h"
#include "game/shell/frame_loop.h"
#include "game/ui/bitmap_text.h"
#include "game/ui/text_entry.h"
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

namespace {

class HudKeys : public testing::Test {
 protected:
  void SetUp() override { run.StartInFlight(); }

  // One frame of input for the chat line alone, as the frame loop gives it.
  std::optional<std::string> Frame(int code = 0, bool down = false) {
    if (code) InjectKey(run.game->media, code, down);
    ReadKeyboard(run.game->media);
    FlightContext flight = FlightOf(*run.game);
    HudContext hud{flight, run.game->hud};
    return RunChatLine(hud);
  }
  std::optional<std::string> Tap(int code) {
    const std::optional<std::string> pressed = Frame(code, true);
    const std::optional<std::string> released = Frame(code, false);
    return pressed ? pressed : released;
  }

  SampleFlight run;
};

}  // namespace

TEST_F(HudKeys, TheChatLineHandsOverItsTextWhenReturnEndsIt) {
  const UiState& ui = run.game->ui;
  EXPECT_EQ(Tap(kKeyReturn), std::nullopt);
  ASSERT_EQ(ui.editActive, 1);
  EXPECT_EQ(Tap(35), std::nullopt);  // h
  EXPECT_EQ(Tap(23), std::nullopt);  // i
  EXPECT_EQ(ui.editBuffer, "hi");
  EXPECT_EQ(Tap(kKeyReturn), std::optional<std::string>("hi"));
  EXPECT_EQ(ui.editActive, 0);
  EXPECT_EQ(Frame(), std::nullopt);  // handed over once
  // A new line starts empty; Escape drops it, and an empty line is not handed over.
  Tap(kKeyReturn);
  EXPECT_EQ(ui.editBuffer, "");
  Tap(35);
  EXPECT_EQ(Tap(kKeyEscape), std::nullopt);
  EXPECT_EQ(ui.editActive, 0);
  Tap(kKeyReturn);
  EXPECT_EQ(Tap(kKeyReturn), std::nullopt);
}

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
