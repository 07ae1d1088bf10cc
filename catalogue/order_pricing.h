#pragma once
// The price of an order: the francs of its priced items, a shipping charge by the
// number of items, and the total in euros.
#include <string>
#include <string_view>
#include <vector>

namespace glyvane {

constexpr double kFrancsPerEuro = 6.55957;
constexpr int kShippingUnderFour = 15;  // francs, fewer than 4 items
constexpr int kShippingFromFour = 30;

// The francs an order item carries, read from its three characters that begin at
// (1-based) position length - 6: " 50" of "Glyvane - 50 FF°". 0, no price, when they
// are no whole number or read as 0 ("are" of "Glyvane - ShareWare").
int ItemPrice(std::string_view itemText);

struct OrderTotal {
  int count = 0;   // items ordered, priced or not
  int francs = 0;  // their prices and the shipping
  std::string euros;
};

// The order of the items whose texts are given (the selected items, in selection
// order). The euros are written with two decimals and `decimalSeparator`.
OrderTotal PriceOrder(const std::vector<std::string>& itemTexts, char decimalSeparator);

// francs in euros, two decimals: 65 -> "9,91".
std::string EuroAmount(int francs, char decimalSeparator);

}  // namespace glyvane
