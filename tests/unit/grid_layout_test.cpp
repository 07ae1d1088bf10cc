#include "viewer/grid_layout.h"

#include <gtest/gtest.h>

#include <map>

namespace glyvane {
namespace {

TEST(CellRect, BuildsNineRowsOfTwentyFiveWithALastRowOfTwentyThree) {
  std::map<int, int> cellsPerTop;
  for (int i = 0; i < kCellCount; ++i) {
    const TwipRect cell = CellRect(i);
    ++cellsPerTop[cell.top];
    EXPECT_EQ(cell.width, 375);
    EXPECT_EQ(cell.height, 375);
    EXPECT_EQ(cell.left, 120 + 355 * (i % 25)) << i;
    EXPECT_EQ(cell.top, 360 + 355 * (i / 25)) << i;
  }
  ASSERT_EQ(cellsPerTop.size(), 9u);
  EXPECT_EQ(cellsPerTop.begin()->second, 25);
  EXPECT_EQ(cellsPerTop.rbegin()->second, 23);
}

TEST(CellCode, StartsTheLastRowAt233) {
  EXPECT_EQ(CellCode(200), 233);
  EXPECT_EQ(CellCode(222), 255);
}

TEST(CellTooltip, NamesTheAltCodeWithFourDigitsAndABlankEachSide) {
  EXPECT_EQ(CellTooltip(0), " ALT + 0033 ");
  EXPECT_EQ(CellTooltip(32), " ALT + 0065 ");
  EXPECT_EQ(CellTooltip(67), " ALT + 0100 ");
  EXPECT_EQ(CellTooltip(222), " ALT + 0255 ");
}

const TwipRect kFrame1{120, 2640, 9255, 3735};

// Centred on the cell in window coordinates; stops at the left edge, may pass the
// right one.
TEST(MagnifierPosition, CentresOnTheCellAndStopsAtTheLeftEdgeOnly) {
  const MagnifierPlace place = MagnifierPosition(CellRect(30), kFrame1, 775, 935);  // Left 1895, Top 715
  EXPECT_EQ(place.left, 1895 - 200 + 120);
  EXPECT_EQ(place.top, 715 - 280 + 2640);
  EXPECT_EQ(MagnifierPosition(CellRect(0), kFrame1, 1200, 600).left, 0);
  EXPECT_EQ(MagnifierPosition(CellRect(24), kFrame1, 1200, 600).left, 8640 - 412 + 120);
}

}  // namespace
}  // namespace glyvane
