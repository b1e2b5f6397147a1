#include "sysedit/map/map_view.h"

#include "formats/rounding.h"

int ZoomDivisor(const MapView& view) {
  int position = view.zoomPosition;
  if (position < 0) position = 0;
  if (position > 3) position = 3;
  return 1 << position;
}

double MapScale(const MapView& view) {
  return 1.0 / (25.0 * ZoomDivisor(view));
}

MapPoint CameraShift(const MapView& view) {
  const double z = ZoomDivisor(view);
  return {RoundToInt(view.cameraX / z), RoundToInt(view.cameraY / z)};
}

MapPoint WorldToMap(const MapView& view, double worldX, double worldY) {
  const double s = MapScale(view);
  const MapPoint shift = CameraShift(view);
  return {RoundToInt(worldX * s) + shift.x + kMapSize / 2,
          RoundToInt(worldY * s) + shift.y + kMapSize / 2};
}

MapPoint MapToWorld(const MapView& view, int u, int v) {
  const double s = MapScale(view);
  const MapPoint shift = CameraShift(view);
  return {RoundToInt((u - kMapSize / 2 - shift.x) / s),
          RoundToInt((v - kMapSize / 2 - shift.y) / s)};
}

bool IsPickable(int u, int v) {
  return u > 0 && u < kMapSize && v > 0 && v < kMapSize;
}

void PanMap(MapView& view, int dx, int dy) {
  const int z = ZoomDivisor(view);
  view.cameraX += static_cast<double>(dx) * z;
  view.cameraY += static_cast<double>(dy) * z;
}
