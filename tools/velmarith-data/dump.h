#pragma once

#include <filesystem>
#include <optional>
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

// "dump <file.sav> [<game folder>]": a saved game as JSON, its groups and places named by the
// universe of the game folder (default: the tool's own folder when it holds INI\, else a shape
// guessed from the file and places by number). 0 when shown, 1 when the file does not fit the
// universe, 2 when it cannot be read.
int RunSaveDump(const std::filesystem::path& file,
                const std::optional<std::filesystem::path>& gameFolder, std::ostream& out,
                std::ostream& err);

// "dump <file.zusatz>": the companion of a saved game as JSON. 0 when shown, 1 when it is refused
// (the reason on `err`), 2 when it cannot be read.
int RunCompanionDump(const std::filesystem::path& file, std::ostream& out, std::ostream& err);
