#include "catalogue/order_pricing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/order_items.h"

namespace glyvane {
namespace {

TEST(ItemPrice, ReadsThePriceFromFixedPlacesCountedFromTheEnd) {
  EXPECT_EQ(ItemPrice("Glyvane - 50 FF°"), 50);
  EXPECT_EQ(ItemPrice("Belote - 80 FF° "), 80);  // the blank after the degree sign
  EXPECT_EQ(ItemPrice("Astronomie - 120 FF°"), 120);
}

TEST(ItemPrice, ItemsWithoutAPriceReadAsZero) {
  EXPECT_EQ(ItemPrice("Glyvane - ShareWare"), 0);
  EXPECT_EQ(ItemPrice("Awélé - FreeWare"), 0);
  EXPECT_EQ(ItemPrice("Gratuit - 00 FF°"), 0);  // reads as 0
  EXPECT_EQ(ItemPrice("X - 1 2 FF°"), 0);
  EXPECT_EQ(ItemPrice("X -    FF°"), 0);
  EXPECT_EQ(ItemPrice("50 FF°"), 0);  // too short to hold the three places
  EXPECT_EQ(ItemPrice(""), 0);
}

// The list's texts are counted in bytes of code page 1252: "°" is one character, so
// a three-digit price reads whole (as two bytes it would read "20 " of "120").
TEST(ItemPrice, EveryPricedListItemReadsItsOwnPrice) {
  for (const std::string item : OrderItems()) {
    const size_t dash = item.find(" - ");
    ASSERT_NE(dash, std::string::npos) << item;
    const std::string rest = item.substr(dash + 3);
    int expected = 0;
    if (rest != "ShareWare" && rest != "FreeWare") {
      const size_t francs = rest.find(" FF°");
      ASSERT_NE(francs, std::string::npos) << item;
      expected = std::stoi(rest.substr(0, francs));
    }
    EXPECT_EQ(ItemPrice(item), expected) << item;
  }
}

TEST(PriceOrder, GlyvaneAloneCostsItsPriceAndFifteenFrancsOfShipping) {
  const OrderTotal french = PriceOrder({"Glyvane - 50 FF°"}, ',');
  EXPECT_EQ(french.count, 1);
  EXPECT_EQ(french.francs, 65);
  EXPECT_EQ(french.euros, "9,91");
  EXPECT_EQ(PriceOrder({"Glyvane - 50 FF°"}, '.').euros, "9.91");
}

TEST(PriceOrder, ShippingIsFifteenFrancsUnderFourItemsAndThirtyFromFour) {
  const std::vector<std::string> unpriced = {"Glyvane - ShareWare", "Awélé - FreeWare",
                                             "Cavalier - FreeWare", "Belote - ShareWare"};
  const OrderTotal four = PriceOrder(unpriced, ',');
  EXPECT_EQ(four.count, 4);
  EXPECT_EQ(four.francs, 30);
  EXPECT_EQ(four.euros, "4,57");

  const OrderTotal three = PriceOrder({unpriced.begin(), unpriced.end() - 1}, ',');
  EXPECT_EQ(three.count, 3);
  EXPECT_EQ(three.francs, 15);
  EXPECT_EQ(three.euros, "2,29");
}

TEST(PriceOrder, AnEmptyOrderStillCostsTheShipping) {
  const OrderTotal empty = PriceOrder({}, ',');
  EXPECT_EQ(empty.count, 0);
  EXPECT_EQ(empty.francs, 15);
  EXPECT_EQ(empty.euros, "2,29");
}

TEST(PriceOrder, AddsPricedAndUnpricedItemsAlike) {
  const OrderTotal order = PriceOrder({"Glyvane - 50 FF°", "Belote - 80 FF° ",
                                       "Astronomie - 120 FF°", "Agenda 2000 - ShareWare"},
                                      ',');
  EXPECT_EQ(order.count, 4);
  EXPECT_EQ(order.francs, 50 + 80 + 120 + 30);
  EXPECT_EQ(order.euros, "42,69");
}

TEST(EuroAmount, RoundsToTwoDecimalsWithTheGivenSeparator) {
  EXPECT_EQ(EuroAmount(50, ','), "7,62");
  EXPECT_EQ(EuroAmount(80, ','), "12,20");  // the trailing zero is written
  EXPECT_EQ(EuroAmount(150, '.'), "22.87");
  EXPECT_EQ(EuroAmount(0, ','), "0,00");
}

}  // namespace
}  // namespace glyvane
