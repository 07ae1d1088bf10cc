#include "printing/progress.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace glyvane {
namespace {

TEST(ProgressText, RoundsHalfUpAndNeverClaimsTheEndsUnlessExact) {
  EXPECT_EQ(ProgressText(0, false), "1%");
  EXPECT_EQ(ProgressText(0, true), "0%");
  EXPECT_EQ(ProgressText(0.004, false), "1%");
  EXPECT_EQ(ProgressText(0.375, false), "38%");
  EXPECT_EQ(ProgressText(0.125, true), "13%");  // 12.5 rounds up, not to the even neighbour
  EXPECT_EQ(ProgressText(0.994, false), "99%");
  EXPECT_EQ(ProgressText(0.996, false), "99%");
  EXPECT_EQ(ProgressText(1, false), "99%");
  EXPECT_EQ(ProgressText(1, true), "100%");
}

TEST(ProgressFraction, StaysWithinTheBarAndTakesNoNumberAsNothing) {
  EXPECT_EQ(ProgressFraction(-0.5), 0);
  EXPECT_EQ(ProgressFraction(1.7), 1);
  EXPECT_EQ(ProgressFraction(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(ProgressText(std::numeric_limits<double>::infinity(), true), "100%");
  EXPECT_EQ(ProgressFraction(0.25), 0.25);
  EXPECT_DOUBLE_EQ(ProgressOf(3, 8), 0.375);  // in floating point
  EXPECT_EQ(ProgressOf(0, 0), 0);
}

}  // namespace
}  // namespace glyvane
