#pragma once

// The action codes of the dealers and the people (screens 2, 3, 4 and 6 are in
// game/ui/screen_codes.h). A list row's code is the first code of its range plus the row's record
// index (from 0), so a list can address kMaxRecordActions records.

inline constexpr int kMaxRecordActions = 499;

// Weapons dealer.
inline constexpr int kSellWeaponFirst = 2001;  // + record of the ship's weapons
inline constexpr int kBuyWeaponFirst = 2501;   // + record of the weapon offers
inline constexpr int kWeaponsLeftUp = 12001;
inline constexpr int kWeaponsLeftDown = 12002;
inline constexpr int kWeaponsRightUp = 12501;
inline constexpr int kWeaponsRightDown = 12502;

// Goods trader.
inline constexpr int kSellGoodsFirst = 3001;  // + record of the ship's cargo
inline constexpr int kBuyGoodsFirst = 3501;   // + record of the place's stock
inline constexpr int kGoodsLeftUp = 13001;
inline constexpr int kGoodsLeftDown = 13002;
inline constexpr int kGoodsRightUp = 13501;
inline constexpr int kGoodsRightDown = 13502;

// Ship dealer.
inline constexpr int kOwnShip = 6001;       // the player's ship: no action
inline constexpr int kBuyShipFirst = 6501;  // + record of the ship offers
inline constexpr int kShipsRightUp = 16501;
inline constexpr int kShipsRightDown = 16502;

// People: person p (from 1) has the screen 400 + p. Positions beyond 39 would reach the deal
// codes, so only people 1..39 can be met.
inline constexpr int kPersonScreenBase = 400;
inline constexpr int kMaxPersonPosition = 39;
inline constexpr int kAcceptMission = 471;
inline constexpr int kBuyInformation = 472;
inline constexpr int kSignContract = 473;

// Whether a code lies in [first, first + kMaxRecordActions).
constexpr bool InRecordRange(int code, int first) {
  return code >= first && code < first + kMaxRecordActions;
}
