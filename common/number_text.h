#pragma once
// Numbers as the programs read and write them: typed by the user in their locale,
// shown with leading zeros ("0000") or with the locale's decimal separator.
#include <optional>
#include <string>
#include <string_view>

namespace glyvane {

// value with at least `digits` digits, leading zeros added ("0000": 65 -> "0065").
std::string FormatZeroPadded(long value, int digits);

// A decimal number as a user types it: optional blanks around it, an optional sign,
// digits with at most one decimal separator (the locale's) and an optional exponent.
// nullopt for anything else, including the empty text.
std::optional<double> ParseLocaleNumber(std::string_view text, char decimalSeparator);

// The shortest text that reads back as value (up to 6 decimals), with the locale's
// decimal separator: 11 -> "11", 12.5 -> "12,5".
std::string FormatLocaleNumber(double value, char decimalSeparator);

// value rounded to `decimals` decimals, all of them written, at least one digit
// before the separator and no digit grouping ("0.00": 9.9092 -> "9,91", 0.5 -> "0,50").
std::string FormatFixedDecimals(double value, int decimals, char decimalSeparator);

}  // namespace glyvane
