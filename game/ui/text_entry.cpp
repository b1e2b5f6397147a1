#include "game/ui/text_entry.h"

#include <algorithm>

#include "game/media/media.h"
#include "game/media/scan_codes.h"
#include "game/media/text_input.h"
#include "game/world/world_lists.h"

namespace {

constexpr int kRepeatDelay = 15;

void AddRows(CursorList<KeyCharRecord>& map, const int* codes, const char* const* chars,
             const char* const* shiftChars, int count) {
  for (int i = 0; i < count; ++i) AddKeyChar(map, codes[i], chars[i], shiftChars[i]);
}

}  // namespace

void FillKeyCharMap(CursorList<KeyCharRecord>& map) {
  map.Clear();
  static const int kDigitCodes[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
  static const char* const kDigits[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"};
  static const char* const kShiftDigits[] = {"!", "\"", "\xA7", "$", "%", "&", "/", "(", ")", "="};
  AddRows(map, kDigitCodes, kDigits, kShiftDigits, 10);

  static const int kPadCodes[] = {79, 80, 81, 75, 76, 77, 71, 72, 73, 82};
  AddRows(map, kPadCodes, kDigits, kDigits, 10);

  static const int kLetterCodes[] = {30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50,
                                     49, 24, 25, 16, 19, 31, 20, 22, 47, 17, 45, 44, 21};
  for (int i = 0; i < 26; ++i) {
    AddKeyChar(map, kLetterCodes[i], std::string(1, char('a' + i)), std::string(1, char('A' + i)));
  }

  AddKeyChar(map, 57, " ", " ");
  AddKeyChar(map, 12, "\xDF", "?");  // ß

  static const int kUmlautCodes[] = {26, 40, 39};
  static const char* const kUmlauts[] = {"\xFC", "\xE4", "\xF6"};       // ü ä ö
  static const char* const kShiftUmlauts[] = {"\xDC", "\xC4", "\xD6"};  // Ü Ä Ö
  AddRows(map, kUmlautCodes, kUmlauts, kShiftUmlauts, 3);

  static const int kPunctuationCodes[] = {52, 53, 27, 51, 43};
  static const char* const kPunctuation[] = {".", "-", "+", ",", "#"};
  static const char* const kShiftPunctuation[] = {":", "_", "*", ";", "'"};
  AddRows(map, kPunctuationCodes, kPunctuation, kShiftPunctuation, 5);
}

void BeginTextEntry(UiState& ui, const std::string& text) {
  ui.editSavedText = text;
  ui.editBuffer = text;
  ui.editCursor = static_cast<int>(text.size());
  ui.editMaxLength = 30;
  ui.editActive = 1;
}

bool KeyRepeat(UiState& ui, const Media& media, int scanCode) {
  bool repeat = false;
  if (KeyHeld(media, scanCode)) {
    if (ui.repeatFrames > kRepeatDelay && ui.repeatKey != scanCode) ui.repeatFrames = 0;
    // The count as it stood before this frame decides, so the first repeat comes in frame 17.
    repeat = ui.repeatFrames > kRepeatDelay && ui.repeatKey == scanCode;
    ui.repeatFrames += 1;
    if (ui.repeatFrames == 1) ui.repeatKey = scanCode;
  }
  return repeat || KeyReleased(media, scanCode);
}

void UpdateTextEntry(UiState& ui, const Media& media) {
  if (!KeyHeld(media, -1)) ui.repeatFrames = 0;
  const bool shifted = KeyHeld(media, kKeyLeftShift) || KeyHeld(media, kKeyRightShift);
  std::string& buffer = ui.editBuffer;
  ui.editCursor = std::clamp(ui.editCursor, 0, static_cast<int>(buffer.size()));

  // Keys of the keyboard type through the system's text input, which follows the desktop's
  // layout; injected keys make no text and are typed through the map.
  for (const KeyCharRecord& row : ui.keyCharMap) {
    if (KeyFromKeyboard(media, row.scanCode)) continue;
    if (KeyRepeat(ui, media, row.scanCode) && static_cast<int>(buffer.size()) < ui.editMaxLength) {
      const bool capital = shifted || KeyReleasedShifted(media, row.scanCode);
      buffer.insert(ui.editCursor, capital ? row.shiftChar : row.character);
      ui.editCursor += 1;
    }
  }
  for (const char c : TypedText(media)) {
    if (static_cast<int>(buffer.size()) >= ui.editMaxLength) break;
    buffer.insert(buffer.begin() + ui.editCursor, c);
    ui.editCursor += 1;
  }
  if (KeyRepeat(ui, media, kKeyBackspace) && ui.editCursor > 0) {
    buffer.erase(ui.editCursor - 1, 1);
    ui.editCursor -= 1;
  }
  if (KeyRepeat(ui, media, kKeyDelete) && ui.editCursor < static_cast<int>(buffer.size())) {
    buffer.erase(ui.editCursor, 1);
  }
  if (KeyRepeat(ui, media, kKeyLeft) && ui.editCursor > 0) ui.editCursor -= 1;
  if (KeyRepeat(ui, media, kKeyRight) && ui.editCursor < static_cast<int>(buffer.size())) {
    ui.editCursor += 1;
  }
  if (KeyReleased(media, kKeyEnd)) ui.editCursor = static_cast<int>(buffer.size());
  if (KeyReleased(media, kKeyHome)) ui.editCursor = 0;

  if (KeyReleased(media, kKeyReturn)) ui.editActive = 0;
  if (KeyReleased(media, kKeyEscape)) {
    buffer = ui.editSavedText;
    ui.editCursor = static_cast<int>(buffer.size());
    ui.editActive = 0;
  }
}
