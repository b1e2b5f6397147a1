#include "game/ui/loading_screen.h"

#include "game/media/media.h"
#include "game/ui/bitmap_text.h"

void ShowLoadingScreen(Media& media, int percent, const std::string& text) {
  ClearScreen(media, 0);
  DrawOpaque(media, 9000, 0, 0);
  ClipPicture(media, 9001, 0, 0, percent * kScreenWidth / 100, 100);
  DrawOpaque(media, 9001, 0, 704);
  DrawText(media, text, 512, 680, 5, kAlignCentre, kDarkText);
  FlipScreen(media);
}
