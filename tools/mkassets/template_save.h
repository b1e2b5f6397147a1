#pragma once

#include "tools/mkassets/asset_sink.h"

// SAVE\Neuer Charakter.sav: a fresh free game of the universe in the game folder (its INI files
// must be converted first). The game server gives it to every new character. Throws
// std::runtime_error when it cannot be written.
void GenerateTemplateSave(AssetSink& sink);
