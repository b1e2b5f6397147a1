#include "game/save/save_game.h"

#include "formats/file_io.h"
#include "formats/free_game.h"
#include "formats/latin1.h"
#include "formats/object_kinds.h"
#include "formats/text_rules.h"
#include "game/save/companion.h"
#include "game/world/geometry.h"
#include "game/world/places.h"
#include "game/world/system_loading.h"
#include "game/world/world_lists.h"

namespace {

// C0 controls, DEL and the C1 controls of Latin-1: none of them belongs in a file name.
bool IsControl(unsigned char c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// The loaded ship replaces the first record; its pilot name is not in the file and stays.
void PlaceLoadedShip(World& world, const ShipRecord& loaded) {
  if (world.ships.Empty()) AddShip(world.ships, ShipRecord{});
  ShipRecord& ship = *world.ships.Front();
  const std::string pilotName = ship.pilotName;
  ship = loaded;
  ship.pilotName = pilotName;
  world.ships.First();  // the menus work on the local ship as the current record
}

void ApplySavedGame(World& world, const SavedGame& game) {
  StartLoadedGameWorld(world);
  world.docking.dockedPlace = game.dockedPlace;
  PlaceLoadedShip(world, game.ship);
  const ShipRecord& ship = *world.ships.Front();
  world.launchX = world.cameraX = ship.x;
  world.launchY = world.cameraY = ship.y;
  world.launchHeading = world.playerHeading = ship.heading;
  world.playerShipType = ShipTypeOfPicture(ship.type);
  world.nextObjectId = kNextObjectIdAtStart;
  SetPlayerAttitudes(world.groups, game.attitudes);
  size_t p = 0;
  for (PlaceRecord& place : world.places) {
    place.known = game.places[p].known;
    place.goodsPrices = game.places[p].info4;
    ++p;
  }
}

// A game saved in flight (its docked place names no place) goes on in flight where it was saved.
// No drive carries the ship on (the file keeps the drive's factor only rounded, which would drive
// it for ever), and until it next leaves a ring, a loss brings it back at the docking ring nearest
// to where it was saved, turned away from the ring as a launch from it leaves (a ring's angle is
// the way in).
void SettleInFlight(World& world) {
  world.docking.dockedPlace.clear();
  ShipRecord& ship = *world.ships.Front();
  ship.driveSpeed = 0;
  ship.driveFactor = 1;
  ship.dockTarget = -1;
  const SystemObjectRecord* nearest = nullptr;
  float best = 0;
  for (const SystemObjectRecord& object : world.visit.systemObjects) {
    if (object.type != kObjectDockingRing) continue;
    const float d = RoundedDistance(object.x, object.y, ship.x, ship.y);
    if (!nearest || d < best) {
      nearest = &object;
      best = d;
    }
  }
  if (!nearest) return;
  world.launchX = nearest->x;
  world.launchY = nearest->y;
  world.launchHeading = NormaliseAngle(nearest->angle + 180);
}

}  // namespace

bool IsUsableSaveName(std::string_view name) {
  if (TrimBlanks(name).empty()) return false;
  if (name.find_first_of("/\\") != std::string_view::npos) return false;
  if (name.find("..") != std::string_view::npos) return false;
  for (const char c : name) {
    if (IsControl(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

std::filesystem::path SaveFilePath(const std::filesystem::path& gameFolder, std::string_view name) {
  return DataPath(gameFolder, SaveDataPath(name));
}

SavedGame CaptureSavedGame(const World& world) {
  SavedGame game;
  game.dockedPlace = world.docking.dockedPlace;
  if (const ShipRecord* ship = world.ships.Front()) game.ship = *ship;
  game.attitudes = PlayerAttitudes(world.groups);
  for (const PlaceRecord& place : world.places) {
    game.places.push_back(SavedPlace{place.known, place.goodsPrices});
  }
  return game;
}

UniverseShape WorldShape(const World& world) {
  return UniverseShape{world.groups.groupCount, world.places.Count()};
}

void NoteGameSaved(SaveState& save, const World& world) {
  save.lastSavedBytes = world.ships.Empty() ? "" : WriteSavedGame(CaptureSavedGame(world)).bytes;
}

bool ChangedSinceSaved(const SaveState& save, const World& world) {
  if (world.ships.Empty()) return false;
  return WriteSavedGame(CaptureSavedGame(world)).bytes != save.lastSavedBytes;
}

SaveOutcome SaveGame(const World& world, const std::filesystem::path& gameFolder,
                     std::string_view name, const BeforeCommit& beforeCommit,
                     const BeforeCommit& betweenRenames) {
  if (!IsUsableSaveName(name)) return {false, "the name cannot be a file name"};
  if (name == kNewCharacterSaveName) {
    return {false, "the template of every new character is made with velmarith-data template"};
  }
  if (world.ships.Empty()) return {false, "there is no game to save"};
  const SaveBytes bytes = WriteSavedGame(CaptureSavedGame(world));
  if (!bytes.ok) return {false, bytes.error};
  const WriteResult folder = EnsureFolder(DataPath(gameFolder, "SAVE"));
  if (!folder.ok) return {false, folder.message};
  const std::filesystem::path file = SaveFilePath(gameFolder, name);
  const std::filesystem::path companionFile = CompanionFilePath(gameFolder, name);
  if (name == kNetworkSaveName) {
    // The server keeps the .sav alone; no companion may pair with a game it sends back.
    std::error_code ignored;
    std::filesystem::remove(companionFile, ignored);
    const WriteResult written = WriteFileAtomically(file, bytes.bytes, beforeCommit);
    if (!written.ok) return {false, written.message};
    return {true, {}};
  }
  const SaveBytes companion =
      WriteSaveCompanion(CaptureSaveCompanion(world, SaveChecksum(bytes.bytes)));
  if (!companion.ok) return {false, companion.error};
  // Both are written whole before either replaces its old file. A stop between the two renames
  // leaves the new .sav with the old companion, whose checksum then no longer matches.
  StagedFile stagedSave;
  StagedFile stagedCompanion;
  WriteResult written = StageFile(file, bytes.bytes, stagedSave);
  if (!written.ok) return {false, written.message};
  written = StageFile(companionFile, companion.bytes, stagedCompanion);
  if (!written.ok) {
    DiscardStagedFile(stagedSave);
    return {false, written.message};
  }
  if (beforeCommit) beforeCommit();
  written = CommitStagedFile(stagedSave);
  if (!written.ok) {
    DiscardStagedFile(stagedCompanion);
    return {false, written.message};
  }
  if (betweenRenames) betweenRenames();
  written = CommitStagedFile(stagedCompanion);
  if (!written.ok) {
    // The old companion no longer matches and is ignored: the game loads without its mission.
    return {false, "the game was saved, but not its companion: " + written.message};
  }
  return {true, {}};
}

SaveOutcome LoadGame(World& world, const std::filesystem::path& gameFolder, Rng& rng,
                     std::string_view name) {
  if (!IsUsableSaveName(name)) return {false, "the name cannot be a file name"};
  const std::filesystem::path file = SaveFilePath(gameFolder, name);
  const std::optional<std::string> bytes = ReadFileBytes(file);
  if (!bytes) return {false, "cannot read " + file.string()};
  const SaveRead read = ReadSavedGame(*bytes, WorldShape(world));
  if (!read.ok) return {false, file.string() + ": " + read.error};
  // The network game travels without a companion: whatever lies beside it is not its own.
  const CompanionLookup companion =
      name == kNetworkSaveName
          ? CompanionLookup{}
          : LookUpCompanion(world, CompanionFilePath(gameFolder, name), *bytes);
  ApplySavedGame(world, read.game);
  EnterSystem(world, SystemContext{rng, gameFolder});
  if (!FindPlace(world, world.docking.dockedPlace)) SettleInFlight(world);
  RestoreFromCompanion(world, companion);
  return {true, {}};
}
