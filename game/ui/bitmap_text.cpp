#include "game/ui/bitmap_text.h"

#include <algorithm>
#include <vector>

#include "game/media/media.h"

namespace {

constexpr int kCellHeight = 20;
constexpr int kFirstGlyph = 32;
constexpr int kMaxBoxLines = 12;
constexpr int kFramePicture = 5230;

std::vector<std::string> SplitAtLineFeeds(const std::string& text) {
  std::vector<std::string> lines(1);
  for (char c : text) {
    if (c == '\n') {
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  return lines;
}

}  // namespace

int BitmapTextWidth(const std::string& text, int size) {
  return static_cast<int>(text.size()) * 2 * size;
}

void DrawText(Media& media, const std::string& text, int x, int y, int size, int align,
              int colourSet) {
  const int font = 100 + colourSet + size;
  if (text.empty() || !PictureExists(media, font)) return;
  const int cellWidth = 2 * size;
  const int width = BitmapTextWidth(text, size);
  int start = x;
  if (align == kAlignCentre) start = x - width / 2;
  if (align == kAlignRight) start = x - width;
  const int glyphsInPicture = PictureWidth(media, font) / cellWidth;
  for (size_t i = 0; i < text.size(); ++i) {
    const int glyph = static_cast<unsigned char>(text[i]) - kFirstGlyph;
    // Codes without a cell in the font picture (control characters) leave a blank.
    if (glyph < 0 || glyph >= glyphsInPicture) continue;
    ClipPicture(media, font, glyph * cellWidth, 0, cellWidth, kCellHeight);
    DrawKeyed(media, font, start + static_cast<int>(i) * cellWidth, y);
  }
}

TextBoxArea DrawTextBox(Media& media, UiState& ui, int x, int y, int picture,
                        const std::string& text) {
  DrawInto(media, picture);
  FillBox(media, 0, 0, PictureWidth(media, picture), PictureHeight(media, picture), 0);

  std::vector<std::string> lines = SplitAtLineFeeds(text);
  if (lines.size() > kMaxBoxLines) lines.resize(kMaxBoxLines);
  const int n = static_cast<int>(lines.size()) - 1;
  size_t longest = 0;
  for (const std::string& line : lines) longest = std::max(longest, line.size());
  const int w = static_cast<int>(longest);

  const int boxWidth = w * 10 + 16;
  const int bx = x < kScreenWidth - boxWidth ? x : kScreenWidth - boxWidth;
  const int by = y < 732 - n * 20 ? y : 732 - n * 20;

  ClipPicture(media, kFramePicture, 0, 0, w * 10 + 8, n * 20 + 28);
  DrawKeyed(media, kFramePicture, bx, by);
  ClipPicture(media, kFramePicture, 760, 0, 8, n * 20 + 28);
  DrawKeyed(media, kFramePicture, bx + w * 10 + 8, by);
  ClipPicture(media, kFramePicture, 0, 504, w * 10 + 8, 8);
  DrawKeyed(media, kFramePicture, bx, by + n * 20 + 28);
  ClipPicture(media, kFramePicture, 760, 504, 8, 8);
  DrawKeyed(media, kFramePicture, bx + w * 10 + 8, by + n * 20 + 28);

  for (int i = 0; i <= n; ++i) {
    DrawText(media, lines[i], bx + 8, by + 8 + 20 * i, 5, kAlignLeft, kNormalText);
  }
  EndDraw(media);
  ui.lastTooltipText = text;
  return TextBoxArea{bx, by, w * 10 + 16, n * 20 + 36};
}
