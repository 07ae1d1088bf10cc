#include "common/auto_size.h"

#include <gtest/gtest.h>

namespace glyvane {
namespace {

// The quick preview: designed at Left 457, Width 7 px (centre 460.5) in a 634 px
// window. A centred label grows and shrinks about its design centre, inside its
// container; a left-aligned one keeps its left edge.
TEST(AutoSizedLeft, ACentredLabelKeepsItsDesignCentreInsideItsContainer) {
  constexpr int kCentreTimesTwo = 2 * 457 + 7;
  const struct {
    int left, width;
    bool centred;
    int expected;
  } rows[] = {{457, 201, true, 360}, {360, 7, true, 457},  {457, 400, true, 234},
              {457, 700, true, 0},   {312, 400, false, 312}};
  for (const auto& row : rows) {
    EXPECT_EQ(AutoSizedLeft(row.left, row.width, row.centred, row.centred ? kCentreTimesTwo : 0, 634), row.expected)
        << row.width;
  }
  // Back and forth, it does not drift.
  int left = 457;
  for (int width : {120, 33, 250, 7}) left = AutoSizedLeft(left, width, true, kCentreTimesTwo, 634);
  EXPECT_EQ(left, 457);
}

}  // namespace
}  // namespace glyvane
