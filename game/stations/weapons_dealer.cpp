#include "game/stations/weapons_dealer.h"

#include "formats/weapon_catalogue.h"
#include "game/stations/dealer_list.h"
#include "game/stations/ship_fitting.h"
#include "game/stations/station_codes.h"
#include "game/stations/trade_records.h"
#include "game/ui/menu_items.h"
#include "game/ui/screen_codes.h"
#include "game/ui/screen_items.h"

namespace {

constexpr ListPlace kWeaponsLeft{kLeftListX, kLeftArrowX, kWeaponsLeftUp, kWeaponsLeftDown};
constexpr ListPlace kWeaponsRight{kRightListX, kRightArrowX, kWeaponsRightUp, kWeaponsRightDown};

const WeaponType& Weapon(const Catalogues& catalogues, int weapon) {
  return catalogues.weapons.weaponTypes[weapon];
}

// The catalogue weapon an offer names (0 when it names none).
int OfferedWeapon(const Catalogues& catalogues, const std::string& offers, int j) {
  return WeaponTypeIndex(catalogues.weapons, OfferName(offers, j));
}

void AddCarriedList(StationContext& context, const ShipRecord& ship) {
  const int rows = RecordCount(ship.weapons, kShipRecordWidth);
  const int first = context.station.listScroll[kWeaponsLeftList];
  AddListArrows(context.menu, kWeaponsLeft, rows, first);
  for (int i = first; i < rows && RowShown(i, first); ++i) {
    const std::string_view record = RecordAt(ship.weapons, i, kShipRecordWidth);
    const int weapon = CatalogueWeapon(context.catalogues, record);
    const bool sellable = weapon != 0 && i < kMaxRecordActions;
    AddItem(context.menu, sellable ? kDealerEntry : kDimmedEntry, kLeftListX, RowY(i, first),
            WeaponCaption(context.catalogues, RecordIndex(record), 3) + " $",
            i < kMaxRecordActions ? kSellWeaponFirst + i : -1);
  }
}

void AddOfferList(StationContext& context, const ShipRecord& ship) {
  const std::string& offers = context.station.currentWeaponOffers;
  const int rows = OfferCount(offers);
  const int first = context.station.listScroll[kWeaponsRightList];
  AddListArrows(context.menu, kWeaponsRight, rows, first);
  for (int j = first; j < rows && RowShown(j, first); ++j) {
    const int weapon = OfferedWeapon(context.catalogues, offers, j);
    const std::string caption = weapon != 0 ? WeaponCaption(context.catalogues, weapon, 1)
                                            : PricedCaption(OfferName(offers, j), 0);
    const bool buyable = weapon != 0 && UnitsLeft(OfferValue(offers, j)) &&
                         Weapon(context.catalogues, weapon).price <= ship.money &&
                         j < kMaxRecordActions;
    AddItem(context.menu, buyable ? kDealerEntry : kDimmedEntry, kRightListX, RowY(j, first),
            caption + " $", j < kMaxRecordActions ? kBuyWeaponFirst + j : -1);
  }
}

}  // namespace

void BuildWeaponsDealer(StationContext& context) {
  const ShipRecord* ship = context.world.ships.Front();
  if (!ship) return;
  AddDealerTitle(context.menu, "Schiffsausr\xFCstung", "Waffenh\xE4ndler");
  context.menu.screenTag = "Waffen";
  AddCarriedList(context, *ship);
  AddOfferList(context, *ship);
  AddDealerFooter(context.menu, "Geld: " + std::to_string(ship->money) + " $");
}

bool SellWeapon(StationContext& context, int i) {
  ShipRecord* ship = context.world.ships.Front();
  if (!ship) return false;
  const int weapon =
      CatalogueWeapon(context.catalogues, RecordAt(ship->weapons, i, kShipRecordWidth));
  if (weapon == 0) return false;
  const WeaponType& type = Weapon(context.catalogues, weapon);
  ship->money += type.price / 3;
  ReplaceRecord(ship->weapons, i, kShipRecordWidth, kBlankRecord);
  CloseCarriedGap(ship->weapons,
                  ShipTypeEntry(context.catalogues, ShipTypeOf(context.catalogues, *ship)));
  GiveOneToOffers(context.station.currentWeaponOffers, type.name);
  return true;
}

