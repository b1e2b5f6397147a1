#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "tools/mkassets/encoders.h"
#include "tools/mkassets/image.h"

// Where generated files go. Every picture is also kept as a preview of what the game will show,
// for the review sheet.
struct PictureRecord {
  std::string numbers;   // picture numbers as the game loads them ("21-23, 25-27"), or a note
  std::string dataPath;  // as the data speaks it: "BMP\Effekte\Kreis_R.bmp" (Latin-1)
  Image preview;         // composited as drawn, at most previewSide on a side
  int width = 0, height = 0;
};

struct AssetSink {
  std::filesystem::path gameDir;
  bool keepPreviews = false;
  int previewSide = 256;  // previews are shrunk to this side at most
  std::vector<PictureRecord> pictures;
  std::vector<std::string> writtenFiles;  // data paths, in writing order
};

// The file system path of a data path under the game folder ("\" -> "/", UTF-8 names).
std::filesystem::path GamePath(const AssetSink& sink, std::string_view dataPath);

// Writes bytes to the game folder, creating folders; throws std::runtime_error on failure.
void WriteGameFile(AssetSink& sink, std::string_view dataPath, std::string_view bytes);

void SavePicture(AssetSink& sink, std::string_view numbers, std::string_view dataPath,
                 const Image& image, PixelMode mode);
void SaveJpeg(AssetSink& sink, std::string_view numbers, std::string_view dataPath,
              const Image& image, int quality, PixelMode mode = PixelMode::kKeyed);
void SaveSound(AssetSink& sink, std::string_view dataPath, const std::vector<float>& samples,
               int sampleRate);

// How the picture looks when the game draws it over the dark background of space.
Image PreviewOf(const Image& image, PixelMode mode);
