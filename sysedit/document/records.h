#pragma once

// The editor's in-memory records of one star system. Text is Latin-1 bytes throughout.

#include <array>
#include <string>
#include <vector>

#include "formats/element_kinds.h"

struct EditorElement {
  std::string elementGroup;
  std::string elementType;
  std::string name;
  std::string groupName;
  int x = 0;
  int y = 0;
  int direction = 0;
  double rotation = 0.0;
  int radius = 0;
  int length = 0;
  int colour = 0;  // red + 256 * green + 65536 * blue, from the element definitions; not saved
};

struct EditorPlace {
  std::string name;
  std::string shipOffers;
  std::string weaponOffers;
  std::string goodsOffers;
  std::string goodsPrices;
};

struct EditorPerson {
  std::string placeName;
  std::string mainKind;
  std::string subKind;
  std::string fromGroup;
  std::string againstGroup;
  int x = 0;
  int y = 0;
  int shipCount = 0;
  std::string infoPlace;
  int price = 0;
};

struct EditorWaypoint {
  int x = 0;
  int y = 0;
  int kind = 0;  // 0 ends the used waypoints

  bool operator==(const EditorWaypoint&) const = default;
};

// A route holds at most 31 waypoints (kMaxWaypoints of the route file) so that a terminating
// slot of kind 0 always exists.
inline constexpr int kWaypointSlots = 32;

struct EditorRoute {
  std::string groupName;
  std::array<EditorWaypoint, kWaypointSlots> waypoints{};
};

// The used waypoints are the slots before the first slot whose kind is 0.
int UsedWaypointCount(const EditorRoute& route);

// kDockingRingGroup and kMaxRouteLength, the longest route lane the editor takes, come from the
// element vocabulary the game shares.
