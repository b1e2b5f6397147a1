#include "game/hud/chat_line.h"

#include <algorithm>

#include "formats/angles.h"
#include "game/hud/hud_controls.h"
#include "game/media/scan_codes.h"
#include "game/ui/bitmap_text.h"
#include "game/ui/text_entry.h"

namespace {

constexpr int kLineX = 10;
constexpr int kLineY = 650;

void DrawChatLine(HudContext& hud) {
  Media& media = hud.flight.media;
  const UiState& ui = hud.flight.ui;
  const int length = static_cast<int>(ui.editBuffer.size());
  DrawTextBacking(media, kLineX - 6, kLineY, 6 * std::max(length, ui.editCursor) + 12);
  DrawText(media, ui.editBuffer, kLineX, kLineY, 3, kAlignLeft, kNeutralText);
  if (SinDeg(hud.flight.frame.frameCounter) < 0) {
    DrawText(media, "|", ui.editCursor * 6 + 5, kLineY, 3, kAlignLeft, kActiveText);
  }
}

}  // namespace

std::optional<std::string> RunChatLine(HudContext& hud) {
  UiState& ui = hud.flight.ui;
  if (!ui.editActive) {
    // The Return that starts the line is not also the one that ends it.
    if (KeyReleased(hud.flight.media, kKeyReturn)) {
      BeginTextEntry(ui, "");
      DrawChatLine(hud);
    }
    return std::nullopt;
  }
  UpdateTextEntry(ui, hud.flight.media);
  if (ui.editActive) {
    DrawChatLine(hud);
    return std::nullopt;
  }
  // Escape restores the empty line it began with: nothing is said.
  if (ui.editBuffer.empty()) return std::nullopt;
  return ui.editBuffer;
}
