#include "game/hud/help_pages.h"

#include "formats/media_numbers.h"
#include "game/hud/hud_controls.h"
#include "game/media/scan_codes.h"
#include "game/ui/bitmap_text.h"
#include "game/world/world_lists.h"

namespace {

constexpr int kPageX = 64;
constexpr int kPageY = 64;

}  // namespace

int LastHelpPage(const Catalogues& catalogues) {
  const auto& texts = catalogues.briefingTexts.briefingTexts;
  for (int page = static_cast<int>(texts.size()) - 1; page > 0; --page) {
    if (!texts[page].empty()) return page;
  }
  return 0;
}

void RunHelpPages(HudContext& hud) {
  HudState& state = hud.hud;
  FlightContext& flight = hud.flight;
  if (flight.world.helpHintPending) {
    AddTickerMessage(flight.world.tickerMessages, kNormalText, "F1: Hilfe", kNormalText, "");
    flight.world.helpHintPending = 0;
  }
  if (KeyReleased(flight.media, kKeyF1)) {
    state.helpPage += 1;
    if (state.helpPage > LastHelpPage(flight.catalogues)) state.helpPage = 0;
  }
  if (state.helpPage <= 0) return;
  // A page without a text (a gap in the numbering) shows nothing.
  const std::string& text = flight.catalogues.briefingTexts.briefingTexts[state.helpPage];
  if (text.empty()) return;
  if (state.helpPageRendered != state.helpPage) {
    state.helpArea = DrawTextBox(flight.media, flight.ui, 0, 0, kPictureHelpPage, text);
    state.helpPageRendered = state.helpPage;
    state.pictureRenders += 1;
  }
  DrawTextBoxPicture(flight.media, kPictureHelpPage, state.helpArea, kPageX, kPageY);
}
