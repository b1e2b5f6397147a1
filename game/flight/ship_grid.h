#pragma once

#include <vector>

#include "game/world/cursor_list.h"
#include "game/world/records.h"

// A uniform grid over the ships of the system, rebuilt for each projectile pass, so that a
// projectile is tested only against the ships that may touch it instead of against every ship.
// The ships it gives are exactly those whose broad box holds the point, in list order, so the
// hits come out as a walk over every ship would give them.
struct ShipGrid {
  std::vector<ShipRecord*> ships;  // in list order; a ship's position here is its list position
  float left = 0;                  // the grid's lower corner
  float top = 0;
  float cell = 1;  // side of a cell
  int columns = 0;
  int rows = 0;
  float reach = 0;              // the widest broad box beyond a projectile's radius: 2 x radius
  std::vector<int> cellStart;   // per cell, where its ships start in `entries`; one more at the end
  std::vector<int> entries;     // list positions of the ships, cell by cell
  std::vector<int> cellOfShip;  // scratch: each ship's cell
};

// Whether a projectile of `radius` at (x, y) lies in the ship's broad box: within twice the ship's
// radius plus its own in both axes.
inline bool InBroadBox(const ShipRecord& ship, float x, float y, float radius) {
  const float reach = 2 * ship.radius + radius;
  const float dx = ship.x - x;
  const float dy = ship.y - y;
  return dx < reach && dx > -reach && dy < reach && dy > -reach;
}

// Sorts the ships into cells by their position now.
void BuildShipGrid(ShipGrid& grid, CursorList<ShipRecord>& ships);

// Fills `out` with the list positions, from `from` on and in ascending order, of the ships whose
// broad box holds the point.
void ShipsInBroadBox(const ShipGrid& grid, float x, float y, float radius, int from,
                     std::vector<int>& out);
