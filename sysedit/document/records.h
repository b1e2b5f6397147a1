#pragma once

// The editor's in-memory records of one star system. Elements and people are the records of the
// files themselves; a person also names the place it belongs to. Text is Latin-1 bytes throughout.

#include <array>
#include <string>
#include <vector>

#include "formats/element_kinds.h"
#include "formats/place_file.h"
#include "formats/system_file.h"

// A place's four offer lines (Orte\<name>.ini lines 2, 4, 6, 8); its people live in the
// document's list of people, where they outlast the place (a ring added again gets them back).
struct EditorPlace {
  std::string name;
  std::string shipOffers;
  std::string weaponOffers;
  std::string goodsOffers;
  std::string goodsPrices;

  bool operator==(const EditorPlace&) const = default;
};

// One person of EditorPeople: the place it is met at, and the person line's fields.
struct EditorPerson {
  std::string placeName;
  PersonRecord record;
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
  // Waypoints of the file that the slots could not hold (beyond the 31st, or of kind 0): the
  // route list marks the route, as saving writes it without them.
  int cutWaypoints = 0;
};

// The used waypoints are the slots before the first slot whose kind is 0.
int UsedWaypointCount(const EditorRoute& route);

// kDockingRingGroup and kMaxRouteLength, the longest route lane the editor takes, come from the
// element vocabulary the game shares.
