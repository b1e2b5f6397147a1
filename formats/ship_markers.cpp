#include "formats/angles.h"
#include "formats/ship_catalogue.h"

#include <cmath>
#include <cstddef>

#include "formats/rounding.h"

namespace {

constexpr double kDegreesPerRadian = 1.0 / kRadiansPerDegree;

}  // namespace

ShipMarkerPoints FindShipMarkerPoints(const RgbImage& marker, int size) {
  ShipMarkerPoints points;
  if (marker.width <= 0 || marker.height <= 0) return points;
  const auto needed = static_cast<std::size_t>(marker.width) * marker.height * 3;
  if (marker.pixels.size() < needed) return points;

  const double halfWidth = marker.width / 2.0;
  const double halfHeight = marker.height / 2.0;
  for (int x = 0; x < marker.width; x += 2) {
    for (int y = 0; y < marker.height; y += 2) {
      const std::uint8_t* pixel =
          &marker.pixels[(static_cast<std::size_t>(y) * marker.width + x) * 3];
      const bool green = pixel[0] == 0 && pixel[1] == 255 && pixel[2] == 0;
      const bool red = pixel[0] == 255 && pixel[1] == 0 && pixel[2] == 0;
      if (!green && !red) continue;
      const double dx = halfWidth - x;
      const double dy = halfHeight - y;
      const int distance = RoundToInt(std::sqrt(dx * dx + dy * dy) / halfWidth * size);
      // atan of dx / dy, within -90..90; straight sideways (dy = 0) is +-90, the centre 0.
      double degrees = 0;
      if (dy != 0)
        degrees = std::atan(dx / dy) * kDegreesPerRadian;
      else if (dx > 0)
        degrees = 90;
      else if (dx < 0)
        degrees = -90;
      const int angle = RoundToInt(degrees);
      if (green) {
        if (points.mountCount < kMaxMountSlots) {
          ++points.mountCount;
          points.mounts[points.mountCount] = {distance, angle};
        } else {
          ++points.extraMounts;
        }
      } else {
        points.exhaustFound = true;
        points.exhaustDistance = distance;
        points.exhaustAngle = angle + 180;
      }
    }
  }
  return points;
}

void ApplyShipMarkerPoints(ShipCatalogue& catalogue, int index, const ShipMarkerPoints& points) {
  if (index < 1 || index > catalogue.shipTypeCount) return;
  for (int k = 1; k <= points.mountCount; ++k) catalogue.shipMounts[index][k] = points.mounts[k];
  if (points.exhaustFound) {
    catalogue.shipTypes[index].exhaustAngle = points.exhaustAngle;
    catalogue.shipTypes[index].exhaustDistance = points.exhaustDistance;
  }
}
