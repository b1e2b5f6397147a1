#include "sysedit/document/route_slots.h"

#include <algorithm>

EditorRoute ToEditorRoute(const std::string& groupName, const std::vector<Waypoint>& waypoints) {
  EditorRoute route;
  route.groupName = groupName;
  const size_t count = std::min(waypoints.size(), static_cast<size_t>(kMaxWaypoints));
  for (size_t i = 0; i < count; ++i) {
    route.waypoints[i] = {waypoints[i].x, waypoints[i].y, waypoints[i].kind};
  }
  route.cutWaypoints = static_cast<int>(waypoints.size() - count);
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
