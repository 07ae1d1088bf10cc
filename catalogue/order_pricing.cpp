#include "catalogue/order_pricing.h"

#include "common/number_text.h"

namespace glyvane {

int ItemPrice(std::string_view itemText) {
  if (itemText.size() < 7) return 0;  // position length - 6 would lie before the text
  std::string_view digits = itemText.substr(itemText.size() - 7, 3);
  // A whole number may have blanks around it (" 50", "80 ").
  while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
  while (!digits.empty() && digits.back() == ' ') digits.remove_suffix(1);
  if (digits.empty()) return 0;
  int price = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return 0;
    price = price * 10 + (c - '0');
  }
  return price;
}

OrderTotal PriceOrder(const std::vector<std::string>& itemTexts, char decimalSeparator) {
  // At most 23 items of at most 999 francs each: no total comes near an overflow.
  OrderTotal total;
  for (const std::string& text : itemTexts) {
    total.francs += ItemPrice(text);
    ++total.count;
  }
  total.francs += total.count < 4 ? kShippingUnderFour : kShippingFromFour;
  total.euros = EuroAmount(total.francs, decimalSeparator);
  return total;
}

std::string EuroAmount(int francs, char decimalSeparator) {
  return FormatFixedDecimals(francs / kFrancsPerEuro, 2, decimalSeparator);
}

}  // namespace glyvane
