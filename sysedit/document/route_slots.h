#pragma once

// Between the route file's waypoint lists and the editor's fixed waypoint slots.

#include "formats/route_file.h"
#include "sysedit/document/records.h"

// Waypoints beyond the 31st do not fit the slots and are dropped.
EditorRoute ToEditorRoute(const RouteRecord& record);
RouteRecord ToRouteRecord(const EditorRoute& route);
