#include "game/stations/dealer_hover.h"

#include "formats/media_numbers.h"
#include "formats/rounding.h"
#include "formats/text_rules.h"
#include "formats/weapon_catalogue.h"
#include "game/stations/goods_trader.h"
#include "game/stations/ship_fitting.h"
#include "game/stations/station_codes.h"
#include "game/stations/trade_records.h"
#include "game/ui/bitmap_text.h"
#include "game/ui/menu_items.h"

namespace {

constexpr int kPlateX = 424;
constexpr int kPlateY = 608;
constexpr int kSheetX = 444;
constexpr int kSheetRightX = 744;
constexpr int kSheetFirstLineY = 668;
// Menu items draw their caption 8 pixels below their top; the hover lines sit on that caption
// (drawn at the item's top they would double it) and the detail as far below it.
constexpr int kCaptionDrop = 8;

std::string Pieces(int amount) {
  return std::to_string(amount) + " St\xFC" + "ck";
}

int WeaponClass(const Catalogues& catalogues, int weapon) {
  const std::vector<WeaponType>& types = catalogues.weapons.weaponTypes;
  return weapon >= 0 && weapon < static_cast<int>(types.size()) ? types[weapon].weaponClass : 0;
}

std::string ClassLine(int weaponClass) {
  return "  Waffe - Klasse " + std::to_string(weaponClass);
}

void DescribeWeapons(DealerHover& hover, const MenuItemRecord& item, const StationState& station,
                     const ShipRecord& ship, const Catalogues& catalogues) {
  int weapon = 0;
  if (InRecordRange(item.action, kSellWeaponFirst)) {
    const int i = item.action - kSellWeaponFirst;
    const std::string_view record = RecordAt(ship.weapons, i, kShipRecordWidth);
    weapon = CatalogueWeapon(catalogues, record);
    const int slotClass = SlotClass(ShipTypeEntry(catalogues, ShipTypeOf(catalogues, ship)), i);
    if (slotClass != 0) {
      hover.detail = ClassLine(WeaponClass(catalogues, weapon)) + "  (max.Waffenkl. " +
                     std::to_string(slotClass) + ")";
    }
  } else if (InRecordRange(item.action, kBuyWeaponFirst)) {
    const int j = item.action - kBuyWeaponFirst;
    weapon = WeaponTypeIndex(catalogues.weapons, OfferName(station.currentWeaponOffers, j));
    if (weapon != 0) hover.detail = ClassLine(WeaponClass(catalogues, weapon));
  } else {
    return;
  }
  hover.caption = item.caption;
  hover.detailOffset = 20;
  if (weapon != 0) hover.sheet = WeaponSheet(catalogues.weapons.weaponTypes[weapon]);
}

// Goods rows: the pieces, then where else the good sells best ("Vesta 2400").
void DescribeGoods(DealerHover& hover, const MenuItemRecord& item, const StationState& station,
                   const World& world, const Catalogues& catalogues) {
  const ShipRecord& ship = *world.ships.Front();
  int g = 0;
  if (InRecordRange(item.action, kSellGoodsFirst)) {
    const std::string_view record =
        RecordAt(ship.cargo, item.action - kSellGoodsFirst, kShipRecordWidth);
    hover.detail = Pieces(RecordAmount(record));
    g = RecordIndex(record);
  } else if (InRecordRange(item.action, kBuyGoodsFirst)) {
    const int j = item.action - kBuyGoodsFirst;
    hover.detail = Pieces(OfferValue(station.currentGoodsPrices, j));
    g = GoodsIndex(catalogues.goods, OfferName(station.currentGoodsPrices, j));
  } else {
    return;
  }
  if (g >= 1 && g <= catalogues.goods.goodsCount) {
    const std::string elsewhere = BestSaleElsewhere(world, catalogues, g);
    if (!elsewhere.empty()) hover.detail += "   " + elsewhere;
  }
  hover.caption = item.caption;
  hover.detailOffset = 18;
}

void DescribeShips(DealerHover& hover, const MenuItemRecord& item, const StationState& station,
                   const ShipRecord& ship, const Catalogues& catalogues) {
  int t = 0;
  if (item.action == kOwnShip) {
    t = ShipTypeOf(catalogues, ship);
  } else if (InRecordRange(item.action, kBuyShipFirst)) {
    t = ShipTypeIndex(catalogues.ships,
                      OfferName(station.currentShipOffers, item.action - kBuyShipFirst));
  }
  if (t != 0) hover.sheet = ShipSheet(ShipTypeEntry(catalogues, t));
}

void DrawSheet(Media& media, const DataSheet& sheet) {
  DrawKeyed(media, kPictureHelpPage, kPlateX, kPlateY);
  DrawText(media, " " + sheet.name, kSheetX, kPlateY + 20, 5, kAlignLeft, kNormalText);
  DrawText(media, std::string(sheet.name.size() + 2, '_'), kSheetX, kPlateY + 30, 5, kAlignLeft,
           kNormalText);
  for (int line = 0; line < 4; ++line) {
    const int y = kSheetFirstLineY + 20 * line;
    DrawText(media, sheet.left[line], kSheetX, y, 3, kAlignLeft, kNormalText);
    DrawText(media, sheet.right[line], kSheetRightX, y, 3, kAlignLeft, kNormalText);
  }
}

}  // namespace

