#pragma once

// Draws the edited system into the 500 x 500 map picture: grid, elements, the markers of the
// current selections and the crosses at the typed coordinates.

#include <string>

#include <QImage>

#include "sysedit/map/map_view.h"

struct EditorDocument;
struct KindDefs;

struct MapMarks {
  int selectedElement = -1;  // row of the element list, -1 for none
  std::string placeName;     // place chosen in "Bearbeitungsort:" (Latin-1), empty for none
  int selectedRoute = -1;
  MapPoint elementCross;   // element "X-Pos.:", "Y-Pos.:" (world offsets; empty fields are 0)
  MapPoint personCross;    // person "X-Pos:", "Y-Pos:"
  MapPoint waypointCross;  // waypoint "X-Pos.:", "Y-Pos.:"
};

// Renders into `image`, which becomes a 500 x 500 RGB32 picture if it is not one already. Each
// element is drawn in the map colour its group and type have in the element definitions.
void RenderMap(const EditorDocument& document, const KindDefs& elementDefs, const MapView& view,
               const MapMarks& marks, QImage& image);

// The map colour of an element definition (red + 256 green + 65536 blue) as a pixel value.
QRgb ElementPixelColour(int colour);
