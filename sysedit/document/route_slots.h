#pragma once

// Between the route file's waypoint lists and the editor's fixed waypoint slots.

#include <vector>

#include "formats/route_file.h"
#include "sysedit/document/records.h"

// The waypoints fill the slots in order; those beyond the 31st do not fit and are counted in
// the route's cutWaypoints.
EditorRoute ToEditorRoute(const std::string& groupName, const std::vector<Waypoint>& waypoints);
RouteRecord ToRouteRecord(const EditorRoute& route);
