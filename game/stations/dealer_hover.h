#pragma once

#include <array>
#include <optional>
#include <string>

#include "game/media/media.h"
#include "game/stations/station_state.h"
#include "game/ui/menu_state.h"
#include "game/world/catalogues.h"
#include "game/world/world_state.h"

// What the dealers show about the list entry under the mouse: a line or two beside it (weapons:
// classes; goods: pieces and the best price at another known place) and, for weapons and ships, a
// data sheet on the plate at the bottom.

struct DataSheet {
  std::string name;
  std::array<std::string, 4> left;   // at x 444, y 668, 688, 708, 728
  std::array<std::string, 4> right;  // at x 744
};

DataSheet WeaponSheet(const WeaponType& weapon);
DataSheet ShipSheet(const ShipType& ship);

struct DealerHover {
  std::string caption;  // at (x + 10, y); empty: no lines
  std::string detail;   // at (x + 10, y + detailOffset); empty: none
  int detailOffset = 0;
  std::optional<DataSheet> sheet;
};

// What the entry shows while hovered, by the screen's tag and the entry's action.
DealerHover DescribeDealerHover(const MenuItemRecord& item, const std::string& tag,
                                const StationState& station, const World& world,
                                const Catalogues& catalogues);

// Draws the hover lines and the data sheet of the entry under the mouse (the menu loop calls it
// after the items).
void DrawDealerHover(const MenuState& menu, const StationState& station, const World& world,
                     const Catalogues& catalogues, Media& media);
