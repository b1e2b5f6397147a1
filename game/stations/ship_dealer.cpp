#include "game/stations/ship_dealer.h"

#include "formats/object_kinds.h"
#include "game/stations/dealer_list.h"
#include "game/stations/ship_fitting.h"
#include "game/stations/station_codes.h"
#include "game/stations/trade_records.h"
#include "game/ui/menu_items.h"
#include "game/ui/screen_codes.h"
#include "game/ui/screen_items.h"

namespace {

constexpr ListPlace kShipsRight{kRightListX, kRightArrowX, kShipsRightUp, kShipsRightDown};

int OfferedShip(const StationContext& context, int j) {
  return ShipTypeIndex(context.catalogues.ships, OfferName(context.station.currentShipOffers, j));
}

void AddOfferList(StationContext& context, const ShipRecord& ship) {
  const std::string& offers = context.station.currentShipOffers;
  const int rows = OfferCount(offers);
  const int first = context.station.listScroll[kShipsRightList];
  AddListArrows(context.menu, kShipsRight, rows, first);
  for (int j = first; j < rows && RowShown(j, first); ++j) {
    const int t = OfferedShip(context, j);
    const std::string caption =
        t != 0 ? ShipCaption(context.catalogues, t, 1) : PricedCaption(OfferName(offers, j), 0);
    const bool buyable = t != 0 && UnitsLeft(OfferValue(offers, j)) &&
                         ShipTypeEntry(context.catalogues, t).price <= ship.money &&
                         j < kMaxRecordActions;
    AddItem(context.menu, buyable ? kDealerEntry : kDimmedEntry, kRightListX, RowY(j, first),
            caption, j < kMaxRecordActions ? kBuyShipFirst + j : -1);
  }
}

}  // namespace

void BuildShipDealer(StationContext& context) {
  const ShipRecord* ship = context.world.ships.Front();
  if (!ship) return;
  AddDealerTitle(context.menu, "Mein Eigentum", "H\xE4ndler");
  context.menu.screenTag = "Schiffe";
  AddItem(context.menu, kDealerEntry, kLeftListX, RowY(0, 0),
          ShipCaption(context.catalogues, ShipTypeOf(context.catalogues, *ship), 3), kOwnShip);
  AddOfferList(context, *ship);
  AddDealerFooter(context.menu, "Geld: " + std::to_string(ship->money));
}

bool BuyShip(StationContext& context, int j) {
  ShipRecord* ship = context.world.ships.Front();
  std::string& offers = context.station.currentShipOffers;
  if (!ship || j < 0 || j >= OfferCount(offers)) return false;
  const int t = OfferedShip(context, j);
  const ShipType& type = ShipTypeEntry(context.catalogues, t);
  if (t == 0 || !UnitsLeft(OfferValue(offers, j)) || type.price > ship->money) return false;
  ship->money -= type.price;
  TakeOneFromOffer(offers, j);
  ship->weapons = CarryAllWeapons(ship->weapons, type);
  ship->type = ShipPictureOf(t);
  ship->radius = static_cast<float>(type.size);
  ship->agility = static_cast<float>(type.agility);
  ship->maxSpeed = static_cast<float>(type.maxSpeed);
  ship->hull = static_cast<float>(type.hull);
  ship->maxHull = type.hull;
  ship->energy = static_cast<float>(type.energy);
  ship->maxEnergy = type.energy;
  // The new hold comes with the new ship: a freighter is bought for it.
  ship->cargoCapacity = type.cargoCapacity;
  context.world.playerShipType = t;
  return true;
}

void RunShipDealer(StationContext& context, int code) {
  if (code == kShipsRightUp || code == kShipsRightDown) {
    ScrollList(context.station.listScroll[kShipsRightList], code == kShipsRightUp,
               OfferCount(context.station.currentShipOffers), false);
  } else if (InRecordRange(code, kBuyShipFirst)) {
    BuyShip(context, code - kBuyShipFirst);
  }
  context.menu.screenState = kShipDealer;
  BuildShipDealer(context);
}
