// Marker pictures of any size and content; the first four bytes give width and height.
#include "formats/ship_catalogue.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 6) return 0;
  RgbImage marker;
  marker.width = data[0] % 64 - 2;
  marker.height = data[1] % 64 - 2;
  const int shipSize = static_cast<std::int8_t>(data[2]) * (data[3] + 1) * 1000;
  marker.pixels.assign(data + 4, data + size);
  const ShipMarkerPoints points = FindShipMarkerPoints(marker, shipSize);
  FuzzRequire(points.mountCount >= 0 && points.mountCount <= kMaxMountSlots, "mount bound");
  for (int k = 1; k <= points.mountCount; ++k) {
    FuzzRequire(points.mounts[k].angle >= -90 && points.mounts[k].angle <= 90, "angle range");
  }
  return 0;
}
