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

TEST(CellRect, WrapsOnlyPastTheRightEdge) {
  EXPECT_EQ(CellRect(24).left, 8640);  // the last column stays in its row
  EXPECT_EQ(CellRect(24).top, 360);
  EXPECT_EQ(CellRect(25).left, 120);
  EXPECT_EQ(CellRect(25).top, 715);
  EXPECT_EQ(CellRect(200).left, 120);  // code 233 starts the last row
  EXPECT_EQ(CellRect(200).top, 3200);
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

TEST(MagnifierPosition, CentresOnTheCellInWindowCoordinates) {
  const TwipRect cell = CellRect(30);  // Left 1895, Top 715
  const MagnifierPlace place = MagnifierPosition(cell, kFrame1, 775, 935);
  EXPECT_EQ(place.left, 1895 - 200 + 120);
  EXPECT_EQ(place.top, 715 - 280 + 2640);
}

TEST(MagnifierPosition, StopsAtTheLeftEdgeButNotAtTheOthers) {
  const MagnifierPlace left = MagnifierPosition(CellRect(0), kFrame1, 1200, 600);
  EXPECT_EQ(left.left, 0);
  const MagnifierPlace right = MagnifierPosition(CellRect(24), kFrame1, 1200, 600);
  EXPECT_EQ(right.left, 8640 - 412 + 120);  // may pass the right edge
}

}  // namespace
}  // namespace glyvane
