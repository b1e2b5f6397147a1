#include "game/save/companion.h"

#include <cstdio>

#include "formats/file_io.h"
#include "formats/latin1.h"
#include "game/ui/bitmap_text.h"
#include "game/world/computer_ships.h"
#include "game/world/missions.h"
#include "game/world/places.h"
#include "game/world/world_lists.h"

namespace {

// Why a companion that reads cannot go with this world; empty when it can.
std::string MisfitOf(const World& world, const SaveCompanion& companion) {
  for (const CompanionPlace& saved : companion.places) {
    bool known = false;
    for (const PlaceRecord& place : world.places) known = known || place.name == saved.name;
    if (!known) return "it names a place \"" + saved.name + "\" no system has";
  }
  for (const ShipRecord& ship : companion.missionShips) {
    if (!IsMissionShip(ship))
      return "it holds a ship of group " + std::to_string(ship.group) + ", which is no mission's";
  }
  return {};
}

void RestoreMission(World& world, const SaveCompanion& companion) {
  world.pendingReward.amount = companion.pendingReward;
  for (ShipRecord ship : companion.missionShips) {
    // The system's objects were numbered anew on entering it; the ships get fresh numbers too.
    world.nextObjectId += 10;
    ship.id = world.nextObjectId;
    AppendShip(world, std::move(ship));
  }
}

}  // namespace

std::filesystem::path CompanionFilePath(const std::filesystem::path& gameFolder,
                                        std::string_view name) {
  return DataPath(gameFolder, CompanionDataPath(name));
}

SaveCompanion CaptureSaveCompanion(const World& world, std::uint64_t saveChecksum) {
  SaveCompanion companion;
  companion.saveChecksum = saveChecksum;
  companion.pendingReward = world.pendingReward.amount;
  for (const ShipRecord& ship : world.ships) {
    if (&ship != world.ships.Front() && IsMissionShip(ship)) companion.missionShips.push_back(ship);
  }
  for (const PlaceRecord& place : world.places) {
    companion.places.push_back({place.name, place.shipOffers, place.weaponOffers});
  }
  return companion;
}

CompanionLookup LookUpCompanion(const World& world, const std::filesystem::path& file,
                                std::string_view saveBytes) {
  CompanionLookup lookup;
  const std::optional<std::string> bytes = ReadFileBytes(file);
  if (!bytes) return lookup;
  const CompanionRead read = ReadSaveCompanion(*bytes);
  if (!read.ok) {
    lookup.ignored = "it is damaged: " + read.error;
    lookup.notice = "Datei besch\xE4digt";
  } else if (read.companion.saveChecksum != SaveChecksum(saveBytes)) {
    lookup.ignored = "it belongs to another version of the save (a save that stopped halfway?)";
    lookup.notice = "geh\xF6ren zu einem anderen Spielstand";
  } else {
    lookup.ignored = MisfitOf(world, read.companion);
    lookup.notice = "passen nicht zu diesem Universum";
  }
  if (lookup.ignored.empty()) {
    lookup.companion = read.companion;
  } else {
    std::fprintf(stderr, "%s is not used: %s\n", file.string().c_str(),
                 Latin1ToUtf8(lookup.ignored).c_str());
  }
  return lookup;
}

void RestoreFromCompanion(World& world, const CompanionLookup& lookup) {
  world.pendingReward.amount = 0;
  if (!lookup.ignored.empty()) {
    AddTickerMessage(world.tickerMessages, kHostileText, "Zusatzdaten nicht geladen: ", kNormalText,
                     lookup.notice);
  }
  if (lookup.companion) {
    for (const CompanionPlace& saved : lookup.companion->places) {
      if (PlaceRecord* place = FindPlace(world, saved.name)) {
        place->shipOffers = saved.shipOffers;
        place->weaponOffers = saved.weaponOffers;
      }
    }
    RestoreMission(world, *lookup.companion);
    return;
  }
  if (MissionRunning(world)) {
    world.ships.Front()->orders.clear();
    AddTickerMessage(world.tickerMessages, kHostileText, "Auftrag beendet: ", kNormalText,
                     "der Spielstand h\xE4lt ihn nicht");
  }
}
