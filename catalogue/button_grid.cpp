#include "catalogue/button_grid.h"

#include <stdexcept>

namespace glyvane {

TwipRect GridButtonRect(int cell) {
  if (cell < 0 || cell >= kGridColumns * kGridRows) {
    throw std::out_of_range("no such grid cell");
  }
  return {kGridColumnLefts[cell % kGridColumns], kGridRowTops[cell / kGridColumns],
          kGridButtonWidth, kGridButtonHeight};
}

}  // namespace glyvane
