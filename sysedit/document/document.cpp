#include "sysedit/document/document.h"

int UsedWaypointCount(const EditorRoute& route) {
  int count = 0;
  while (count < kWaypointSlots && route.waypoints[count].kind != 0) ++count;
  return count;
}

void ClearDocument(EditorDocument& document) {
  document.elements.clear();
  document.places.clear();
  document.people.clear();
  document.routes.clear();
  document.groupNotes.clear();
  document.goodsNotes.clear();
  document.editedSystem.clear();
  document.retiredPlaceNames.clear();
  ResetHistory(document, true);
}
