#include "common/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace glyvane {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string FormatZeroPadded(long value, int digits) {
  std::string text = std::to_string(value < 0 ? -value : value);
  if (static_cast<int>(text.size()) < digits) {
    text.insert(0, static_cast<size_t>(digits) - text.size(), '0');
  }
  return value < 0 ? "-" + text : text;
}

std::optional<double> ParseLocaleNumber(std::string_view text, char decimalSeparator) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;

  // Rewritten in the C locale's form so that strtod, whose separator is '.',
  // reads it whatever the process locale is.
  std::string canonical;
  size_t i = begin;
  if (i < end && (text[i] == '+' || text[i] == '-')) canonical += text[i++];
  size_t digits = 0;
  while (i < end && IsDigit(text[i])) { canonical += text[i++]; ++digits; }
  if (i < end && text[i] == decimalSeparator) {
    canonical += '.';
    ++i;
    while (i < end && IsDigit(text[i])) { canonical += text[i++]; ++digits; }
  }
  if (digits == 0) return std::nullopt;
  if (i < end && (text[i] == 'e' || text[i] == 'E')) {
    canonical += 'e';
    ++i;
    if (i < end && (text[i] == '+' || text[i] == '-')) canonical += text[i++];
    size_t exponentDigits = 0;
    while (i < end && IsDigit(text[i])) { canonical += text[i++]; ++exponentDigits; }
    if (exponentDigits == 0) return std::nullopt;
  }
  if (i != end) return std::nullopt;

  const double value = std::strtod(canonical.c_str(), nullptr);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::string FormatLocaleNumber(double value, char decimalSeparator) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.6f", value);
  std::string text = buffer;
  const size_t point = text.find('.');
  if (point != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') {
      text.pop_back();
    } else {
      text[point] = decimalSeparator;
    }
  }
  if (text == "-0") return "0";
  return text;
}

std::string FormatFixedDecimals(double value, int decimals, char decimalSeparator) {
  const int length = std::snprintf(nullptr, 0, "%.*f", decimals, value);
  std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
  std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
  text.pop_back();
  if (text.find_first_not_of("-0.") == std::string::npos && text[0] == '-') {
    text.erase(0, 1);  // a negative amount that rounds to zero is zero
  }
  const size_t point = text.find('.');
  if (point != std::string::npos) text[point] = decimalSeparator;
  return text;
}

}  // namespace glyvane
