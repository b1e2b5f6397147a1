#include "game/world/places.h"

#include "formats/file_io.h"
#include "formats/latin1.h"
#include "formats/place_file.h"
#include "formats/system_file.h"
#include "formats/universe_file.h"

namespace {

// Inserts a place before the first one whose name sorts after it (byte-wise), or at the end.
PlaceRecord& InsertPlaceSorted(CursorList<PlaceRecord>& places, PlaceRecord place) {
  const PlaceRecord* previous = nullptr;
  for (const PlaceRecord& existing : places) {
    if (existing.name > place.name) break;
    previous = &existing;
  }
  if (previous) {
    places.MakeCurrent(previous);
  } else {
    places.Reset();  // an add with no current record goes to the front
  }
  return places.Add(std::move(place));
}

void ReadPlaceTexts(PlaceRecord& place, const std::filesystem::path& file) {
  const auto bytes = ReadFileBytes(file);
  if (!bytes) return;
  const PlaceFile texts = ReadPlace(*bytes, PlaceReadMode::kGame);
  place.shipOffers = texts.shipOffers;
  place.weaponOffers = texts.weaponOffers;
  place.goodsOffers = texts.goodsOffers;
  place.goodsPrices = ReplaceTripleZeros(texts.goodsPrices);
}

}  // namespace

PlaceRecord* FindPlace(World& world, std::string_view name) {
  for (PlaceRecord& place : world.places) {
    if (place.name == name) return &place;
  }
  return nullptr;
}

void BuildPlaces(World& world, const std::filesystem::path& gameFolder) {
  const std::filesystem::path ini = gameFolder / "INI";
  const UniverseFile universe = LoadUniverse(ini / "Universum.ini");
  for (const SystemEntry& system : UniverseSystems(universe)) {
    const auto systemFile = ReadFileBytes(DataPath(ini, system.name + "\\System.ini"));
    if (!systemFile) continue;
    for (const DockingRingEntry& ring : ScanDockingRings(*systemFile)) {
      PlaceRecord* place = FindPlace(world, ring.name);
      if (!place) {
        place = &InsertPlaceSorted(world.places, PlaceRecord{.name = ring.name,
                                                             .known = 0,
                                                             .x = ring.x,
                                                             .y = ring.y,
                                                             .systemFolder = system.name});
      }
      ReadPlaceTexts(*place, DataPath(ini, PlaceDataPath(system.name, ring.name)));
    }
  }
}

std::vector<std::string> PlaceGoodsPriceLines(const World& world) {
  std::vector<std::string> lines;
  for (const PlaceRecord& place : world.places) lines.push_back(place.goodsPrices);
  return lines;
}
