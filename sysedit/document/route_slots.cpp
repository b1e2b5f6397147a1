#include "sysedit/document/route_slots.h"

#include <algorithm>

EditorRoute ToEditorRoute(const RouteRecord& record) {
  EditorRoute route;
  route.groupName = record.groupName;
  const size_t count = std::min(record.waypoints.size(), static_cast<size_t>(kMaxWaypoints));
  for (size_t i = 0; i < count; ++i) {
    const Waypoint& waypoint = record.waypoints[i];
    route.waypoints[i] = {waypoint.x, waypoint.y, waypoint.kind};
  }
  return route;
}

RouteRecord ToRouteRecord(const EditorRoute& route) {
  RouteRecord record;
  record.groupName = route.groupName;
  const int used = UsedWaypointCount(route);
  for (int i = 0; i < used; ++i) {
    const EditorWaypoint& waypoint = route.waypoints[i];
    record.waypoints.push_back({waypoint.x, waypoint.y, waypoint.kind});
  }
  return record;
}
