#include "game/stations/dealer_list.h"

#include <algorithm>

#include "formats/rounding.h"
#include "formats/text_rules.h"
#include "game/ui/screen_codes.h"
#include "game/ui/screen_items.h"

namespace {

constexpr int kFirstRowY = 150;
constexpr int kRowStep = 50;
constexpr int kUpArrowY = 150;
constexpr int kDownArrowY = 500;
constexpr int kThumbTop = 180;
constexpr int kThumbTravel = 290;

}  // namespace

bool RowShown(int row, int first) {
  return row >= first && row < first + kVisibleRows;
}

int RowY(int row, int first) {
  return kFirstRowY + kRowStep * (row - first);
}

void AddListArrows(MenuState& menu, const ListPlace& place, int rows, int first) {
  if (rows <= kVisibleRows) return;
  AddItem(menu, kScrollArrow, place.arrowX, kUpArrowY, "/\\", place.upCode);
  AddItem(menu, kScrollArrow, place.arrowX, kDownArrowY, "\\/", place.downCode);
  // The goods lists scroll past their end; the thumb then rests at the bottom of its track.
  const double offset = static_cast<double>(first) * kThumbTravel / (rows - kVisibleRows);
  const int y = kThumbTop + std::min(RoundToInt(offset), kThumbTravel);
  AddItem(menu, kTextLine, place.arrowX, y, "[]", -1);
}

void ScrollList(int& first, bool up, int rows, bool pastTheEnd) {
  if (up) {
    if (first > 0) --first;
  } else if (pastTheEnd || first < rows - kVisibleRows) {
    ++first;
  }
}

std::string PricedCaption(const std::string& name, long long price) {
  return PadRight(name, 20) + PadLeft(FormatInt(price), 7);
}

std::string WeaponCaption(const Catalogues& catalogues, int weapon, int divisor) {
  const std::vector<WeaponType>& types = catalogues.weapons.weaponTypes;
  if (weapon < 0 || weapon >= static_cast<int>(types.size())) return PricedCaption("", 0);
  return PricedCaption(types[weapon].name, types[weapon].price / divisor);
}

std::string ShipCaption(const Catalogues& catalogues, int shipType, int divisor) {
  const std::vector<ShipType>& types = catalogues.ships.shipTypes;
  if (shipType < 0 || shipType >= static_cast<int>(types.size())) return PricedCaption("", 0);
  return PricedCaption(types[shipType].name, types[shipType].price / divisor);
}

void AddDealerTitle(MenuState& menu, const std::string& title, const std::string& dealer) {
  AddItem(menu, kTextLine, 50, 50, title, -1);
  AddItem(menu, kTextLine, RightAlignedX(dealer), 50, dealer, -1);
}

void AddDealerFooter(MenuState& menu, const std::string& moneyLine) {
  AddItem(menu, kTextLine, 50, 600, moneyLine, -1);
  AddItem(menu, kButton, 50, 700, kBackCaption, kStationScreen);
}
