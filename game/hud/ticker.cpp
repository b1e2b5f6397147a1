#include "game/hud/ticker.h"

#include "game/hud/hud_controls.h"
#include "game/ui/bitmap_text.h"

namespace {

constexpr int kTickerX = 10;
constexpr int kBottomY = 620;  // the newest line
constexpr int kLineHeight = 15;

}  // namespace

void DrawTicker(HudContext& hud) {
  Media& media = hud.flight.media;
  CursorList<TickerMessageRecord>& messages = hud.flight.world.tickerMessages;
  const int n = messages.Count();
  int p = 0;
  messages.Reset();
  while (messages.Next()) {
    TickerMessageRecord& message = *messages.Current();
    p += 1;
    const int y = kBottomY - kLineHeight * n + kLineHeight * p;
    const int width = BitmapTextWidth(message.text1, 3) + BitmapTextWidth(message.text2, 3);
    if (width > 0) DrawTextBacking(media, kTickerX, y, width);
    DrawText(media, message.text1, kTickerX, y, 3, kAlignLeft, message.colour1);
    DrawText(media, message.text2, kTickerX + BitmapTextWidth(message.text1, 3), y, 3, kAlignLeft,
             message.colour2);
    message.life -= 1;
    if (message.life < 0) messages.DeleteCurrent();
  }
}
