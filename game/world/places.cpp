#include "game/world/places.h"

#include "formats/place_scan.h"

PlaceRecord* FindPlace(World& world, std::string_view name) {
  for (PlaceRecord& place : world.places) {
    if (place.name == name) return &place;
  }
  return nullptr;
}

void BuildPlaces(World& world, const std::filesystem::path& gameFolder) {
  // The scan comes sorted; each place is added after the one before it.
  world.places.Clear();
  for (ScannedPlace& scanned : ScanPlaces(gameFolder / "INI")) {
    world.places.Add({.name = std::move(scanned.name),
                      .known = 0,
                      .x = scanned.x,
                      .y = scanned.y,
                      .systemFolder = std::move(scanned.systemFolder),
                      .shipOffers = std::move(scanned.shipOffers),
                      .weaponOffers = std::move(scanned.weaponOffers),
                      .goodsOffers = std::move(scanned.goodsOffers),
                      .goodsPrices = std::move(scanned.goodsPrices)});
  }
}

std::vector<std::string> PlaceGoodsPriceLines(const World& world) {
  std::vector<std::string> lines;
  for (const PlaceRecord& place : world.places) lines.push_back(place.goodsPrices);
  return lines;
}
