// The character grid's first painting, done in one pass by the grid rather than by
// each of its 223 cells: it must show exactly what the cells show when they paint
// themselves, and leave them nothing to paint again.
#include <set>

#include "main_window.h"
#include "viewer/grid_layout.h"

namespace glyvane::test {
namespace {

using GridPainting = MainWindowTest;

TEST_F(GridPainting, TheFirstPaintingShowsEachCellAsItPaintsItselfAndLeavesNothingToPaint) {
  Start();
  // The grid on the screen: the last of the first row lies furthest right.
  RECT area, cell;
  GetWindowRect(Cell(0), &area);
  for (int index : {24, 222}) {
    GetWindowRect(Cell(index), &cell);
    UnionRect(&area, &area, &cell);
  }
  for (int i = 0; i < kCellCount; ++i) {
    RECT pending;
    EXPECT_FALSE(GetUpdateRect(Cell(i), &pending, FALSE)) << i;
  }
  const std::vector<uint32_t> first = ScreenPixels(area);
  // The characters are there: a blank grid would hold two colours, cells and lines.
  EXPECT_GT(std::set<uint32_t>(first.begin(), first.end()).size(), 2u);

  // Each cell paints itself again, as when the window is uncovered.
  RedrawWindow(Control(form1_ids::kFrame1), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_TRUE(PumpUntil([&] { return ScreenPixels(area) == first; }, 5s));
}

}  // namespace
}  // namespace glyvane::test
