#include "game/world/waypoints.h"

#include "formats/text_rules.h"

std::string WaypointRecord(int x, int y, int kind) {
  return PadLeft(FormatInt(x), 10) + PadLeft(FormatInt(y), 10) + PadLeft(FormatInt(kind), 5);
}

bool HeadWaypoint(const std::string& orders, QueuedWaypoint& head) {
  if (orders.empty()) return false;
  // A short last record reads what it holds (missing columns as 0), so that it is still dropped.
  head.x = ReadInt(Columns(orders, 1, 10));
  head.y = ReadInt(Columns(orders, 11, 20));
  head.kind = ReadInt(Columns(orders, 21, 25));
  return true;
}

void DropHeadWaypoint(std::string& orders) {
  orders.erase(0, kWaypointRecordWidth);
}
