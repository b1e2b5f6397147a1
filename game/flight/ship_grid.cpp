#include "game/flight/ship_grid.h"

#include <algorithm>
#include <cmath>

namespace {

// At most this many cells a side, so that a system-wide spread of ships keeps the grid small.
constexpr int kMaxCellsPerSide = 256;
constexpr float kSmallestCell = 256;

int CellIndex(float value, float start, float cell, int count) {
  const double index = std::floor((double(value) - start) / cell);
  if (!(index > 0)) return 0;  // also a position that is no number
  return static_cast<int>(std::min(index, double(count - 1)));
}

}  // namespace

void BuildShipGrid(ShipGrid& grid, CursorList<ShipRecord>& ships) {
  grid.ships.clear();
  float minX = 0, minY = 0, maxX = 0, maxY = 0, widest = 0;
  for (ShipRecord& ship : ships) {
    if (grid.ships.empty()) {
      minX = maxX = ship.x;
      minY = maxY = ship.y;
    }
    minX = std::min(minX, ship.x);
    maxX = std::max(maxX, ship.x);
    minY = std::min(minY, ship.y);
    maxY = std::max(maxY, ship.y);
    widest = std::max(widest, ship.radius);
    grid.ships.push_back(&ship);
  }
  grid.reach = 2 * widest;
  // A cell at least as wide as a projectile's search square, so that a search touches at most
  // two cells each way (projectiles are rarely wider than a mine's 48).
  float cell = std::max(kSmallestCell, 2 * (grid.reach + 64));
  cell = std::max({cell, (maxX - minX) / kMaxCellsPerSide, (maxY - minY) / kMaxCellsPerSide});
  if (!std::isfinite(cell)) cell = kSmallestCell;
  grid.cell = cell;
  grid.left = minX;
  grid.top = minY;
  grid.columns = std::clamp(static_cast<int>((maxX - minX) / cell) + 1, 1, kMaxCellsPerSide + 1);
  grid.rows = std::clamp(static_cast<int>((maxY - minY) / cell) + 1, 1, kMaxCellsPerSide + 1);

  // Counting sort of the ships by cell; within a cell they stay in list order.
  const int cells = grid.columns * grid.rows;
  grid.cellStart.assign(cells + 1, 0);
  grid.cellOfShip.resize(grid.ships.size());
  for (size_t i = 0; i < grid.ships.size(); ++i) {
    const ShipRecord& ship = *grid.ships[i];
    const int c = CellIndex(ship.y, grid.top, cell, grid.rows) * grid.columns +
                  CellIndex(ship.x, grid.left, cell, grid.columns);
    grid.cellOfShip[i] = c;
    grid.cellStart[c + 1] += 1;
  }
  for (int c = 0; c < cells; ++c) grid.cellStart[c + 1] += grid.cellStart[c];
  grid.entries.resize(grid.ships.size());
  std::vector<int> next(grid.cellStart.begin(), grid.cellStart.end() - 1);
  for (size_t i = 0; i < grid.ships.size(); ++i) {
    grid.entries[next[grid.cellOfShip[i]]++] = static_cast<int>(i);
  }
}

void ShipsInBroadBox(const ShipGrid& grid, float x, float y, float radius, int from,
                     std::vector<int>& out) {
  out.clear();
  if (grid.ships.empty()) return;
  const float half = grid.reach + radius;
  const float right = grid.left + grid.columns * grid.cell;
  const float bottom = grid.top + grid.rows * grid.cell;
  // Ships lie inside the grid's bounds; a point farther off than any broad box reaches meets none.
  if (!(x > grid.left - half && x < right + half && y > grid.top - half && y < bottom + half)) {
    return;
  }
  const int c0 = CellIndex(x - half, grid.left, grid.cell, grid.columns);
  const int c1 = CellIndex(x + half, grid.left, grid.cell, grid.columns);
  const int r0 = CellIndex(y - half, grid.top, grid.cell, grid.rows);
  const int r1 = CellIndex(y + half, grid.top, grid.cell, grid.rows);
  for (int r = r0; r <= r1; ++r) {
    for (int c = c0; c <= c1; ++c) {
      const int cellIndex = r * grid.columns + c;
      for (int k = grid.cellStart[cellIndex]; k < grid.cellStart[cellIndex + 1]; ++k) {
        const int i = grid.entries[k];
        if (i >= from && InBroadBox(*grid.ships[i], x, y, radius)) out.push_back(i);
      }
    }
  }
  std::sort(out.begin(), out.end());
}
