#include "common/number_text.h"

#include <gtest/gtest.h>

namespace glyvane {
namespace {

TEST(FormatZeroPadded, PadsToFourDigitsAndKeepsLongerNumbers) {
  EXPECT_EQ(FormatZeroPadded(65, 4), "0065");
  EXPECT_EQ(FormatZeroPadded(0, 4), "0000");
  EXPECT_EQ(FormatZeroPadded(255, 4), "0255");
  EXPECT_EQ(FormatZeroPadded(12345, 4), "12345");
  EXPECT_EQ(FormatZeroPadded(-7, 4), "-0007");
}

TEST(ParseLocaleNumber, FrenchLocaleReadsTheDecimalComma) {
  EXPECT_EQ(ParseLocaleNumber("12,5", ','), 12.5);
  EXPECT_EQ(ParseLocaleNumber(" 15 ", ','), 15.0);
  EXPECT_EQ(ParseLocaleNumber("-3", ','), -3.0);
  EXPECT_EQ(ParseLocaleNumber(",5", ','), 0.5);
  EXPECT_EQ(ParseLocaleNumber("1,5E1", ','), 15.0);
  EXPECT_FALSE(ParseLocaleNumber("12.5", ','));
  EXPECT_FALSE(ParseLocaleNumber("1,2,3", ','));
}

TEST(ParseLocaleNumber, CLocaleReadsTheDecimalPointOnly) {
  EXPECT_EQ(ParseLocaleNumber("12.5", '.'), 12.5);
  EXPECT_FALSE(ParseLocaleNumber("12,5", '.'));
}

TEST(ParseLocaleNumber, RefusesWhatIsNoNumber) {
  for (const char* text : {"", " ", "abc", "12abc", "+", ",", "1e", "1e+", "0x10", "1 2", "inf", "nan"}) {
    EXPECT_FALSE(ParseLocaleNumber(text, ',')) << '"' << text << '"';
  }
  EXPECT_FALSE(ParseLocaleNumber("1e999", ','));  // too large for a double
}

TEST(FormatLocaleNumber, GivesTheShortestTextWithTheLocaleSeparator) {
  EXPECT_EQ(FormatLocaleNumber(11, ','), "11");
  EXPECT_EQ(FormatLocaleNumber(12.5, ','), "12,5");
  EXPECT_EQ(FormatLocaleNumber(11.25, '.'), "11.25");
  EXPECT_EQ(FormatLocaleNumber(-0.0, ','), "0");
}

TEST(FormatFixedDecimals, WritesEveryDecimalWithTheLocaleSeparator) {
  EXPECT_EQ(FormatFixedDecimals(9.90922, 2, ','), "9,91");
  EXPECT_EQ(FormatFixedDecimals(9.90922, 2, '.'), "9.91");
  EXPECT_EQ(FormatFixedDecimals(12.2, 2, ','), "12,20");
  EXPECT_EQ(FormatFixedDecimals(0.5, 2, ','), "0,50");
  EXPECT_EQ(FormatFixedDecimals(22.867, 2, ','), "22,87");
  EXPECT_EQ(FormatFixedDecimals(12345.678, 2, ','), "12345,68");  // no grouping
  EXPECT_EQ(FormatFixedDecimals(-0.001, 2, ','), "0,00");
  EXPECT_EQ(FormatFixedDecimals(-1.5, 1, ','), "-1,5");
}

}  // namespace
}  // namespace glyvane
