#include "formats/ship_catalogue.h"

#include "formats/catalogue_lines.h"
#include "formats/file_io.h"
#include "formats/text_rules.h"

namespace {

int IntColumns(const DataLine& data, int first, int last, const char* what, ReadIssues* issues) {
  return ReadIntField(Columns(data.text, first, last), data.line, what, issues);
}

ShipType ReadShipLine(const DataLine& data, ReadIssues* issues) {
  ShipType ship;
  ship.name = Field(data.text, 1, 20);
  ship.size = IntColumns(data, 21, 30, "size", issues);
  ship.slotCount = IntColumns(data, 31, 40, "slot count", issues);
  if (ship.slotCount > 0) {
    // Kept untrimmed: each slot's class is a 5-character field of its own.
    const long long last = 50LL + 5LL * ship.slotCount;
    ship.slotClasses = std::string(Columns(data.text, 51, last > 100000 ? 100000 : last));
  }
  if (ship.slotCount < 0 || ship.slotCount > kMaxClassSlots) {
    NoteIssue(issues, data.line,
              "slot count " + FormatInt(ship.slotCount) + " outside 0.." +
                  FormatInt(kMaxClassSlots) + " (the slot classes would run into the hull)");
  }
  ship.hull = IntColumns(data, 91, 100, "hull", issues);
  ship.maxSpeed = IntColumns(data, 101, 110, "speed", issues);
  ship.agility = IntColumns(data, 111, 120, "agility", issues);
  ship.energy = IntColumns(data, 121, 130, "energy", issues);
  ship.cargoCapacity = IntColumns(data, 131, 140, "cargo capacity", issues);
  ship.price = IntColumns(data, 151, 160, "price", issues);
  return ship;
}

}  // namespace

ShipCatalogue ReadShipTypes(std::string_view bytes, ReadIssues* issues) {
  ShipCatalogue catalogue;
  catalogue.shipTypes.emplace_back();
  catalogue.shipMounts.emplace_back();
  catalogue.sourceLines.push_back(0);
  for (const DataLine& data : DataLines(bytes)) {
    if (catalogue.shipTypeCount == kMaxShipTypes) {
      NoteIssue(issues, data.line, "more than 100 ship types; this one is ignored");
      continue;
    }
    catalogue.shipTypes.push_back(ReadShipLine(data, issues));
    catalogue.shipMounts.emplace_back();
    catalogue.sourceLines.push_back(data.line);
    ++catalogue.shipTypeCount;
  }
  return catalogue;
}

ShipCatalogue LoadShipTypes(const std::filesystem::path& path, ReadIssues* issues) {
  return ReadShipTypes(ReadFileBytes(path).value_or(std::string()), issues);
}

int ShipTypeIndex(const ShipCatalogue& catalogue, std::string_view name) {
  int found = 0;
  for (int n = 1; n <= catalogue.shipTypeCount; ++n) {
    if (catalogue.shipTypes[n].name == name) found = n;
  }
  return found;
}

std::string ShipPictureDataPath(std::string_view name) {
  return "BMP\\Schiffe\\" + std::string(name) + ".bmp";
}

std::string ShipMarkerDataPath(std::string_view name) {
  return "BMP\\Schiffe\\" + std::string(name) + "_.bmp";
}
