#include "formats/goods_price.h"

#include <gtest/gtest.h>

#include <climits>

#include "formats/place_file.h"

namespace {

// Wasser: base 40, 900 units over all places; Kristalle: base 300, 60 units.
GoodsCatalogue TwoGoods() {
  GoodsCatalogue goods;
  goods.goods.resize(3);
  goods.goods[1] = {"Wasser", 40, 900};
  goods.goods[2] = {"Kristalle", 300, 60};
  goods.goodsCount = 2;
  return goods;
}

std::string Line(std::initializer_list<std::pair<const char*, const char*>> records) {
  std::string line;
  for (const auto& [name, stock] : records) line += MakeOfferRecord(name, stock);
  return line;
}

TEST(GoodsPrice, FallsWithTheStockAndDropsTheFraction) {
  const GoodsCatalogue goods = TwoGoods();
  const std::string line = Line({{"Wasser", "500"}, {"Kristalle", "7"}});
  // 40 x 900 / (500 x 3) = 24; selling: 36000 / 1503 = 23.95...
  EXPECT_EQ(GoodsPrice(goods, 1, kBuyDelta, line, 3), 24);
  EXPECT_EQ(GoodsPrice(goods, 1, kSellDelta, line, 3), 23);
  // 300 x 60 / (7 x 3) = 857.14...; selling 18000 / 24 = 750.
  EXPECT_EQ(GoodsPrice(goods, 2, kBuyDelta, line, 3), 857);
  EXPECT_EQ(GoodsPrice(goods, 2, kSellDelta, line, 3), 750);
  EXPECT_GT(GoodsPrice(goods, 2, kBuyDelta, Line({{"Kristalle", "6"}}), 3), 857);
}

TEST(GoodsPrice, SellingFetchesLessThanBuyingAndABuyThenSellBreaksEven) {
  const GoodsCatalogue goods = TwoGoods();
  for (int s = 1; s <= 40; ++s) {
    const std::string at = Line({{"Kristalle", std::to_string(s).c_str()}});
    EXPECT_LT(GoodsPrice(goods, 2, kSellDelta, at, 3), GoodsPrice(goods, 2, kBuyDelta, at, 3)) << s;
    // Buying one at s leaves s - 1; selling it back is priced at (s - 1) + 1.
    if (s > 1) {
      const std::string after = Line({{"Kristalle", std::to_string(s - 1).c_str()}});
      EXPECT_EQ(GoodsPrice(goods, 2, kSellDelta, after, 3), GoodsPrice(goods, 2, kBuyDelta, at, 3));
    }
  }
}

TEST(GoodsPrice, StocksTheFormulaCannotDivideByArePricedAsOne) {
  const GoodsCatalogue goods = TwoGoods();
  const int atOne = GoodsPrice(goods, 2, kBuyDelta, Line({{"Kristalle", "1"}}), 3);
  const int sellAtOne = GoodsPrice(goods, 2, kSellDelta, Line({{"Kristalle", "1"}}), 3);
  EXPECT_EQ(atOne, 6000);
  for (const char* stock : {"-1", "0", "-5"}) {
    const std::string line = Line({{"Kristalle", stock}});
    EXPECT_EQ(GoodsPrice(goods, 2, kBuyDelta, line, 3), atOne) << stock;
    EXPECT_EQ(GoodsPrice(goods, 2, kSellDelta, line, 3), sellAtOne) << stock;
  }
  // Unlimited sells; an empty or negative figure has nothing to sell.
  EXPECT_TRUE(StockSells(kUnlimitedStock));
  EXPECT_TRUE(StockSells(1));
  EXPECT_FALSE(StockSells(0));
  EXPECT_FALSE(StockSells(-2));
  // A good the place does not list sells as stock 0 + 1.
  EXPECT_EQ(GoodsPrice(goods, 2, kSellDelta, Line({{"Wasser", "5"}}), 3), 6000);
  EXPECT_EQ(GoodsPrice(goods, 2, kBuyDelta, "", 3), 6000);
  EXPECT_FALSE(LocalStock("", "Kristalle").has_value());
}

TEST(GoodsPrice, TheLastRecordOfAGoodCountsAndBadDataGivesNoBadPrice) {
  GoodsCatalogue goods = TwoGoods();
  const std::string twice = Line({{"Kristalle", "2"}, {"Wasser", "9"}, {"Kristalle", "20"}});
  EXPECT_EQ(LocalStock(twice, "Kristalle"), 20);
  EXPECT_EQ(GoodsPrice(goods, 2, kBuyDelta, twice, 3), 300);
  EXPECT_EQ(GoodsPrice(goods, 0, kBuyDelta, twice, 3), 0);  // outside the catalogue
  EXPECT_EQ(GoodsPrice(goods, 3, kBuyDelta, twice, 3), 0);
  EXPECT_EQ(GoodsPrice(goods, 2, kBuyDelta, twice, 0), 900);  // no places: counted as one

  goods.goods[2].basePrice = -300;  // a negative base or total stock prices at 0
  EXPECT_EQ(GoodsPrice(goods, 2, kBuyDelta, twice, 3), 0);
  goods.goods[2] = {"Kristalle", INT_MAX, INT_MAX};
  EXPECT_EQ(GoodsPrice(goods, 2, kBuyDelta, Line({{"Kristalle", "1"}}), 1), INT_MAX);
}

}  // namespace
