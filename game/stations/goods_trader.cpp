#include "game/stations/goods_trader.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "formats/goods_price.h"
#include "game/stations/dealer_list.h"
#include "game/stations/station_codes.h"
#include "game/stations/trade_records.h"
#include "game/ui/menu_items.h"
#include "game/ui/screen_codes.h"
#include "game/ui/screen_items.h"

namespace {

constexpr ListPlace kCargoPlace{kLeftListX, kLeftArrowX, kGoodsLeftUp, kGoodsLeftDown};
constexpr ListPlace kStockPlace{kRightListX, kRightArrowX, kGoodsRightUp, kGoodsRightDown};

// The good a cargo record holds when it is one of the catalogue; 0 otherwise.
int CargoGood(const Catalogues& catalogues, std::string_view record) {
  const int g = RecordIndex(record);
  if (g < 1 || g > catalogues.goods.goodsCount) return 0;
  return catalogues.goods.goods[g].name.empty() ? 0 : g;
}

std::string GoodsCaption(const StationContext& context, int g, int delta) {
  return PricedCaption(context.catalogues.goods.goods[g].name, PlaceGoodsPrice(context, g, delta));
}

// The cargo rows: the records holding a good, in order.
std::vector<int> CargoRows(const StationContext& context, const std::string& cargo) {
  std::vector<int> rows;
  for (int i = 0; i < RecordCount(cargo, kShipRecordWidth); ++i) {
    if (CargoGood(context.catalogues, RecordAt(cargo, i, kShipRecordWidth)) != 0) rows.push_back(i);
  }
  return rows;
}

void AddCargoList(StationContext& context, const ShipRecord& ship) {
  const std::vector<int> rows = CargoRows(context, ship.cargo);
  const int first = context.station.listScroll[kGoodsLeftList];
  AddListArrows(context.menu, kCargoPlace, static_cast<int>(rows.size()), first);
  for (int row = first; row < static_cast<int>(rows.size()) && RowShown(row, first); ++row) {
    const int i = rows[row];
    const int g = CargoGood(context.catalogues, RecordAt(ship.cargo, i, kShipRecordWidth));
    const bool addressable = i < kMaxRecordActions;
    AddItem(context.menu, addressable ? kDealerEntry : kDimmedEntry, kLeftListX, RowY(row, first),
            GoodsCaption(context, g, kSellDelta) + " $", addressable ? kSellGoodsFirst + i : -1);
  }
}

void AddStockList(StationContext& context) {
  const std::string& stock = context.station.currentGoodsPrices;
  const int rows = OfferCount(stock);
  const int first = context.station.listScroll[kGoodsRightList];
  AddListArrows(context.menu, kStockPlace, rows, first);
  for (int j = first; j < rows && RowShown(j, first); ++j) {
    const int g = GoodsIndex(context.catalogues.goods, OfferName(stock, j));
    const std::string caption =
        g != 0 ? GoodsCaption(context, g, kBuyDelta) : PricedCaption(OfferName(stock, j), 0);
    const bool addressable = j < kMaxRecordActions;
    AddItem(context.menu, addressable && GoodsBuyable(context, j) ? kDealerEntry : kDimmedEntry,
            kRightListX, RowY(j, first), caption + " $", addressable ? kBuyGoodsFirst + j : -1);
  }
}

}  // namespace

int CargoInUse(const std::string& cargo) {
  long long sum = 0;
  for (int i = 0; i < RecordCount(cargo, kShipRecordWidth); ++i) {
    sum += RecordAmount(RecordAt(cargo, i, kShipRecordWidth));
  }
  return static_cast<int>(std::clamp<long long>(sum, INT_MIN, INT_MAX));
}

std::string MoneyAndHoldLine(const ShipRecord& ship) {
  return "Geld: " + std::to_string(ship.money) + " $   Laderaum " +
         std::to_string(CargoInUse(ship.cargo)) + "/" + std::to_string(ship.cargoCapacity);
}

