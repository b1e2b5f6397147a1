#pragma once

#include <array>
#include <string>

#include "formats/place_file.h"
#include "game/world/cursor_list.h"

// What a visit to a station works on: copies of the docked place's offer lines (written back on
// leaving), the people met there and who of them is present, and the dealers' scroll positions.
struct StationState {
  std::string currentShipOffers;
  std::string currentWeaponOffers;
  std::string currentGoodsOffers;
  std::string currentGoodsPrices;
  // First visible rows: weapons dealer left and right, goods trader left and right, ship dealer
  // left (unused) and right.
  std::array<int, 6> listScroll{};
  CursorList<PersonRecord> stationPeople;
  std::array<int, 101> presenceRolls{};  // a person at position p is present when roll p > 5
  int selectedPerson = 0;
};
