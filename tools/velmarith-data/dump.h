#pragma once

#include <filesystem>
#include <ostream>
#include <string_view>

// The kinds of data file, told apart by their names (and for the two "Gruppen.txt" by folder).
enum class DumpKind {
  kUnknown,
  kShipTypes,
  kWeaponTypes,
  kGroups,
  kGoods,
  kElementDefs,
  kPeopleDefs,
  kGroupTexts,
  kBriefingTexts,
  kUniverse,
  kSystem,
  kLegacySystem,
  kRoutes,
  kPlace,
  kNotes,
  kLegacyOffers,
  kLegacyPrices,
  kRoutePoints,
};

// The kind of a file from its path; `bytes` tells the older System.ini layout from the current.
DumpKind DumpKindOf(const std::filesystem::path& path, std::string_view bytes);

// Writes the JSON of one file's contents as the game reads it (`groupCount` is needed for the
// group texts only).
void DumpFile(DumpKind kind, const std::filesystem::path& path, std::string_view bytes,
              int groupCount, std::ostream& out);
