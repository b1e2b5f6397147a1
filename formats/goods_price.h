#pragma once

#include <optional>
#include <string_view>

#include "formats/goods_catalogue.h"

// The price of a good at a place, one rule for the game's goods trader, the flight screen's place
// panel and the data tool:
//   basePrice x totalStock / ((stock + delta) x number of places), the fraction dropped.
// A larger local stock gives a lower price. Buying is priced with delta 0; selling with delta 1,
// as if the stock already held the sold unit, so a unit always fetches less than it costs.
//
// The stock is the value of the last record of the place's stock line (30-character records:
// name 1-20, stock 21-30) whose name is the good's. Stock figures the formula cannot divide by are
// priced soundly instead:
// - a stock of -1 is unlimited (buying never lowers it, selling never raises it); it is priced as
//   a stock of 1;
// - a listed stock of 0 or below is nothing to buy (StockSells) and is priced as a stock of 1
//   when the player sells there;
// - a good the place does not list counts as stock 0 (selling there is priced at 0 + 1).
// No price is ever negative or a division by zero; it saturates at the int range.

inline constexpr int kUnlimitedStock = -1;
inline constexpr int kBuyDelta = 0;
inline constexpr int kSellDelta = 1;

// The stock of a good in a stock line: the last record with that name; none when it is not listed.
std::optional<int> LocalStock(std::string_view stockLine, std::string_view goodName);

// Whether a listed stock has a unit to sell: unlimited, or 1 and more.
bool StockSells(int stock);

// The price of one unit of `good` at a place with that stock (none: not listed).
int GoodsPriceAtStock(const GoodsRecord& good, std::optional<int> stock, int delta, int placeCount);

// GoodsPrice(g, delta) at the place whose stock line is given; an index outside the catalogue is
// priced 0.
int GoodsPrice(const GoodsCatalogue& goods, int g, int delta, std::string_view stockLine,
               int placeCount);
