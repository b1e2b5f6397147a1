#pragma once

#include "tools/mkassets/asset_sink.h"

// Generators of the fixed pictures, one group of files each. Each writes its files through the
// sink; all of them are deterministic.
void GenerateEffects(AssetSink& sink);     // BMP\Effekte, shield, sun rays
void GenerateSymbols(AssetSink& sink);     // BMP\Symbole
void GenerateSurfaces(AssetSink& sink);    // BMP\Oberflächen and the loose pictures under BMP
void GenerateBackground(AssetSink& sink);  // BMP\Hintergrund: dust, rocks, gas, bacteria
void GenerateObjects(AssetSink& sink);     // BMP\Objekte: pods, route markers, station, mine
void GenerateBodies(AssetSink& sink);      // BMP\Planeten: planets, atmospheres, the sun
void GenerateTitle(AssetSink& sink);       // BMP\LOGO.jpg, BMP\LOAD.jpg
