#pragma once

#include "game/stations/station_context.h"

// The goods trader (screen 3, tag "Waren"): the ship's cargo on the left, the place's stock on
// the right, priced by the goods price rule (formats/goods_price.h).

void BuildGoodsTrader(StationContext& context);

// Screen 3, its arrows, and selling (3001 + cargo record) or buying (3501 + stock record) one
// unit; then the screen is built again.
void RunGoodsTrader(StationContext& context, int code);

// The amounts of all cargo records.
int CargoInUse(const std::string& cargo);

// The money and the hold as the player sees them everywhere: "Geld: 10000 $   Laderaum 12/20".
std::string MoneyAndHoldLine(const ShipRecord& ship);

// Where else the player could sell a unit of good g for the most, by what the player knows: the
// known place other than the docked one that pays best, priced by the same rule as here, as
// "Vesta 2400"; empty when no other place is known.
std::string BestSaleElsewhere(const World& world, const Catalogues& catalogues, int g);

// The place's price for one unit of good g: buying (delta 0) or selling (delta 1).
int PlaceGoodsPrice(const StationContext& context, int g, int delta);

// Whether stock record j can be bought: a good of the catalogue the place sells, with a unit in
// stock, money for it and room in the hold.
bool GoodsBuyable(const StationContext& context, int j);

// Sells one unit of cargo record i; the place's stock of it grows (or it is listed anew with 1).
bool SellGoods(StationContext& context, int i);

// Buys one unit of stock record j into the first cargo record of that good (or a new one).
bool BuyGoods(StationContext& context, int j);
