#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tools/mkassets/asset_sink.h"

// The twelve bitmap fonts: six colour sets in cells 6 x 20 and 10 x 20.
void GenerateFonts(AssetSink& sink);
// The glyph row of one font picture (224 cells for codes 32..255).
Image FontPicture(int size, Rgba colour);

// The synthesised sound clips of the sound table.
void GenerateSounds(AssetSink& sink);

// A docking announcement place: system folder and place name, Latin-1 as in the data.
struct VoicePlace {
  std::string systemFolder;
  std::string placeName;
};
// Every docking ring of every system of the universe file in the game folder.
std::vector<VoicePlace> ListVoicePlaces(const std::filesystem::path& gameDir);
// Whether espeak-ng can be run.
bool VoiceAvailable();
// The four clips per system folder; returns the number of clips written.
int GenerateVoices(AssetSink& sink, const std::vector<VoicePlace>& places);
