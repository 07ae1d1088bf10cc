#include "common/auto_size.h"

#include <gtest/gtest.h>

namespace glyvane {
namespace {

// The quick preview: designed at Left 457, Width 7 px (centre 460.5) in a 634 px window.
constexpr int kCentreTimesTwo = 2 * 457 + 7;

TEST(AutoSizedLeft, ACentredLabelGrowsAndShrinksAboutItsDesignCentre) {
  EXPECT_EQ(AutoSizedLeft(457, 201, true, kCentreTimesTwo, 634), 360);
  EXPECT_EQ(AutoSizedLeft(360, 7, true, kCentreTimesTwo, 634), 457);
  // Back and forth, it does not drift.
  int left = 457;
  for (int width : {120, 33, 250, 7}) left = AutoSizedLeft(left, width, true, kCentreTimesTwo, 634);
  EXPECT_EQ(left, 457);
}

TEST(AutoSizedLeft, ACentredLabelStaysInsideItsContainer) {
  EXPECT_EQ(AutoSizedLeft(457, 400, true, kCentreTimesTwo, 634), 234);  // right edge at 634
  EXPECT_EQ(AutoSizedLeft(457, 700, true, kCentreTimesTwo, 634), 0);    // wider than the window
}

TEST(AutoSizedLeft, ALeftAlignedLabelKeepsItsLeftEdge) {
  EXPECT_EQ(AutoSizedLeft(312, 400, false, 0, 634), 312);
}

}  // namespace
}  // namespace glyvane
