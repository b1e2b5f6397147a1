#include "sysedit/document/conversions.h"

#include <algorithm>

EditorElement ToEditorElement(const ElementRecord& record, const KindDefs& elementDefs) {
  EditorElement element;
  element.elementGroup = record.elementGroup;
  element.elementType = record.elementType;
  element.name = record.name;
  element.groupName = record.groupName;
  element.x = record.x;
  element.y = record.y;
  element.direction = record.direction;
  element.rotation = record.rotation;
  element.radius = record.radius;
  element.length = record.length;
  element.colour = ElementColour(elementDefs, record.elementGroup, record.elementType);
  return element;
}

ElementRecord ToElementRecord(const EditorElement& element) {
  ElementRecord record;
  record.elementGroup = element.elementGroup;
  record.elementType = element.elementType;
  record.name = element.name;
  record.groupName = element.groupName;
  record.x = element.x;
  record.y = element.y;
  record.direction = element.direction;
  record.rotation = element.rotation;
  record.radius = element.radius;
  record.length = element.length;
  return record;
}

EditorPerson ToEditorPerson(const PersonRecord& record, const std::string& placeName) {
  EditorPerson person;
  person.placeName = placeName;
  person.mainKind = record.mainKind;
  person.subKind = record.subKind;
  person.fromGroup = record.fromGroup;
  person.againstGroup = record.againstGroup;
  person.x = record.x;
  person.y = record.y;
  person.shipCount = record.shipCount;
  person.infoPlace = record.infoPlace;
  person.price = record.price;
  return person;
}

PersonRecord ToPersonRecord(const EditorPerson& person) {
  PersonRecord record;
  record.mainKind = person.mainKind;
  record.subKind = person.subKind;
  record.fromGroup = person.fromGroup;
  record.againstGroup = person.againstGroup;
  record.x = person.x;
  record.y = person.y;
  record.shipCount = person.shipCount;
  record.infoPlace = person.infoPlace;
  record.price = person.price;
  return record;
}

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
