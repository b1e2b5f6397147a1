// The chat line: what it hands over when Return ends it.

#include "game/hud/chat_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "game/hud/hud_context.h"
#include "game/media/scan_codes.h"
#include "game/ui/text_entry.h"
#include "tests/game/support/flight_parts.h"

namespace {

// What the HUD works on: the parts of flight and its own switches.
struct HudParts : FlightParts {
  HudState hud;
};

class HudKeys : public testing::Test {
 protected:
  void SetUp() override {
    game = MakeParts<HudParts>();
    FillKeyCharMap(game->ui.keyCharMap);
  }

  // One frame of input for the chat line alone, as the frame loop gives it.
  std::optional<std::string> Frame(int code = 0, bool down = false) {
    if (code) InjectKey(game->media, code, down);
    ReadKeyboard(game->media);
    FlightContext flight = FlightOf(*game);
    HudContext hud{flight, game->hud};
    return RunChatLine(hud);
  }
  std::optional<std::string> Tap(int code) {
    const std::optional<std::string> pressed = Frame(code, true);
    const std::optional<std::string> released = Frame(code, false);
    return pressed ? pressed : released;
  }

  PartsPtr<HudParts> game;
};

}  // namespace

TEST_F(HudKeys, TheChatLineHandsOverItsTextWhenReturnEndsIt) {
  const UiState& ui = game->ui;
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
