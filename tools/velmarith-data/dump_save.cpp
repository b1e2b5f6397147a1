// velmarith-data dump <file.sav> [<game folder>]: a saved game as JSON. Saves do not name their
// places, so the universe comes from a game folder: the one given, else the folder the tool lives
// in when it holds INI\, else a shape guessed from the file itself (places by number only). The
// companion beside the save (<name>.zusatz) is shown with it; dumping a companion alone shows it.
#include <system_error>

#include "formats/file_io.h"
#include "formats/group_catalogue.h"
#include "formats/json_record.h"
#include "formats/latin1.h"
#include "formats/place_scan.h"
#include "formats/save_check.h"
#include "formats/save_companion.h"
#include "formats/save_file.h"
#include "tools/velmarith-data/dump.h"

namespace fs = std::filesystem;

namespace {

// What the dump names the groups and places by.
struct SaveUniverse {
  std::string source;  // the folder, or how the shape was found
  UniverseShape shape;
  std::vector<std::string> groupNames;  // empty without a folder
  std::vector<std::string> placeNames;
};

SaveUniverse UniverseOfFolder(const fs::path& folder) {
  SaveUniverse universe{Utf8ToLatin1(folder.string()), {}, {}, {}};
  const GroupCatalogue groups = LoadGroups(DataPath(folder, "INI\\Gruppen.ini"));
  for (int g = 0; g <= groups.groupCount; ++g) universe.groupNames.push_back(groups.groupNames[g]);
  for (ScannedPlace& place : ScanPlaces(folder / "INI")) {
    universe.placeNames.push_back(std::move(place.name));
  }
  universe.shape = {groups.groupCount, static_cast<int>(universe.placeNames.size())};
  return universe;
}

bool HoldsUniverse(const fs::path& folder) {
  std::error_code error;
  return fs::is_directory(folder / "INI", error);
}

// The folder of the running program, when the system tells it.
std::optional<fs::path> ToolFolder() {
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  if (error) return std::nullopt;
  return program.parent_path();
}

void DumpSavedGame(JsonWriter& json, const SavedGame& game, const SaveUniverse& universe) {
  JsonField(json, "dockedPlace", std::string_view(game.dockedPlace));
  JsonKey(json, "ship");
  JsonBeginObject(json);
  ForEachField(game.ship, [&json](const char* name, const auto& value) {
    if (std::string_view(name) != "pilotName") JsonValueField(json, name, value);
  });
  JsonEndObject(json);
  JsonKey(json, "attitudes");
  JsonBeginArray(json);
  for (size_t g = 0; g < game.attitudes.size(); ++g) {
    JsonBeginObject(json);
    JsonField(json, "group", static_cast<int>(g));
    if (g < universe.groupNames.size()) JsonField(json, "name", universe.groupNames[g]);
    JsonField(json, "attitude", static_cast<double>(game.attitudes[g]));
    JsonEndObject(json);
  }
  JsonEndArray(json);
  JsonKey(json, "places");
  JsonBeginArray(json);
  for (size_t p = 0; p < game.places.size(); ++p) {
    JsonBeginObject(json);
    JsonField(json, "place", static_cast<int>(p) + 1);
    if (p < universe.placeNames.size()) JsonField(json, "name", universe.placeNames[p]);
    JsonField(json, "known", game.places[p].known);
    JsonField(json, "info4", std::string_view(game.places[p].info4));
    JsonEndObject(json);
  }
  JsonEndArray(json);
}

void DumpCompanionBody(JsonWriter& json, const SaveCompanion& companion) {
  JsonField(json, "pendingReward", companion.pendingReward);
  JsonKey(json, "missionShips");
  JsonBeginArray(json);
  for (const ShipRecord& ship : companion.missionShips) JsonRecord(json, ship);
  JsonEndArray(json);
  JsonKey(json, "places");
  JsonBeginArray(json);
  for (const CompanionPlace& place : companion.places) {
    JsonBeginObject(json);
    JsonField(json, "name", std::string_view(place.name));
    JsonField(json, "shipOffers", std::string_view(place.shipOffers));
    JsonField(json, "weaponOffers", std::string_view(place.weaponOffers));
    JsonEndObject(json);
  }
  JsonEndArray(json);
}

// The companion beside a save, and whether the game would take it with that save.
void DumpCompanionBeside(JsonWriter& json, const fs::path& saveFile, std::string_view saveBytes) {
  const fs::path file = fs::path(saveFile).replace_extension(".zusatz");
  JsonKey(json, "companion");
  JsonBeginObject(json);
  JsonField(json, "file", Utf8ToLatin1(file.string()));
  const std::optional<std::string> bytes = ReadFileBytes(file);
  if (!bytes) {
    JsonField(json, "state", "none: the game loads the save alone");
  } else if (const CompanionRead read = ReadSaveCompanion(*bytes); !read.ok) {
    JsonField(json, "state", "refused: " + read.error);
  } else {
    const bool matches = read.companion.saveChecksum == SaveChecksum(saveBytes);
    JsonField(
        json, "state",
        matches ? "belongs to this save" : "ignored: written for another version of the save");
    DumpCompanionBody(json, read.companion);
  }
  JsonEndObject(json);
}

}  // namespace

