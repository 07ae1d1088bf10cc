#pragma once
// The character grid: 223 cells for the codes 33 to 255, laid out 25 to a row, and
// the texts and positions derived from a cell.
#include <string>

#include "common/twips.h"

namespace glyvane {

constexpr int kCellCount = 223;
constexpr int kFirstCode = 33;
constexpr int kCellSize = 375;        // twips, width and height of every cell
constexpr int kCellOverlap = 20;      // neighbours share their borders
constexpr int kGridLeft = 120;        // cell 0 inside Frame1
constexpr int kGridTop = 360;
constexpr int kRowWrapLeft = 8700;    // a cell further right starts a new row
constexpr int kFrame1Left = 120;      // Frame1 inside the window
constexpr int kFrame1Top = 2640;

// Position of cell `index` inside Frame1, as the grid is built at start-up: each cell
// right of the previous one, 20 twips overlapping, a new row once Left passes 8700.
TwipRect CellRect(int index);

// The byte code cell `index` shows.
inline unsigned char CellCode(int index) { return static_cast<unsigned char>(index + kFirstCode); }

// " ALT + 0065 ": the keyboard code that types the cell's character.
std::string CellTooltip(int index);

// Where the magnifier (Picture1, in window coordinates) goes for a cell: centred on
// the cell, never left of the window's edge. magnifierWidth/Height are Text2's size.
struct MagnifierPlace {
  int left = 0;
  int top = 0;
};
MagnifierPlace MagnifierPosition(const TwipRect& cell, int magnifierWidth, int magnifierHeight);

}  // namespace glyvane
