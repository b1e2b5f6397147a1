#pragma once

#include <string>

#include "game/ui/menu_state.h"
#include "game/world/catalogues.h"

// What the three dealers share: the lists of eight visible rows with their arrows and thumb, the
// captions with their prices, and the money line.

inline constexpr int kVisibleRows = 8;

// Indices of StationState::listScroll.
enum DealerList {
  kWeaponsLeftList = 0,
  kWeaponsRightList = 1,
  kGoodsLeftList = 2,
  kGoodsRightList = 3,
  kShipsLeftList = 4,  // the own ship is one row: never scrolled
  kShipsRightList = 5,
};

// Where a list stands: rows at x, arrows and thumb at arrowX with their codes.
struct ListPlace {
  int x;
  int arrowX;
  int upCode;
  int downCode;
};
inline constexpr int kLeftListX = 50;
inline constexpr int kLeftArrowX = 450;
inline constexpr int kRightListX = 650;
inline constexpr int kRightArrowX = 550;

// Whether row `row` (from 0) shows while `first` is the first visible row, and its y.
bool RowShown(int row, int first);
int RowY(int row, int first);

// The arrows "/\" (y 150) and "\/" (y 500) and the thumb "[]" of a list of more than 8 rows.
void AddListArrows(MenuState& menu, const ListPlace& place, int rows, int first);

// An arrow click: up stops at the top; down stops when the last row shows, unless the list
// scrolls on past its end (the goods trader's lists do).
void ScrollList(int& first, bool up, int rows, bool pastTheEnd);

// "name" padded to 20 and the price right-aligned in 7: the weapon's or ship type's price divided
// by `divisor` (the fraction dropped). Indices outside the catalogue show an empty name and 0.
std::string WeaponCaption(const Catalogues& catalogues, int weapon, int divisor);
std::string ShipCaption(const Catalogues& catalogues, int shipType, int divisor);
std::string PricedCaption(const std::string& name, long long price);

// The title at (50, 50) and the dealer's name right-aligned at y 50.
void AddDealerTitle(MenuState& menu, const std::string& title, const std::string& dealer);
// Under the lists: the money line at (50, 600) and "Zurück" to the station screen.
void AddDealerFooter(MenuState& menu, const std::string& moneyLine);
