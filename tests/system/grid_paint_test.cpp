// The character grid's first painting, done in one pass by the grid rather than by
// each of its 223 cells: it must show exactly what the cells show when they paint
// themselves, and leave them nothing to paint again.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "main_window.h"

namespace glyvane::test {
namespace {

class GridPainting : public MainWindowTest {
 protected:
  // The grid's frame on the screen, inside its border line.
  RECT GridArea() const {
    RECT area;
    GetWindowRect(Cell(0), &area);
    RECT last;
    GetWindowRect(Cell(222), &last);
    area.right = last.right;
    area.bottom = last.bottom;
    GetWindowRect(Cell(24), &last);  // the last of the first row lies furthest right
    area.right = std::max(area.right, last.right);
    return area;
  }
};

TEST_F(GridPainting, TheFirstPaintingShowsEachCellAsItPaintsItselfAndLeavesNothingToPaint) {
  Start();
  for (int i = 0; i < 223; ++i) {
    RECT pending;
    EXPECT_FALSE(GetUpdateRect(Cell(i), &pending, FALSE)) << i;
  }
  const RECT area = GridArea();
  const std::vector<uint32_t> first = ScreenPixels(area);
  // The characters are there: a blank grid would hold two colours, cells and lines.
  EXPECT_GT(std::set<uint32_t>(first.begin(), first.end()).size(), 2u);

  // Each cell paints itself again, as when the window is uncovered.
  RedrawWindow(Control(form1_ids::kFrame1), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  std::vector<uint32_t> again;
  EXPECT_TRUE(PumpUntil([&] { return (again = ScreenPixels(area)) == first; }, 5s));
  size_t differing = 0;
  for (size_t p = 0; p < first.size() && p < again.size(); ++p) differing += first[p] != again[p];
  EXPECT_EQ(differing, 0u) << "of " << first.size() << " pixels";
}

}  // namespace
}  // namespace glyvane::test
