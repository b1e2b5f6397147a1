#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "formats/read_issues.h"
#include "formats/record_fields.h"
#include "formats/rgb_image.h"

// INI\Raumschiffe.ini: the ship types, numbered from 1 in the order of their data lines.

inline constexpr int kMaxShipTypes = 100;
inline constexpr int kMaxClassSlots = 8;   // slot classes run from column 51 up to the hull
inline constexpr int kMaxMountSlots = 10;  // mount points a marker picture can define

// Fields in storage order.
struct ShipType {
  std::string name;         // columns 1-20; also names the pictures
  int slotCount = 0;        // columns 31-40
  std::string slotClasses;  // columns 51 .. 50 + 5 x slotCount, untrimmed, 5 characters a slot
  int size = 0;             // columns 21-30: radius in world units
  int hull = 0;             // columns 91-100
  int maxSpeed = 0;         // columns 101-110
  int agility = 0;          // columns 111-120
  int energy = 0;           // columns 121-130
  int cargoCapacity = 0;    // columns 131-140
  int exhaustAngle = 0;     // from the marker picture
  int exhaustDistance = 0;  // from the marker picture
  int price = 0;            // columns 151-160
};

template <>
struct RecordFields<ShipType> {
  static constexpr auto kList = std::make_tuple(
      Field("name", &ShipType::name), Field("slotCount", &ShipType::slotCount),
      Field("slotClasses", &ShipType::slotClasses), Field("size", &ShipType::size),
      Field("hull", &ShipType::hull), Field("maxSpeed", &ShipType::maxSpeed),
      Field("agility", &ShipType::agility), Field("energy", &ShipType::energy),
      Field("cargoCapacity", &ShipType::cargoCapacity), Field("price", &ShipType::price));
  // exhaustAngle and exhaustDistance come from the marker picture, not from the catalogue file.
  static constexpr std::size_t kLeftOut = 2;
};

// A weapon mount point, polar around the ship's centre.
struct ShipMount {
  int distance = 0;
  int angle = 0;
};

struct ShipCatalogue {
  std::vector<ShipType> shipTypes;  // index = ship-type index; entry 0 stays empty
  // shipMounts[n][k]: mount point k (1..10) of ship type n; slot s of a ship uses entry s + 1.
  std::vector<std::array<ShipMount, kMaxMountSlots + 1>> shipMounts;
  int shipTypeCount = 0;
  std::vector<int> sourceLines;  // line of each entry in the file; [0] = 0
};

// Reads the catalogue (at most 100 entries; further data lines are reported and ignored).
ShipCatalogue ReadShipTypes(std::string_view bytes, ReadIssues* issues = nullptr);
// The file-level wrapper: a missing file gives an empty catalogue.
ShipCatalogue LoadShipTypes(const std::filesystem::path& path, ReadIssues* issues = nullptr);

// The points found on a marker picture.
struct ShipMarkerPoints {
  std::array<ShipMount, kMaxMountSlots + 1> mounts{};  // [1..mountCount]
  int mountCount = 0;
  int extraMounts = 0;  // green pixels beyond the tenth, ignored
  bool exhaustFound = false;
  int exhaustAngle = 0;
  int exhaustDistance = 0;
};

// Scans the marker picture of a ship of the given size: every second column (outer loop) and
// every second row; pure green pixels are the mount points in the order found, the last pure red
// pixel the exhaust point. A buffer smaller than width x height x 3 gives no points.
ShipMarkerPoints FindShipMarkerPoints(const RgbImage& marker, int size);

// Stores the points as the mounts and the exhaust point of ship type `index` (1..count).
void ApplyShipMarkerPoints(ShipCatalogue& catalogue, int index, const ShipMarkerPoints& points);

// The last entry 1..count whose name equals `name` exactly; 0 when none.
int ShipTypeIndex(const ShipCatalogue& catalogue, std::string_view name);

// Data paths of a ship type's pictures: "BMP\Schiffe\<name>.bmp" and the marker "<name>_.bmp".
std::string ShipPictureDataPath(std::string_view name);
std::string ShipMarkerDataPath(std::string_view name);