int RunCompanionDump(const fs::path& file, std::ostream& out, std::ostream& err) {
  const std::optional<std::string> bytes = ReadFileBytes(file);
  if (!bytes) {
    err << "velmarith-data dump: cannot read " << file.string() << "\n";
    return 2;
  }
  const CompanionRead read = ReadSaveCompanion(*bytes);
  if (!read.ok) {
    err << "velmarith-data dump: " << file.string() << " is refused: " << Latin1ToUtf8(read.error)
        << "\n";
    return 1;
  }
  JsonWriter json{out, {}, false};
  JsonBeginObject(json);
  JsonField(json, "file", Utf8ToLatin1(file.string()));
  JsonField(json, "kind", "saved game companion");
  JsonField(json, "version", kSaveCompanionVersion);
  DumpCompanionBody(json, read.companion);
  JsonEndObject(json);
  return 0;
}

int RunSaveDump(const fs::path& file, const std::optional<fs::path>& gameFolder, std::ostream& out,
                std::ostream& err) {
  const std::optional<std::string> bytes = ReadFileBytes(file);
  if (!bytes) {
    err << "velmarith-data dump: cannot read " << file.string() << "\n";
    return 2;
  }
  std::optional<fs::path> folder = gameFolder;
  if (!folder) {
    const std::optional<fs::path> beside = ToolFolder();
    if (beside && HoldsUniverse(*beside)) folder = beside;
  }
  SaveUniverse universe;
  if (folder) {
    if (!HoldsUniverse(*folder)) {
      err << "velmarith-data dump: " << folder->string() << " holds no INI folder\n";
      return 2;
    }
    universe = UniverseOfFolder(*folder);
  } else if (const std::optional<UniverseShape> guessed = GuessUniverseShape(*bytes)) {
    universe = {"guessed from the file", *guessed, {}, {}};
  } else {
    err << "velmarith-data dump: " << file.string()
        << " is no saved game of any universe shape (give the game folder to learn why)\n";
    return 1;
  }
  const SaveRead read = ReadSavedGame(*bytes, universe.shape);
  if (!read.ok) {
    err << "velmarith-data dump: " << file.string() << " does not fit the universe of "
        << Latin1ToUtf8(universe.source) << " (" << universe.shape.groupCount + 1 << " groups, "
        << universe.shape.placeCount << " places): " << Latin1ToUtf8(read.error) << "\n";
    return 1;
  }
  JsonWriter json{out, {}, false};
  JsonBeginObject(json);
  JsonField(json, "file", Utf8ToLatin1(file.string()));
  JsonField(json, "kind", "saved game");
  JsonField(json, "universe", universe.source);
  DumpSavedGame(json, read.game, universe);
  DumpCompanionBeside(json, file, *bytes);
  JsonEndObject(json);
  return 0;
}
