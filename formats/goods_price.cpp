#include "formats/goods_price.h"

#include <algorithm>
#include <climits>

#include "formats/place_file.h"
#include "formats/text_rules.h"

namespace {

std::string_view TrimmedName(std::string_view record) {
  std::string_view name = record.substr(0, 20);
  while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  return name;
}

}  // namespace

std::optional<int> LocalStock(std::string_view stockLine, std::string_view goodName) {
  // Walked in place: the goods trader asks for every row it shows.
  std::optional<int> stock;
  for (size_t at = 0; at + kOfferRecordWidth <= stockLine.size(); at += kOfferRecordWidth) {
    const std::string_view record = stockLine.substr(at, kOfferRecordWidth);
    if (TrimmedName(record) == goodName) stock = ReadInt(record.substr(20));
  }
  return stock;
}

bool StockSells(int stock) {
  return stock == kUnlimitedStock || stock >= 1;
}

int GoodsPriceAtStock(const GoodsRecord& good, std::optional<int> stock, int delta,
                      int placeCount) {
  long long units = 0;  // an unlisted good
  if (stock) units = *stock >= 1 ? *stock : 1;
  units = std::max(units + delta, 1LL);
  const long long divisor = units * std::max(placeCount, 1);
  const long long value = static_cast<long long>(good.basePrice) * good.totalStock;
  if (value <= 0) return 0;
  return static_cast<int>(std::min<long long>(value / divisor, INT_MAX));
}

int GoodsPrice(const GoodsCatalogue& goods, int g, int delta, std::string_view stockLine,
               int placeCount) {
  if (g < 1 || g > goods.goodsCount || g >= static_cast<int>(goods.goods.size())) return 0;
  const GoodsRecord& good = goods.goods[g];
  return GoodsPriceAtStock(good, LocalStock(stockLine, good.name), delta, placeCount);
}
