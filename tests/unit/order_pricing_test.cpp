#include "catalogue/order_pricing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/entry_table.h"
#include "catalogue/order_items.h"

namespace glyvane {
namespace {

// Shipping: fifteen francs under four items, thirty from four, priced or not.
TEST(PriceOrder, AddsTheItemsPricesAndTheShipping) {
  const std::vector<std::string> unpriced = {"Glyvane - ShareWare", "Awélé - FreeWare", "Cavalier - FreeWare",
                                             "Belote - ShareWare"};
  const struct {
    std::vector<std::string> items;
    char separator;
    int francs;
    const char* euros;
  } rows[] = {
      {{"Glyvane - 50 FF°"}, '.', 65, "9.91"},
      {unpriced, ',', 30, "4,57"},
      {{unpriced.begin(), unpriced.end() - 1}, ',', 15, "2,29"},
  };
  for (const auto& row : rows) {
    const OrderTotal total = PriceOrder(row.items, row.separator);
    EXPECT_EQ(total.francs, row.francs) << row.euros;
    EXPECT_EQ(total.euros, row.euros);
  }
}

// The euro amount worked out here, apart from the program's formatting.
std::string EurosOf(int francs) {
  const long cents = std::lround(francs / 6.55957 * 100.0);
  char text[32];
  std::snprintf(text, sizeof text, "%ld,%02ld", cents / 100, cents % 100);
  return text;
}

// The order form offers exactly the catalogue: for a paid entry its item at the
// francs of its price text (whose euros are those francs converted), read back by the
// form at that price, and its " - ShareWare" twin; for a free one its " - FreeWare"
// item. The list's texts are counted in bytes of code page 1252: "°" is one
// character, so a three-digit price reads whole.
TEST(OrderItems, OfferTheEntriesAtThePricesTheirDialogShows) {
  std::multiset<std::pair<std::string, int>> expected;
  for (const CatalogueEntry& entry : CatalogueEntries()) {
    const std::string name = entry.entryName;
    if (std::string(entry.priceText) == "Gratuit") {
      expected.insert({name + " - FreeWare", 0});
      continue;
    }
    int francs = 0;
    std::sscanf(entry.priceText, "%d", &francs);
    EXPECT_EQ(entry.priceText, std::to_string(francs) + " FF ou " + EurosOf(francs) + " Euros");
    // The blank after Belote's price is the table's, kept as the order prints it.
    expected.insert({name + " - " + std::to_string(francs) + " FF°" + (name == "Belote" ? " " : ""), francs});
    expected.insert({name + " - ShareWare", 0});
  }
  std::multiset<std::pair<std::string, int>> offered;
  for (const char* item : OrderItems()) offered.insert({item, ItemPrice(item)});
  EXPECT_EQ(offered, expected);
}

}  // namespace
}  // namespace glyvane
