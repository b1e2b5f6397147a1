#include "game/stations/goods_trader.h"

#include "formats/goods_price.h"
#include "game/stations/dealer_list.h"
#include "game/stations/station_codes.h"
#include "game/ui/menu_items.h"
#include "game/ui/screen_codes.h"
#include "tests/game/stations/station_fixture.h"

namespace {

// Two places: a unit costs base x total / (stock x 2). Wasser 4 x 301, Kristalle 300 x 70,
// Erz 10 x 99.
using GoodsTrader = StationTest;

TEST_F(GoodsTrader, TheLastUnitTakesTheLineAndSellingItBackListsItWithOne) {
  StationContext context = Context();
  ASSERT_TRUE(BuyGoods(context, 0));  // Wasser at stock 1: 1204 / 2
  EXPECT_EQ(Ship().money, 10000 - 602);
  EXPECT_EQ(Ship().cargo, "1    1    ");
  EXPECT_EQ(station.currentGoodsPrices, Offer("Kristalle", 20) + Offer("Erz", -1));
  // Not listed any more: sold as stock 0 + 1, and listed anew with 1.
  ASSERT_TRUE(SellGoods(context, 0));
  EXPECT_EQ(Ship().money, 10000);
  EXPECT_EQ(Ship().cargo, "");
  EXPECT_EQ(station.currentGoodsPrices,
            Offer("Kristalle", 20) + Offer("Erz", -1) + Offer("Wasser", 1));
  EXPECT_EQ(station.currentGoodsPrices.substr(60), "Wasser              1         ");
}

TEST_F(GoodsTrader, AnUnlimitedStockNeverRunsOutAndIsPricedAsOne) {
  StationContext context = Context();
  ASSERT_TRUE(BuyGoods(context, 2));
  ASSERT_TRUE(BuyGoods(context, 2));
  EXPECT_EQ(Ship().money, 10000 - 2 * 495);
  EXPECT_EQ(Ship().cargo, "3    2    ");
  EXPECT_EQ(station.currentGoodsPrices,
            Offer("Wasser", 1) + Offer("Kristalle", 20) + Offer("Erz", -1));
  ASSERT_TRUE(SellGoods(context, 0));  // (1 + 1) x 2: 990 / 4
  EXPECT_EQ(Ship().money, 10000 - 2 * 495 + 247);
  EXPECT_EQ(Ship().cargo, "3    1    ");
  EXPECT_EQ(station.currentGoodsPrices,
            Offer("Wasser", 1) + Offer("Kristalle", 20) + Offer("Erz", -1));
}

TEST_F(GoodsTrader, SellingPaysLessThanBuyingAtTheSameStockAndABuyBackBreaksEven) {
  StationContext context = Context();
  ASSERT_TRUE(BuyGoods(context, 1));  // at 20: 21000 / 40
  ASSERT_TRUE(BuyGoods(context, 1));  // at 19: 21000 / 38
  EXPECT_EQ(Ship().money, 10000 - 525 - 552);
  EXPECT_EQ(Ship().cargo, "2    2    ");
  EXPECT_EQ(station.currentGoodsPrices,
            Offer("Wasser", 1) + Offer("Kristalle", 18) + Offer("Erz", -1));
  EXPECT_EQ(PlaceGoodsPrice(context, 2, kSellDelta), 552);
  EXPECT_EQ(PlaceGoodsPrice(context, 2, kBuyDelta), 583);
  ASSERT_TRUE(SellGoods(context, 0));
  EXPECT_EQ(Ship().money, 10000 - 525);
  EXPECT_EQ(Ship().cargo, "2    1    ");
  ASSERT_TRUE(SellGoods(context, 0));
  EXPECT_EQ(Ship().money, 10000);
  EXPECT_EQ(station.currentGoodsPrices,
            Offer("Wasser", 1) + Offer("Kristalle", 20) + Offer("Erz", -1));
}

TEST_F(GoodsTrader, ABuyNeedsTheGoodOnOfferAUnitMoneyAndRoomInTheHold) {
  StationContext context = Context();
  EXPECT_TRUE(GoodsBuyable(context, 0));
  Ship().cargo = "2    19   ";
  EXPECT_TRUE(GoodsBuyable(context, 1));
  ASSERT_TRUE(BuyGoods(context, 1));
  EXPECT_EQ(CargoInUse(Ship().cargo), 20);
  EXPECT_FALSE(GoodsBuyable(context, 1));  // the hold is full
  EXPECT_FALSE(BuyGoods(context, 2));
  Ship().cargo = "2    25   ";  // more than the hold (a smaller ship was bought): still full
  EXPECT_FALSE(GoodsBuyable(context, 0));
  Ship().cargo.clear();

  Ship().money = 551;
  EXPECT_FALSE(GoodsBuyable(context, 1));  // 552 at the stock of 19 left
  Ship().money = 552;
  EXPECT_TRUE(GoodsBuyable(context, 1));
  Ship().money = 10000;
  station.currentGoodsOffers = Offer("Wasser", -1);
  EXPECT_FALSE(GoodsBuyable(context, 1));  // Kristalle is not sold here
  station.currentGoodsOffers = Offer("Kristalle", -1) + Offer("Salz", -1);
  station.currentGoodsPrices = Offer("Kristalle", 0) + Offer("Salz", 5);
  EXPECT_FALSE(GoodsBuyable(context, 0));                    // nothing in stock
  EXPECT_FALSE(GoodsBuyable(context, 1));                    // no good of the catalogue
  EXPECT_EQ(PlaceGoodsPrice(context, 2, kBuyDelta), 10500);  // priced as stock 1, no crash
  EXPECT_FALSE(BuyGoods(context, 0));
  EXPECT_EQ(Ship().money, 10000);
}

TEST_F(GoodsTrader, CargoRecordsShrinkAndGoOnlyWhenTheLastUnitIsSold) {
  Ship().cargo = "0    4    3    3    9    1    1    1    ";
  StationContext context = Context();
  EXPECT_EQ(CargoInUse(Ship().cargo), 9);
  EXPECT_FALSE(SellGoods(context, 0));  // no good of the catalogue
  EXPECT_FALSE(SellGoods(context, 2));
  ASSERT_TRUE(SellGoods(context, 1));
  EXPECT_EQ(Ship().cargo, "0    4    3    2    9    1    1    1    ");
  ASSERT_TRUE(SellGoods(context, 3));
  EXPECT_EQ(Ship().cargo, "0    4    3    2    9    1    ");

  // Only records of catalogue goods are listed; their actions name the record.
  BuildGoodsTrader(context);
  EXPECT_EQ(menu.screenTag, "Waren");
  EXPECT_EQ(Item(2).caption, "Erz                     247 $");
  EXPECT_EQ(Item(2).action, kSellGoodsFirst + 1);
  EXPECT_EQ(Item(3).x, 650);
  EXPECT_EQ(Item(3).caption, "Wasser                  301 $");  // the sale made the stock 2
  EXPECT_EQ(Item(3).action, kBuyGoodsFirst);
  EXPECT_EQ(Item(6).caption, "Geld: " + std::to_string(Ship().money));
}

TEST_F(GoodsTrader, DownArrowsGoOnPastTheEndAndUpArrowsStopAtTheTop) {
  for (int k = 0; k < 9; ++k) station.currentGoodsPrices += Offer("Erz", -1);  // 12 rows
  StationContext context = Context();
  for (int k = 0; k < 7; ++k) {
    menu.menuItems.Clear();
    RunGoodsTrader(context, kGoodsRightDown);
  }
  EXPECT_EQ(station.listScroll[kGoodsRightList], 7);
  EXPECT_EQ(menu.screenState, kGoodsTrader);
  EXPECT_EQ(Item(4).caption, "[]");
  EXPECT_EQ(Item(4).y, 470);  // the thumb rests at the bottom of its track
  int rows = 0;
  for (const MenuItemRecord& item : menu.menuItems) rows += item.x == 650 ? 1 : 0;
  EXPECT_EQ(rows, 5);  // rows 7..11
  for (int k = 0; k < 9; ++k) {
    menu.menuItems.Clear();
    RunGoodsTrader(context, kGoodsRightUp);
  }
  EXPECT_EQ(station.listScroll[kGoodsRightList], 0);
  menu.menuItems.Clear();
  RunGoodsTrader(context, kGoodsLeftDown);  // even an empty hold's list moves on
  EXPECT_EQ(station.listScroll[kGoodsLeftList], 1);
}

}  // namespace
