// The progress window's figures.
#include <gtest/gtest.h>

#include "printing/progress.h"

namespace glyvane {
namespace {

// Half rounds up, not to the even neighbour; only an exact end shows 0 % or 100 %. The
// fraction of a printout's items is taken in floating point.
TEST(ProgressText, RoundsHalfUpAndNeverClaimsTheEndsUnlessExact) {
  for (const auto& [fraction, exact, text] :
       {std::tuple{0.0, false, "1%"}, {0.0, true, "0%"}, {0.004, false, "1%"}, {ProgressOf(3, 8), false, "38%"},
        {0.125, true, "13%"}, {0.996, false, "99%"}, {1.0, false, "99%"}, {1.0, true, "100%"}}) {
    EXPECT_EQ(ProgressText(fraction, exact), text) << fraction << " " << exact;
  }
}

}  // namespace
}  // namespace glyvane
