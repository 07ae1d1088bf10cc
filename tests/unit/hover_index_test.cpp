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

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.51), 3);
  EXPECT_EQ(RoundHalfEven(2.49), 2);
}

TEST(HoverIndex, CountsWholeEntriesFromTheFirstVisibleOne) {
  EXPECT_EQ(HoverIndex(0, List(10)), 0);
  EXPECT_EQ(HoverIndex(12 * 15, List(10)), 0);
  EXPECT_EQ(HoverIndex(13 * 15, List(10)), 1);
  EXPECT_EQ(HoverIndex(13 * 15, List(100, 40)), 41);
}

TEST(HoverIndex, RoundsThePixelRowHalfToEven) {
  // 12.5 pixels rounds to 12 (still entry 0); 13.5 rounds to 14 (entry 1).
  EXPECT_EQ(HoverIndex(12.5 * 15, List(10)), 0);
  EXPECT_EQ(HoverIndex(13.5 * 15, List(10)), 1);
  // An entry height of 12.5 pixels rounds to 12, so 24 pixels is already entry 2.
  ListMetrics list = List(10);
  list.entryHeightTwips = 12.5 * 15;
  EXPECT_EQ(HoverIndex(24 * 15, list), 2);
}

TEST(HoverIndex, IsMinusOneBelowTheLastEntry) {
  EXPECT_EQ(HoverIndex(3 * 13 * 15, List(3)), -1);
  EXPECT_EQ(HoverIndex(2 * 13 * 15, List(3)), 2);
  EXPECT_EQ(HoverIndex(0, List(0)), -1);
}

}  // namespace
}  // namespace glyvane
