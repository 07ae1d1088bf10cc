#include "viewer/grid_layout.h"

#include <array>

#include "common/number_text.h"

namespace glyvane {

namespace {

std::array<TwipRect, kCellCount> BuildGrid() {
  std::array<TwipRect, kCellCount> cells{};
  cells[0] = {kGridLeft, kGridTop, kCellSize, kCellSize};
  for (int i = 1; i < kCellCount; ++i) {
    TwipRect cell = cells[i - 1];
    cell.left = cells[i - 1].left + cell.width - kCellOverlap;
    if (cell.left > kRowWrapLeft) {
      cell.left = cells[0].left;
      cell.top = cells[i - 1].top + cell.height - kCellOverlap;
    }
    cells[i] = cell;
  }
  return cells;
}

}  // namespace

TwipRect CellRect(int index) {
  static const std::array<TwipRect, kCellCount> cells = BuildGrid();
  return cells.at(static_cast<size_t>(index));
}

std::string CellTooltip(int index) {
  return " ALT + " + FormatZeroPadded(CellCode(index), 4) + " ";
}

MagnifierPlace MagnifierPosition(const TwipRect& cell, const TwipRect& frame, int magnifierWidth,
                                 int magnifierHeight) {
  MagnifierPlace place;
  place.left = cell.left - (magnifierWidth - cell.width) / 2 + frame.left;
  place.top = cell.top - (magnifierHeight - cell.height) / 2 + frame.top;
  if (place.left < 0) place.left = 0;  // no correction on the right or at the bottom
  return place;
}

}  // namespace glyvane
