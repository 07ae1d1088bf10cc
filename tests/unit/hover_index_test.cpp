#include "viewer/hover_index.h"

#include <gtest/gtest.h>

#include "common/twips.h"

namespace glyvane {
namespace {

// A list at 96 dpi (15 twips per pixel) whose entries are 13 pixels high.
ListMetrics List(int count, int topIndex = 0) {
  ListMetrics list;
  list.twipsPerPixelY = 15;
  list.entryHeightTwips = 13 * 15;
  list.topIndex = topIndex;
  list.count = count;
  return list;
}

// Whole entries counted from the first visible one, the pixel row and the entry
// height rounded half to even, -1 below the last entry.
TEST(HoverIndex, CountsWholeEntriesFromTheFirstVisibleOne) {
  ListMetrics halfPixelEntries = List(10);
  halfPixelEntries.entryHeightTwips = 12.5 * 15;  // rounds to 12 pixels
  const struct {
    double y;
    ListMetrics list;
    int index;
  } rows[] = {
      {0, List(10), 0},         {12 * 15, List(10), 0},        {13 * 15, List(10), 1},
      {13 * 15, List(100, 40), 41},
      {12.5 * 15, List(10), 0},  // 12.5 pixels: row 12
      {13.5 * 15, List(10), 1},  // 13.5 pixels: row 14
      {24 * 15, halfPixelEntries, 2},
      {3 * 13 * 15, List(3), -1}, {2 * 13 * 15, List(3), 2},   {0, List(0), -1},
  };
  for (const auto& row : rows) EXPECT_EQ(HoverIndex(row.y, row.list), row.index) << row.y / 15;
}

}  // namespace
}  // namespace glyvane