std::string BestSaleElsewhere(const World& world, const Catalogues& catalogues, int g) {
  const PlaceRecord* best = nullptr;
  int bestPrice = 0;
  for (const PlaceRecord& place : world.places) {
    if (place.known == 0 || place.name == world.docking.dockedPlace) continue;
    const int price =
        GoodsPrice(catalogues.goods, g, kSellDelta, place.goodsPrices, world.places.Count());
    if (!best || price > bestPrice) {
      best = &place;
      bestPrice = price;
    }
  }
  return best ? best->name + " " + std::to_string(bestPrice) : "";
}

int PlaceGoodsPrice(const StationContext& context, int g, int delta) {
  return GoodsPrice(context.catalogues.goods, g, delta, context.station.currentGoodsPrices,
                    context.world.places.Count());
}

bool GoodsBuyable(const StationContext& context, int j) {
  const ShipRecord* ship = context.world.ships.Front();
  const std::string& stock = context.station.currentGoodsPrices;
  if (!ship || j < 0 || j >= OfferCount(stock)) return false;
  const std::string name = OfferName(stock, j);
  const int g = GoodsIndex(context.catalogues.goods, name);
  return g != 0 && UnitsLeft(OfferValue(stock, j)) &&
         OffersName(context.station.currentGoodsOffers, name) &&
         ship->money >= PlaceGoodsPrice(context, g, kBuyDelta) &&
         CargoInUse(ship->cargo) < ship->cargoCapacity;
}

bool SellGoods(StationContext& context, int i) {
  ShipRecord* ship = context.world.ships.Front();
  if (!ship) return false;
  const std::string_view record = RecordAt(ship->cargo, i, kShipRecordWidth);
  const int g = CargoGood(context.catalogues, record);
  if (g == 0) return false;
  ship->money += PlaceGoodsPrice(context, g, kSellDelta);
  const int amount = RecordAmount(record);
  if (amount < 2) {
    RemoveRecord(ship->cargo, i, kShipRecordWidth);
  } else {
    ReplaceRecord(ship->cargo, i, kShipRecordWidth, CargoRecord(g, amount - 1));
  }
  GiveOneToOffers(context.station.currentGoodsPrices, context.catalogues.goods.goods[g].name);
  return true;
}

bool BuyGoods(StationContext& context, int j) {
  if (!GoodsBuyable(context, j)) return false;
  ShipRecord& ship = *context.world.ships.Front();
  std::string& stock = context.station.currentGoodsPrices;
  const int g = GoodsIndex(context.catalogues.goods, OfferName(stock, j));
  ship.money -= PlaceGoodsPrice(context, g, kBuyDelta);
  TakeOneFromOffer(stock, j);
  AddCargo(ship.cargo, g, 1);
  return true;
}

void BuildGoodsTrader(StationContext& context) {
  const ShipRecord* ship = context.world.ships.Front();
  if (!ship) return;
  AddDealerTitle(context.menu, "Schiffsladeraum", "Warenh\xE4ndler");
  context.menu.screenTag = "Waren";
  AddCargoList(context, *ship);
  AddStockList(context);
  AddDealerFooter(context.menu, "Geld: " + std::to_string(ship->money));
}

void RunGoodsTrader(StationContext& context, int code) {
  const ShipRecord* ship = context.world.ships.Front();
  int* scroll = context.station.listScroll.data();
  if (code == kGoodsLeftUp || code == kGoodsLeftDown) {
    const int rows = ship ? static_cast<int>(CargoRows(context, ship->cargo).size()) : 0;
    ScrollList(scroll[kGoodsLeftList], code == kGoodsLeftUp, rows, true);
  } else if (code == kGoodsRightUp || code == kGoodsRightDown) {
    ScrollList(scroll[kGoodsRightList], code == kGoodsRightUp,
               OfferCount(context.station.currentGoodsPrices), true);
  } else if (InRecordRange(code, kSellGoodsFirst)) {
    SellGoods(context, code - kSellGoodsFirst);
  } else if (InRecordRange(code, kBuyGoodsFirst)) {
    BuyGoods(context, code - kBuyGoodsFirst);
  }
  context.menu.screenState = kGoodsTrader;
  BuildGoodsTrader(context);
}
