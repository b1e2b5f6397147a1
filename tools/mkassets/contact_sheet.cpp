#include "tools/mkassets/contact_sheet.h"

#include <algorithm>

#include "formats/latin1.h"
#include "tools/mkassets/text_render.h"

namespace {

// Small pictures are shown enlarged (whole pixels) so that their detail can be judged.
Image Enlarged(const Image& image) {
  const int side = std::max(image.width, image.height);
  const int factor = std::clamp(200 / std::max(1, side), 1, 4);
  if (factor == 1) return image;
  Image out = MakeImage(image.width * factor, image.height * factor);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) At(out, x, y) = At(image, x / factor, y / factor);
  return out;
}

}  // namespace

Image ContactSheet(const AssetSink& source, int columns) {
  AssetSink sink = source;
  for (PictureRecord& r : sink.pictures) r.preview = Enlarged(r.preview);
  const int pad = 8, label = 34;
  int cellW = 0, cellH = 0;
  for (const PictureRecord& r : sink.pictures) {
    cellW = std::max(cellW, r.preview.width);
    cellH = std::max(cellH, r.preview.height);
  }
  cellW = std::max(cellW, 200) + 2 * pad;
  cellH += label + 2 * pad;
  columns = std::max(1, std::min<int>(columns, static_cast<int>(sink.pictures.size())));
  const int rows = (static_cast<int>(sink.pictures.size()) + columns - 1) / columns;
  Image sheet = MakeImage(columns * cellW, std::max(1, rows) * cellH, Rgb(40, 42, 48));
  for (size_t i = 0; i < sink.pictures.size(); ++i) {
    const PictureRecord& r = sink.pictures[i];
    int x = static_cast<int>(i % columns) * cellW, y = static_cast<int>(i / columns) * cellH;
    FillRect(sheet, x + 2, y + 2, cellW - 4, cellH - 4, Rgb(24, 26, 32));
    Paste(sheet, r.preview, x + (cellW - r.preview.width) / 2, y + pad);
    std::string line1 =
        r.numbers + "  (" + std::to_string(r.width) + " x " + std::to_string(r.height) + ")";
    std::string name = Latin1ToUtf8(r.dataPath);
    size_t cut = name.rfind('\\');
    std::string line2 = cut == std::string::npos ? name : name.substr(cut + 1);
    Paste(sheet, TextImage(Face::kSansBold, 12, line1, Rgb(255, 220, 120)), x + pad,
          y + cellH - label - 2);
    Paste(sheet, TextImage(Face::kSans, 12, line2, Rgb(220, 225, 235)), x + pad,
          y + cellH - label + 14);
  }
  return sheet;
}
