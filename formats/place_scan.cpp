#include "formats/place_scan.h"

#include <algorithm>
#include <map>

#include "formats/file_io.h"
#include "formats/latin1.h"
#include "formats/place_file.h"
#include "formats/system_file.h"
#include "formats/universe_file.h"

namespace {

void ReadPlaceLines(ScannedPlace& place, const std::filesystem::path& file) {
  const auto bytes = ReadFileBytes(file);
  if (!bytes) return;
  const PlaceFile lines = ReadPlace(*bytes, PlaceReadMode::kGame);
  place.shipOffers = lines.shipOffers;
  place.weaponOffers = lines.weaponOffers;
  place.goodsOffers = lines.goodsOffers;
  place.goodsPrices = ReplaceTripleZeros(lines.goodsPrices);
}

}  // namespace

std::vector<ScannedPlace> ScanPlaces(const std::filesystem::path& iniFolder) {
  std::vector<ScannedPlace> places;
  std::map<std::string, size_t> byName;  // index into places while reading
  for (const SystemEntry& system : UniverseSystems(LoadUniverse(iniFolder / "Universum.ini"))) {
    const auto systemFile = ReadFileBytes(DataPath(iniFolder, system.name + "\\System.ini"));
    if (!systemFile) continue;
    for (const DockingRingEntry& ring : ScanDockingRings(*systemFile)) {
      auto found = byName.find(ring.name);
      if (found == byName.end()) {
        found = byName.emplace(ring.name, places.size()).first;
        places.push_back(
            {.name = ring.name, .x = ring.x, .y = ring.y, .systemFolder = system.name});
      }
      ReadPlaceLines(places[found->second],
                     DataPath(iniFolder, PlaceDataPath(system.name, ring.name)));
    }
  }
  // std::string compares bytes as unsigned char: the byte-wise order the game keeps.
  std::sort(places.begin(), places.end(),
            [](const ScannedPlace& a, const ScannedPlace& b) { return a.name < b.name; });
  return places;
}
