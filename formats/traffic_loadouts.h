#pragma once

#include <string_view>
#include <vector>

// What a ship spawned on a traffic route flies and carries, by the route's group. The table is
// fixed in the game; it lives here so that the game and the data checker use the same names.
struct TrafficLoadout {
  std::string_view group;
  std::string_view onlyInSystem;  // the row applies only in this system ("" = anywhere)
  std::string_view shipType;
  std::vector<std::string_view> weapons;  // in slot order
  std::string_view goods;
};

// The rows in table order; names are Latin-1.
const std::vector<TrafficLoadout>& TrafficLoadouts();

// The row for a route's group in a system: a row bound to that system wins over the general one.
// Null when the group has no row.
const TrafficLoadout* FindTrafficLoadout(std::string_view group, std::string_view systemFolder);
