#include "viewer/grid_layout.h"

#include <gtest/gtest.h>

#include <array>

namespace glyvane {
namespace {

// Nine rows of twenty-five cells that overlap by their border, the last row of
// twenty-three starting at code 233.
TEST(CellRect, BuildsNineRowsOfTwentyFiveWithALastRowOfTwentyThree) {
  const struct {
    int index;
    TwipRect rect;
    int code;
    const char* tooltip;
  } rows[] = {{0, {120, 360, 375, 375}, 33, " ALT + 0033 "},     {24, {8640, 360, 375, 375}, 57, " ALT + 0057 "},
              {67, {6155, 1070, 375, 375}, 100, " ALT + 0100 "}, {200, {120, 3200, 375, 375}, 233, " ALT + 0233 "},
              {222, {7930, 3200, 375, 375}, 255, " ALT + 0255 "}};
  for (const auto& row : rows) {
    const TwipRect cell = CellRect(row.index);
    EXPECT_EQ((std::array{cell.left, cell.top, cell.width, cell.height}),
              (std::array{row.rect.left, row.rect.top, row.rect.width, row.rect.height}))
        << row.index;
    EXPECT_EQ(CellCode(row.index), row.code);
    EXPECT_EQ(CellTooltip(row.index), row.tooltip);
  }
  EXPECT_EQ(kCellCount, 223);
}

// Centred on the cell in window coordinates; stops at the left edge, may pass the
// right one.
TEST(MagnifierPosition, CentresOnTheCellAndStopsAtTheLeftEdgeOnly) {
  const TwipRect frame1{120, 2640, 9255, 3735};
  const MagnifierPlace place = MagnifierPosition(CellRect(30), frame1, 775, 935);  // Left 1895, Top 715
  EXPECT_EQ(place.left, 1895 - 200 + 120);
  EXPECT_EQ(place.top, 715 - 280 + 2640);
  EXPECT_EQ(MagnifierPosition(CellRect(0), frame1, 1200, 600).left, 0);
  EXPECT_EQ(MagnifierPosition(CellRect(24), frame1, 1200, 600).left, 8640 - 412 + 120);
}

}  // namespace
}  // namespace glyvane
