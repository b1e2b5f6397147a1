#include "game/ui/text_entry.h"

#include <gtest/gtest.h>

#include "game/media/media.h"
#include "game/media/text_input.h"

namespace {

constexpr int kA = 30;
constexpr int kShift = 42;

struct Typing {
  Media media;  // input only; no screen needed
  UiState ui;

  Typing() { FillKeyCharMap(ui.keyCharMap); }

  void Frame(std::initializer_list<std::pair<int, bool>> changes = {}) {
    for (auto [code, down] : changes) InjectKey(media, code, down);
    ReadKeyboard(media);
    UpdateTextEntry(ui, media);
  }

  void Tap(int code) {
    Frame({{code, true}});
    Frame({{code, false}});
  }
};

}  // namespace

TEST(KeyCharMap, HasTheFiftySixRowsOfAGermanKeyboard) {
  CursorList<KeyCharRecord> map;
  FillKeyCharMap(map);
  ASSERT_EQ(map.Count(), 56);
  auto row = [&](int code) {
    for (const KeyCharRecord& r : map) {
      if (r.scanCode == code) return r;
    }
    return KeyCharRecord{};
  };
  EXPECT_EQ(row(44).character, "y");
  EXPECT_EQ(row(21).character, "z");
  EXPECT_EQ(row(12).character, "\xDF");
  EXPECT_EQ(row(26).shiftChar, "\xDC");
  EXPECT_EQ(row(3).shiftChar, "\"");
  EXPECT_EQ(row(4).shiftChar, "\xA7");
  EXPECT_EQ(row(43).shiftChar, "'");
}

TEST(TextEntry, TypingShiftEditingKeysAndReturn) {
  Typing t;
  BeginTextEntry(t.ui, "ab");
  EXPECT_EQ(t.ui.editCursor, 2);
  t.Frame({{kShift, true}});
  t.Tap(46);  // C
  t.Frame({{kShift, false}});
  EXPECT_EQ(t.ui.editBuffer, "abC");
  t.Tap(203);  // left
  t.Tap(203);
  t.Tap(14);  // backspace removes the "a"
  EXPECT_EQ(t.ui.editBuffer, "bC");
  EXPECT_EQ(t.ui.editCursor, 0);
  t.Tap(14);   // nothing before the cursor
  t.Tap(211);  // delete removes the "b"
  EXPECT_EQ(t.ui.editBuffer, "C");
  t.Tap(207);  // end
  EXPECT_EQ(t.ui.editCursor, 1);
  EXPECT_EQ(t.ui.editActive, 1);
  t.Tap(28);
  EXPECT_EQ(t.ui.editActive, 0);
  EXPECT_EQ(t.ui.editBuffer, "C");
}

TEST(TextEntry, ShiftLetGoBeforeTheLetterOrWithinOneFrameStillGivesTheCapital) {
  Typing t;
  BeginTextEntry(t.ui, "");
  // Shift, A down; Shift up a frame before A: the capital, as the typist meant.
  t.Frame({{kShift, true}, {kA, true}});
  t.Frame({{kShift, false}});
  t.Frame({{kA, false}});
  // All four changes between two frames (a fast typist, or a tool typing for the player).
  t.Frame({{kShift, true}, {kA, true}, {kA, false}, {kShift, false}});
  // Shift pressed while the letter is already down counts too.
  t.Frame({{kA, true}});
  t.Frame({{kShift, true}});
  t.Frame({{kShift, false}, {kA, false}});
  // Without Shift the small letter, also right after a shifted one.
  t.Tap(kA);
  EXPECT_EQ(t.ui.editBuffer, "AAAa");
}

TEST(TextEntry, TheThirtyFirstCharacterIsRefusedAndEscapeRestores) {
  Typing t;
  BeginTextEntry(t.ui, std::string(29, 'x'));
  t.Tap(kA);
  EXPECT_EQ(t.ui.editBuffer.size(), 30u);
  t.Tap(kA);
  EXPECT_EQ(t.ui.editBuffer.size(), 30u);
  t.Tap(1);
  EXPECT_EQ(t.ui.editActive, 0);
  EXPECT_EQ(t.ui.editBuffer, std::string(29, 'x'));
}

TEST(TextEntry, AKeyHeldFortyFramesGivesTwentyFourRepeatsAndOneOnRelease) {
  Typing t;
  BeginTextEntry(t.ui, "");
  t.Frame({{kA, true}});
  int firstRepeat = 0;
  for (int frame = 2; frame <= 40; ++frame) {
    t.Frame();
    if (firstRepeat == 0 && !t.ui.editBuffer.empty()) firstRepeat = frame;
  }
  EXPECT_EQ(firstRepeat, 17);
  EXPECT_EQ(t.ui.editBuffer, std::string(24, 'a'));
  t.Frame({{kA, false}});
  EXPECT_EQ(t.ui.editBuffer, std::string(25, 'a'));
}

TEST(TextEntry, TypedTextIsInsertedAtTheCursorAndCharactersOutsideTheGamesAreRefused) {
  Typing typing;
  BeginTextEntry(typing.ui, "");
  InjectText(typing.media, "Zwei");  // as a US or a German layout gives it
  typing.Frame();
  InjectText(typing.media, "\xC3\xBC\xE2\x82\xAC!");  // "ü", the euro sign (refused), "!"
  typing.Frame();
  EXPECT_EQ(typing.ui.editBuffer, "Zwei\xFC!");
  EXPECT_EQ(typing.ui.editCursor, 6);
  typing.Tap(kA);  // an injected key still types through the map
  EXPECT_EQ(typing.ui.editBuffer, "Zwei\xFC!a");
  // The thirtieth character is the last.
  InjectText(typing.media, std::string(30, 'x'));
  typing.Frame();
  EXPECT_EQ(typing.ui.editBuffer.size(), 30u);
}
