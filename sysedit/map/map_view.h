#pragma once

// Where the 500 x 500 map looks: the zoom slider position and the pan offset, and the two
// transforms between world offsets and map pixels.

inline constexpr int kMapSize = 500;

struct MapView {
  int zoomPosition = 3;  // slider 0..3
  double cameraX = -2000.0;
  double cameraY = -2000.0;
};

struct MapPoint {
  int x = 0;
  int y = 0;
};

// z = 2 to the power of the slider position: 1, 2, 4 or 8.
int ZoomDivisor(const MapView& view);
// Pixels per world unit: 1 / (25 z).
double MapScale(const MapView& view);
// Pixel shift of the camera, round(camera / z), on its own.
MapPoint CameraShift(const MapView& view);

// Each term is rounded on its own (halves to even), as the files' authors measured it.
MapPoint WorldToMap(const MapView& view, double worldX, double worldY);
// The world point under map pixel (u, v): an integer multiple of 25 z.
MapPoint MapToWorld(const MapView& view, int u, int v);
// Strictly inside: the border rows and columns pick nothing.
bool IsPickable(int u, int v);

// Right-button drag by (dx, dy) pixels: the map follows the mouse pixel for pixel.
void PanMap(MapView& view, int dx, int dy);
