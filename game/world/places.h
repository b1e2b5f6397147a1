#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "game/world/world_state.h"

// Builds the Places list at start-up from every system's docking rings (ScanPlaces): sorted by
// name, position and folder from the first system that names a place, the four offer texts from
// the place file of the last one.
void BuildPlaces(World& world, const std::filesystem::path& gameFolder);

// The place of that name, or nullptr.
PlaceRecord* FindPlace(World& world, std::string_view name);

// Every place's goods-price line, in list order (for the goods catalogue's total stock).
std::vector<std::string> PlaceGoodsPriceLines(const World& world);
