#include "game/stations/weapons_dealer.h"

#include "game/stations/dealer_list.h"
#include "game/stations/station_codes.h"
#include "game/ui/menu_items.h"
#include "game/ui/screen_codes.h"
#include "tests/game/stations/station_fixture.h"

namespace {

using WeaponsDealer = StationTest;

TEST_F(WeaponsDealer, SellingPaysAThirdRoundedDownAndCarriedWeaponsLeaveNoGap) {
  Ship().weapons = Weapon(1) + Weapon(1) + Weapon(1) + Weapon(4) + Weapon(2);
  StationContext context = Context();
  ASSERT_TRUE(SellWeapon(context, 3));  // the carried Nadel: 1351 / 3
  EXPECT_EQ(Ship().money, 10450);
  EXPECT_EQ(Ship().weapons, Weapon(1) + Weapon(1) + Weapon(1) + Weapon(2));
  // Not on offer here: offered anew, once.
  EXPECT_EQ(station.currentWeaponOffers,
            Offer("Loku I", -1) + Offer("Loku III", 1) + Offer("Orkan", -1) + Offer("Nadel", 1));

  ASSERT_TRUE(SellWeapon(context, 3));  // Loku III: the counted offer grows
  EXPECT_EQ(Ship().money, 10450 + 333);
  EXPECT_EQ(station.currentWeaponOffers,
            Offer("Loku I", -1) + Offer("Loku III", 2) + Offer("Orkan", -1) + Offer("Nadel", 1));

  ASSERT_TRUE(SellWeapon(context, 0));  // a mounted one: its slot stays, empty
  EXPECT_EQ(Ship().money, 10450 + 333 + 133);
  EXPECT_EQ(Ship().weapons, std::string(10, ' ') + Weapon(1) + Weapon(1));
  EXPECT_NE(station.currentWeaponOffers.find(Offer("Loku I", -1)), std::string::npos);

  EXPECT_FALSE(SellWeapon(context, 0));  // an empty slot sells nothing
  EXPECT_FALSE(SellWeapon(context, 7));
  EXPECT_EQ(Ship().money, 10916);
}

TEST_F(WeaponsDealer, BuyingFillsTheFirstFittingSlotElseCarries) {
  Ship().weapons = Weapon(1) + std::string(20, ' ');
  StationContext context = Context();
  ASSERT_TRUE(BuyWeapon(context, 1));  // Loku III, class 2: slot 1 is class 1, slot 2 class 2
  EXPECT_EQ(Ship().weapons, Weapon(1) + std::string(10, ' ') + Weapon(2));
  EXPECT_EQ(Ship().money, 9000);
  // The last one on offer: its line goes.
  EXPECT_EQ(station.currentWeaponOffers, Offer("Loku I", -1) + Offer("Orkan", -1));

  ASSERT_TRUE(BuyWeapon(context, 0));
  ASSERT_TRUE(BuyWeapon(context, 0));  // no slot left: carried
  EXPECT_EQ(Ship().weapons, Weapon(1) + Weapon(1) + Weapon(2) + Weapon(1));
  EXPECT_EQ(station.currentWeaponOffers, Offer("Loku I", -1) + Offer("Orkan", -1));
  ASSERT_TRUE(BuyWeapon(context, 1));  // Orkan, class 4, fits no slot of the ship
  EXPECT_EQ(Ship().weapons, Weapon(1) + Weapon(1) + Weapon(2) + Weapon(1) + Weapon(3));
  EXPECT_EQ(Ship().money, 9000 - 800 - 5000);

  Ship().money = 399;  // too little: nothing changes
  EXPECT_FALSE(BuyWeapon(context, 0));
  EXPECT_EQ(Ship().money, 399);
}

TEST_F(WeaponsDealer, OffersWithoutAWeaponOrAUnitAreNotSold) {
  station.currentWeaponOffers = Offer("Unbekannt", -1) + Offer("Loku I", 0) + Offer("Nadel", 3);
  StationContext context = Context();
  EXPECT_FALSE(BuyWeapon(context, 0));
  EXPECT_FALSE(BuyWeapon(context, 1));
  EXPECT_EQ(Ship().money, 10000);
  BuildWeaponsDealer(context);
  const MenuItemRecord* unknown = FindItem(PricedCaption("Unbekannt", 0) + " $");
  ASSERT_NE(unknown, nullptr);
  EXPECT_EQ(unknown->kind, kDimmedEntry);
  const MenuItemRecord* empty = FindItem(WeaponCaption(catalogues, 1, 1) + " $");
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(empty->kind, kDimmedEntry);
  ASSERT_TRUE(BuyWeapon(context, 2));
  EXPECT_EQ(station.currentWeaponOffers,
            Offer("Unbekannt", -1) + Offer("Loku I", 0) + Offer("Nadel", 2));
}

TEST_F(WeaponsDealer, RightClicksMountCarriedWeaponsAndUnmountMountedOnes) {
  Ship().weapons = Weapon(1) + std::string(10, ' ') + Weapon(1) + Weapon(2) + Weapon(3);
  StationContext context = Context();
  EXPECT_FALSE(MountOrUnmount(context, 3));  // Loku III needs class 2; the free slot is class 1
  EXPECT_FALSE(MountOrUnmount(context, 1));  // an empty slot
  ASSERT_TRUE(MountOrUnmount(context, 2));   // unmounted: slot 2 empties, carried at the end
  EXPECT_EQ(Ship().weapons, Weapon(1) + std::string(20, ' ') + Weapon(2) + Weapon(3) + Weapon(1));
  ASSERT_TRUE(MountOrUnmount(context, 3));  // now Loku III finds slot 2
  EXPECT_EQ(Ship().weapons, Weapon(1) + std::string(10, ' ') + Weapon(2) + Weapon(3) + Weapon(1));
  ASSERT_TRUE(MountOrUnmount(context, 4));  // Loku I into slot 1
  EXPECT_EQ(Ship().weapons, Weapon(1) + Weapon(1) + Weapon(2) + Weapon(3));
  EXPECT_FALSE(MountOrUnmount(context, 3));  // Orkan fits nowhere
}

TEST_F(WeaponsDealer, TheRightClickActsOnChoosableEntriesOfTheLeftListOnly) {
  Ship().weapons = Weapon(1) + Weapon(1) + Weapon(1);
  StationContext context = Context();
  BuildWeaponsDealer(context);
  UiState ui;
  ui.rightButtonState = 4;
  HandleWeaponsRightClick(context, ui, 100, 165);  // record 0: unmounted
  EXPECT_EQ(menu.screenState, kWeaponsDealer);
  EXPECT_EQ(Ship().weapons, std::string(10, ' ') + Weapon(1) + Weapon(1) + Weapon(1));

  menu.screenState = -1;
  HandleWeaponsRightClick(context, ui, 700, 165);  // an offer: nothing
  ui.rightButtonState = 3;                         // held, not clicked: nothing
  HandleWeaponsRightClick(context, ui, 100, 215);
  EXPECT_EQ(menu.screenState, -1);
  EXPECT_EQ(Ship().weapons, std::string(10, ' ') + Weapon(1) + Weapon(1) + Weapon(1));
}

TEST_F(WeaponsDealer, ScreenShowsEightRowsWithArrowsThumbAndDimming) {
  Ship().weapons = std::string(10, ' ') + Weapon(1) + Weapon(2);
  for (int k = 0; k < 9; ++k) Ship().weapons += Weapon(3);  // 12 records
  station.listScroll[kWeaponsLeftList] = 2;
  Ship().money = 999;
  StationContext context = Context();
  RunWeaponsDealer(context, kWeaponsDealer);
  EXPECT_EQ(menu.screenTag, "Waffen");
  EXPECT_EQ(Item(0).caption, "Schiffsausr\xFCstung");
  EXPECT_EQ(Item(1).caption, "Waffenh\xE4ndler");
  EXPECT_EQ(Item(1).x, 950 - 130);
  EXPECT_EQ(Item(2).caption, "/\\");
  EXPECT_EQ(Item(2).action, kWeaponsLeftUp);
  EXPECT_EQ(Item(3).y, 500);
  EXPECT_EQ(Item(4).caption, "[]");
  EXPECT_EQ(Item(4).y, 180 + 145);  // 2 x 290 / 4
  // Rows 2..9 of the left list at y 150..500; row 2 is Loku III, sold for a third.
  EXPECT_EQ(Item(5).caption, WeaponCaption(catalogues, 2, 3) + " $");
  EXPECT_EQ(Item(5).caption, "Loku III                333 $");
  EXPECT_EQ(Item(5).y, 150);
  EXPECT_EQ(Item(5).action, 2003);
  EXPECT_EQ(Item(12).y, 500);
  EXPECT_EQ(Item(13).x, 650);  // then the offers: Loku I affordable, the others dimmed
  EXPECT_EQ(Item(13).kind, kDealerEntry);
  EXPECT_EQ(Item(13).caption, "Loku I                  400 $");
  EXPECT_EQ(Item(14).kind, kDimmedEntry);
  EXPECT_EQ(Item(16).caption, "Geld: 999 $");
  EXPECT_EQ(Item(17).action, 0);

  // The empty slot reads as "-LEER-" and is dimmed.
  station.listScroll[kWeaponsLeftList] = 0;
  menu.menuItems.Clear();
  BuildWeaponsDealer(context);
  EXPECT_EQ(Item(5).caption, "-LEER-                    0 $");
  EXPECT_EQ(Item(5).kind, kDimmedEntry);

  // The arrows stop at both ends of the list.
  for (int k = 0; k < 10; ++k) {
    menu.menuItems.Clear();
    RunWeaponsDealer(context, kWeaponsLeftDown);
  }
  EXPECT_EQ(station.listScroll[kWeaponsLeftList], 4);
  menu.menuItems.Clear();
  RunWeaponsDealer(context, kWeaponsRightDown);  // three offers: nothing to scroll
  EXPECT_EQ(station.listScroll[kWeaponsRightList], 0);
  for (int k = 0; k < 6; ++k) {
    menu.menuItems.Clear();
    RunWeaponsDealer(context, kWeaponsLeftUp);
  }
  EXPECT_EQ(station.listScroll[kWeaponsLeftList], 0);
}

}  // namespace
