#pragma once

#include <filesystem>
#include <string>

#include "tools/mkassets/asset_sink.h"

struct GenerateOptions {
  std::filesystem::path gameDir;
  std::filesystem::path dataDir;  // the repository's data folder (UTF-8, LF)
  bool voices = true;             // spoken docking clips, when espeak-ng is installed
  bool keepPreviews = false;
  int previewSide = 256;
};

// Makes the complete game folder apart from the binaries: INI and TXT converted from the data
// folder, SAVE with the template game of a new character, and every picture and sound. Throws
// std::runtime_error with a message that names the file at fault.
void GenerateGameFolder(const GenerateOptions& options, AssetSink& sink);
