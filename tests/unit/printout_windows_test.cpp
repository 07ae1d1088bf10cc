// The progress window's figures.
#include <gtest/gtest.h>

#include <limits>

#include "printing/progress.h"

namespace glyvane {
namespace {

// Half rounds up, not to the even neighbour; only an exact end shows 0 % or 100 %.
TEST(ProgressText, RoundsHalfUpAndNeverClaimsTheEndsUnlessExact) {
  const double infinity = std::numeric_limits<double>::infinity();
  for (const auto& [fraction, exact, text] :
       {std::tuple{0.0, false, "1%"}, {0.0, true, "0%"}, {0.004, false, "1%"}, {0.375, false, "38%"},
        {0.125, true, "13%"}, {0.996, false, "99%"}, {1.0, false, "99%"}, {1.0, true, "100%"},
        {infinity, true, "100%"}}) {
    EXPECT_EQ(ProgressText(fraction, exact), text) << fraction << " " << exact;
  }
}

TEST(ProgressFraction, StaysWithinTheBarAndTakesNoNumberAsNothing) {
  EXPECT_EQ(ProgressFraction(-0.5), 0);
  EXPECT_EQ(ProgressFraction(1.7), 1);
  EXPECT_EQ(ProgressFraction(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_DOUBLE_EQ(ProgressOf(3, 8), 0.375);  // in floating point
  EXPECT_EQ(ProgressOf(0, 0), 0);
}

}  // namespace
}  // namespace glyvane