bool BuyWeapon(StationContext& context, int j) {
  ShipRecord* ship = context.world.ships.Front();
  std::string& offers = context.station.currentWeaponOffers;
  if (!ship || j < 0 || j >= OfferCount(offers)) return false;
  const int weapon = OfferedWeapon(context.catalogues, offers, j);
  if (weapon == 0 || !UnitsLeft(OfferValue(offers, j))) return false;
  const WeaponType& type = Weapon(context.catalogues, weapon);
  if (type.price > ship->money) return false;
  ship->money -= type.price;
  TakeOneFromOffer(offers, j);
  FitWeapon(ship->weapons, ShipTypeEntry(context.catalogues, ShipTypeOf(context.catalogues, *ship)),
            type.weaponClass, WeaponRecord(weapon));
  return true;
}

bool MountOrUnmount(StationContext& context, int i) {
  ShipRecord* ship = context.world.ships.Front();
  if (!ship) return false;
  const std::string record(RecordAt(ship->weapons, i, kShipRecordWidth));
  const int weapon = CatalogueWeapon(context.catalogues, record);
  if (weapon == 0) return false;
  const ShipType& type = ShipTypeEntry(context.catalogues, ShipTypeOf(context.catalogues, *ship));
  if (i >= type.slotCount) {
    const int slot =
        FittingBlank(ship->weapons, type, Weapon(context.catalogues, weapon).weaponClass);
    if (slot < 0) return false;
    ReplaceRecord(ship->weapons, slot, kShipRecordWidth, record);
    RemoveRecord(ship->weapons, i, kShipRecordWidth);
  } else {
    ReplaceRecord(ship->weapons, i, kShipRecordWidth, kBlankRecord);
    AppendRecord(ship->weapons, kShipRecordWidth, record);
  }
  return true;
}

void RunWeaponsDealer(StationContext& context, int code) {
  const ShipRecord* ship = context.world.ships.Front();
  int* scroll = context.station.listScroll.data();
  const int carried = ship ? RecordCount(ship->weapons, kShipRecordWidth) : 0;
  const int offers = OfferCount(context.station.currentWeaponOffers);
  if (code == kWeaponsLeftUp || code == kWeaponsLeftDown) {
    ScrollList(scroll[kWeaponsLeftList], code == kWeaponsLeftUp, carried, false);
  } else if (code == kWeaponsRightUp || code == kWeaponsRightDown) {
    ScrollList(scroll[kWeaponsRightList], code == kWeaponsRightUp, offers, false);
  } else if (InRecordRange(code, kSellWeaponFirst)) {
    SellWeapon(context, code - kSellWeaponFirst);
  } else if (InRecordRange(code, kBuyWeaponFirst)) {
    BuyWeapon(context, code - kBuyWeaponFirst);
  }
  context.menu.screenState = kWeaponsDealer;
  BuildWeaponsDealer(context);
}

void HandleWeaponsRightClick(StationContext& context, const UiState& ui, int mouseX, int mouseY) {
  if (context.menu.screenTag != "Waffen") return;
  if (ui.rightButtonState != 4 && ui.rightButtonState != 5) return;
  int record = -1;
  for (const MenuItemRecord& item : context.menu.menuItems) {
    if (item.kind != kDealerEntry || !InRecordRange(item.action, kSellWeaponFirst)) continue;
    if (!ItemUnderMouse(item, mouseX, mouseY)) continue;
    record = item.action - kSellWeaponFirst;
    break;
  }
  if (record >= 0 && MountOrUnmount(context, record)) context.menu.screenState = kWeaponsDealer;
}
