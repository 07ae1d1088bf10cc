#include "common/number_text.h"

#include <gtest/gtest.h>

namespace glyvane {
namespace {

TEST(FormatNumbers, PadCodesAndWriteTheLocaleSeparatorWithoutGrouping) {
  EXPECT_EQ(FormatZeroPadded(65, 4), "0065");
  EXPECT_EQ(FormatFixedDecimals(12.2, 2, '.'), "12.20");
  EXPECT_EQ(FormatFixedDecimals(12345.678, 2, ','), "12345,68");
}

TEST(ParseLocaleNumber, ReadsOnlyWholeNumbersWithTheLocaleSeparator) {
  EXPECT_EQ(ParseLocaleNumber(" 15 ", ','), 15.0);
  EXPECT_EQ(ParseLocaleNumber("-3", ','), -3.0);
  EXPECT_EQ(ParseLocaleNumber(",5", ','), 0.5);
  EXPECT_EQ(ParseLocaleNumber("1,5E1", ','), 15.0);
  for (const char* text : {"12.5", "1,2,3", "", " ", "abc", "12abc", "+", ",", "1e", "1e+", "0x10", "1 2", "inf",
                           "nan", "1e999"}) {
    EXPECT_FALSE(ParseLocaleNumber(text, ',')) << '"' << text << '"';
  }
}

}  // namespace
}  // namespace glyvane
