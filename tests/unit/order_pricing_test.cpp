#include "catalogue/order_pricing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace glyvane {
namespace {

// Shipping: fifteen francs under four items, thirty from four, priced or not.
TEST(PriceOrder, AddsTheItemsPricesAndTheShipping) {
  const std::vector<std::string> unpriced = {"Glyvane - ShareWare", "Awélé - FreeWare", "Cavalier - FreeWare",
                                             "Belote - ShareWare"};
  const struct {
    std::vector<std::string> items;
    char separator;
    int count, francs;
    const char* euros;
  } rows[] = {
      {{"Glyvane - 50 FF°"}, ',', 1, 65, "9,91"},
      {{"Glyvane - 50 FF°"}, '.', 1, 65, "9.91"},
      {unpriced, ',', 4, 30, "4,57"},
      {{unpriced.begin(), unpriced.end() - 1}, ',', 3, 15, "2,29"},
      {{}, ',', 0, 15, "2,29"},
      {{"Glyvane - 50 FF°", "Belote - 80 FF° ", "Astronomie - 120 FF°", "Agenda 2000 - ShareWare"}, ',', 4,
       50 + 80 + 120 + 30, "42,69"},
  };
  for (const auto& row : rows) {
    const OrderTotal total = PriceOrder(row.items, row.separator);
    EXPECT_EQ(total.count, row.count) << row.euros;
    EXPECT_EQ(total.francs, row.francs) << row.euros;
    EXPECT_EQ(total.euros, row.euros);
  }
}

TEST(EuroAmount, RoundsToTwoDecimalsWithTheGivenSeparator) {
  EXPECT_EQ(EuroAmount(50, ','), "7,62");
  EXPECT_EQ(EuroAmount(80, ','), "12,20");  // the trailing zero is written
  EXPECT_EQ(EuroAmount(150, '.'), "22.87");
  EXPECT_EQ(EuroAmount(0, ','), "0,00");
}

}  // namespace
}  // namespace glyvane
