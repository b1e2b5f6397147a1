#include "game/stations/ship_dealer.h"

#include "game/stations/goods_trader.h"
#include "game/stations/station_codes.h"
#include "game/ui/menu_items.h"
#include "game/ui/screen_codes.h"
#include "tests/game/stations/station_fixture.h"

namespace {

using ShipDealer = StationTest;

TEST_F(ShipDealer, ANewShipCarriesEveryWeaponAndKeepsCargoBeyondItsHold) {
  Ship().weapons = Weapon(1) + std::string(10, ' ') + Weapon(2) + Weapon(4);
  Ship().cargo = "1    3    2    2    ";
  Ship().shield = 40;
  Ship().x = 1234;
  StationContext context = Context();
  ASSERT_TRUE(BuyShip(context, 1));  // the one Kutter: 1 slot, hold 2
  EXPECT_EQ(Ship().money, 8000);     // the old ship is not taken in payment
  EXPECT_EQ(station.currentShipOffers, Offer("Frachter", -1));
  EXPECT_EQ(Ship().weapons, std::string(10, ' ') + Weapon(1) + Weapon(2) + Weapon(4));
  EXPECT_EQ(Ship().type, 2003);
  EXPECT_EQ(world.playerShipType, 3);
  EXPECT_FLOAT_EQ(Ship().radius, 20);
  EXPECT_FLOAT_EQ(Ship().hull, 100);
  EXPECT_EQ(Ship().maxHull, 100);
  EXPECT_FLOAT_EQ(Ship().energy, 100);
  EXPECT_EQ(Ship().maxEnergy, 100);
  EXPECT_FLOAT_EQ(Ship().maxSpeed, 41);
  EXPECT_FLOAT_EQ(Ship().agility, 11);
  EXPECT_FLOAT_EQ(Ship().shield, 40);
  EXPECT_FLOAT_EQ(Ship().x, 1234);
  // Five units in a hold of 2: kept, and nothing more can be bought until it fits.
  EXPECT_EQ(Ship().cargo, "1    3    2    2    ");
  EXPECT_EQ(Ship().cargoCapacity, 2);
  EXPECT_FALSE(GoodsBuyable(context, 1));

  ASSERT_TRUE(BuyShip(context, 0));  // a Frachter (unlimited): 2 slots, hold 200
  EXPECT_EQ(Ship().money, 5000);
  EXPECT_EQ(station.currentShipOffers, Offer("Frachter", -1));
  EXPECT_EQ(Ship().weapons, std::string(20, ' ') + Weapon(1) + Weapon(2) + Weapon(4));
  EXPECT_EQ(Ship().cargoCapacity, 200);
  EXPECT_TRUE(GoodsBuyable(context, 1));
}

TEST_F(ShipDealer, OnlyAffordableShipsOfTheCatalogueCanBeBought) {
  station.currentShipOffers = Offer("Frachter", -1) + Offer("Zeppelin", -1) + Offer("Kutter", 0);
  Ship().money = 2999;
  StationContext context = Context();
  EXPECT_FALSE(BuyShip(context, 0));
  EXPECT_FALSE(BuyShip(context, 1));
  EXPECT_FALSE(BuyShip(context, 2));
  EXPECT_EQ(Ship().type, 2001);
  RunShipDealer(context, kShipDealer);
  EXPECT_EQ(menu.screenTag, "Schiffe");
  EXPECT_EQ(Item(0).caption, "Mein Eigentum");
  EXPECT_EQ(Item(1).caption, "H\xE4ndler");
  EXPECT_EQ(Item(2).caption, "Pionier                2666");  // its own price, a third
  EXPECT_EQ(Item(2).action, kOwnShip);
  EXPECT_EQ(Item(3).caption, "Frachter               3000");
  EXPECT_EQ(Item(3).kind, kDimmedEntry);
  EXPECT_EQ(Item(4).kind, kDimmedEntry);
  EXPECT_EQ(Item(5).kind, kDimmedEntry);
  EXPECT_EQ(Item(6).caption, "Geld: 2999");
  Ship().money = 3000;
  menu.menuItems.Clear();
  RunShipDealer(context, kBuyShipFirst);
  EXPECT_EQ(Ship().type, 2002);
  EXPECT_EQ(menu.screenState, kShipDealer);
}

}  // namespace