DataSheet WeaponSheet(const WeaponType& weapon) {
  const bool known = weapon.kind >= 0 && weapon.kind < static_cast<int>(WeaponKindNames.size());
  return {weapon.name,
          {"Waffentyp       : " + std::string(known ? WeaponKindNames[weapon.kind] : ""),
           "H\xFCllenschaden   : " + std::to_string(weapon.hullDamage),
           "Schildschaden   : " + std::to_string(weapon.shieldDamage),
           "Reichweite      : " + std::to_string(weapon.range)},
          {"Geschwindigkeit : " + std::to_string(weapon.speed),
           "Wendigkeit      : " + std::to_string(weapon.homing),
           "Schussfrequnz   : " + std::to_string(RoundToInt(weapon.fireRate)),
           "Energieverbrauch: " + std::to_string(weapon.energyPerShot)}};
}

DataSheet ShipSheet(const ShipType& ship) {
  return {ship.name,
          {"Gr\xF6\xDF"
           "e           : " +
               std::to_string(ship.size),
           "Waffenanzahl    : " + std::to_string(ship.slotCount),
           "Waffenklassen   : " + ship.slotClasses,
           "H\xFClle           : " + std::to_string(ship.hull)},
          {"Geschwindigkeit : " + std::to_string(ship.maxSpeed),
           "Wendigkeit      : " + std::to_string(ship.agility),
           "Energie         : " + std::to_string(ship.energy),
           "Laderaum        : " + std::to_string(ship.cargoCapacity)}};
}

DealerHover DescribeDealerHover(const MenuItemRecord& item, const std::string& tag,
                                const StationState& station, const World& world,
                                const Catalogues& catalogues) {
  DealerHover hover;
  const ShipRecord* ship = world.ships.Front();
  if (!ship || (item.kind != kDealerEntry && item.kind != kDimmedEntry)) return hover;
  if (tag == "Waffen") DescribeWeapons(hover, item, station, *ship, catalogues);
  if (tag == "Waren") DescribeGoods(hover, item, station, world, catalogues);
  if (tag == "Schiffe") DescribeShips(hover, item, station, *ship, catalogues);
  return hover;
}

void DrawDealerHover(const MenuState& menu, const StationState& station, const World& world,
                     const Catalogues& catalogues, Media& media) {
  if (menu.hoveredItem == 0) return;
  int position = 0;
  for (const MenuItemRecord& item : menu.menuItems) {
    if (++position != menu.hoveredItem) continue;
    const DealerHover hover = DescribeDealerHover(item, menu.screenTag, station, world, catalogues);
    if (!hover.caption.empty()) {
      const int y = item.y + kCaptionDrop;
      DrawText(media, hover.caption, item.x + 10, y, 5, kAlignLeft, kActiveText);
      DrawText(media, hover.detail, item.x + 10, y + hover.detailOffset, 3, kAlignLeft,
               kNeutralText);
    }
    if (hover.sheet) DrawSheet(media, *hover.sheet);
    return;
  }
}
