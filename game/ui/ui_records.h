#pragma once

#include <string>
#include <tuple>

#include "formats/record_fields.h"
#include "game/world/cursor_list.h"

// The records of the menu system's lists: the items of the current screen, the drifting stars
// behind the menus and the keyboard's character table. Fields are in storage order, which is
// also the order of the list's add operation.

struct MenuItemRecord {
  int kind = 0;
  int x = 0;
  int y = 0;
  std::string caption;
  int action = 0;
};

struct MenuStarRecord {
  int kind = 0;    // 1 small drifting glow, 2 large drifting picture
  int sprite = 0;  // picture of a kind-2 record
  float x = 0;
  float y = 0;
  int size = 0;
  int phase = 0;  // twinkle phase in degrees; 0 = resting
};

struct KeyCharRecord {
  int scanCode = 0;
  std::string character;  // "char" in the key table
  std::string shiftChar;
};

// Field lists, in storage order (record_fields.h).

template <>
struct RecordFields<MenuItemRecord> {
  static constexpr auto kList =
      std::make_tuple(Field("kind", &MenuItemRecord::kind), Field("x", &MenuItemRecord::x),
                      Field("y", &MenuItemRecord::y), Field("caption", &MenuItemRecord::caption),
                      Field("action", &MenuItemRecord::action));
};

template <>
struct RecordFields<MenuStarRecord> {
  static constexpr auto kList = std::make_tuple(
      Field("kind", &MenuStarRecord::kind), Field("sprite", &MenuStarRecord::sprite),
      Field("x", &MenuStarRecord::x), Field("y", &MenuStarRecord::y),
      Field("size", &MenuStarRecord::size), Field("phase", &MenuStarRecord::phase));
};

template <>
struct RecordFields<KeyCharRecord> {
  static constexpr auto kList = std::make_tuple(Field("scanCode", &KeyCharRecord::scanCode),
                                                Field("character", &KeyCharRecord::character),
                                                Field("shiftChar", &KeyCharRecord::shiftChar));
};

inline MenuItemRecord& AddMenuItem(CursorList<MenuItemRecord>& items, int kind, int x, int y,
                                   std::string caption, int action) {
  return items.Add({kind, x, y, std::move(caption), action});
}

inline MenuStarRecord& AddMenuStar(CursorList<MenuStarRecord>& stars, MenuStarRecord star) {
  return stars.Add(star);
}

inline KeyCharRecord& AddKeyChar(CursorList<KeyCharRecord>& map, int scanCode,
                                 std::string character, std::string shiftChar) {
  return map.Add({scanCode, std::move(character), std::move(shiftChar)});
}
