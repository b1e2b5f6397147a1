#include "tools/mkassets/asset_sink.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

#include "formats/latin1.h"
#include "formats/media_plan.h"

std::filesystem::path GamePath(const AssetSink& sink, std::string_view dataPath) {
  return DataPath(sink.gameDir, dataPath);
}

void WriteGameFile(AssetSink& sink, std::string_view dataPath, std::string_view bytes) {
  std::filesystem::path path = GamePath(sink, dataPath);
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path.string());
  sink.writtenFiles.emplace_back(dataPath);
}

Image PreviewOf(const Image& image, PixelMode mode) {
  Image out = MakeImage(image.width, image.height);
  const Rgba space = Rgb(14, 16, 24);
  for (size_t i = 0; i < image.pixels.size(); ++i) {
    const Rgba& p = image.pixels[i];
    Rgba& q = out.pixels[i];
    if (mode == PixelMode::kLight) {
      q = {space.r + p.r, space.g + p.g, space.b + p.b, 1};
    } else if (mode == PixelMode::kKeyed) {
      unsigned char rgb[3];
      PixelBytes(p, mode, rgb);
      bool key = rgb[0] == 0 && rgb[1] == 0 && rgb[2] == 0;
      q = key ? space : Rgba{rgb[0] / 255.0f, rgb[1] / 255.0f, rgb[2] / 255.0f, 1};
    } else {
      float a = Clamp01(p.a);
      q = {space.r + (p.r - space.r) * a, space.g + (p.g - space.g) * a,
           space.b + (p.b - space.b) * a, 1};
    }
  }
  return out;
}

namespace {

// "1, 11, 25-27": the numbers under which the plan loads a file, runs joined.
std::string PlanNumbers(std::string_view dataPath) {
  std::vector<int> numbers;
  auto take = [&](const std::vector<PlannedFile>& files) {
    for (const PlannedFile& file : files)
      if (file.dataPath == dataPath) numbers.push_back(file.number);
  };
  take(PlannedFontPictures());
  take(PlannedLoadingPictures());
  for (const PlannedGroup& group : PlannedMediaGroups()) take(group.files);
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  std::string text;
  for (size_t i = 0; i < numbers.size();) {
    size_t j = i;
    while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1) ++j;
    if (!text.empty()) text += ", ";
    text += std::to_string(numbers[i]);
    if (j > i) text += "-" + std::to_string(numbers[j]);
    i = j + 1;
  }
  return text;
}

void Remember(AssetSink& sink, std::string_view numbers, std::string_view dataPath,
              const Image& image, PixelMode mode) {
  if (!sink.keepPreviews) return;
  PictureRecord record;
  std::string planned = PlanNumbers(dataPath);
  record.numbers = planned.empty() ? std::string(numbers) : planned;
  record.dataPath = dataPath;
  record.width = image.width;
  record.height = image.height;
  Image shown = PreviewOf(image, mode);
  int side = std::max(image.width, image.height);
  if (image.height <= 32 && image.width > 2 * sink.previewSide) {
    // Long strips (the fonts) are wrapped into rows at full size, so glyphs stay readable.
    const int rowWidth = 2 * sink.previewSide, rows = (image.width + rowWidth - 1) / rowWidth;
    Image wrapped = MakeImage(rowWidth, rows * (image.height + 2), Rgb(14, 16, 24));
    for (int y = 0; y < image.height; ++y)
      for (int x = 0; x < image.width; ++x)
        At(wrapped, x % rowWidth, (x / rowWidth) * (image.height + 2) + y) = At(shown, x, y);
    shown = std::move(wrapped);
  } else if (side > sink.previewSide) {
    int w = std::max(1, image.width * sink.previewSide / side);
    int h = std::max(1, image.height * sink.previewSide / side);
    shown = Resize(shown, w, h);
  }
  record.preview = std::move(shown);
  sink.pictures.push_back(std::move(record));
}

}  // namespace

void SavePicture(AssetSink& sink, std::string_view numbers, std::string_view dataPath,
                 const Image& image, PixelMode mode) {
  WriteGameFile(sink, dataPath, EncodeBmp(image, mode));
  Remember(sink, numbers, dataPath, image, mode);
}

void SaveJpeg(AssetSink& sink, std::string_view numbers, std::string_view dataPath,
              const Image& image, int quality, PixelMode mode) {
  WriteGameFile(sink, dataPath, EncodeJpeg(image, quality, mode));
  Remember(sink, numbers, dataPath, image, mode);
}

void SaveSound(AssetSink& sink, std::string_view dataPath, const std::vector<float>& samples,
               int sampleRate) {
  WriteGameFile(sink, dataPath, EncodeWav(samples, sampleRate));
}
