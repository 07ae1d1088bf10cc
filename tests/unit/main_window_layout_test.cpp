// Where the main window puts its cells and its quick preview, and
// which entry of the font list the pointer is over.
#include <gtest/gtest.h>

#include "common/auto_size.h"
#include "viewer/grid_layout.h"
#include "viewer/hover_index.h"

namespace glyvane {
namespace {

// Nine rows of twenty-five cells that overlap by their border, the last row of
// twenty-three.
TEST(CellRect, BuildsNineRowsOfTwentyFiveWithALastRowOfTwentyThree) {
  const struct {
    int index;
    TwipRect rect;
  } rows[] = {{0, {120, 360, 375, 375}},    {24, {8640, 360, 375, 375}},  {67, {6155, 1070, 375, 375}},
              {200, {120, 3200, 375, 375}}, {222, {7930, 3200, 375, 375}}};
  for (const auto& row : rows) EXPECT_EQ(CellRect(row.index), row.rect) << row.index;
}

// A list at 96 dpi (15 twips per pixel) whose entries are 13 pixels high.
ListMetrics List(int count, int topIndex = 0) {
  return {.twipsPerPixelY = 15, .entryHeightTwips = 13 * 15, .topIndex = topIndex, .count = count};
}

// Whole entries counted from the first visible one, -1 below the last entry.
TEST(HoverIndex, CountsWholeEntriesFromTheFirstVisibleOne) {
  const struct {
    double y;
    ListMetrics list;
    int index;
  } rows[] = {
      {0, List(10), 0},         {12 * 15, List(10), 0},        {13 * 15, List(10), 1},
      {13 * 15, List(100, 40), 41}, {3 * 13 * 15, List(3), -1}, {2 * 13 * 15, List(3), 2}, {0, List(0), -1},
  };
  for (const auto& row : rows) EXPECT_EQ(HoverIndex(row.y, row.list), row.index) << row.y / 15;
}

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
