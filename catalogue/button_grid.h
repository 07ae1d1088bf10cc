#pragma once
// Where the catalogue window's picture buttons lie: a grid of 5 columns and 3 rows in
// Frame1, filled row by row in the order of GridButtons() (entry_table.h).
#include "common/twips.h"

namespace glyvane {

constexpr int kGridColumns = 5;
constexpr int kGridRows = 3;
constexpr int kGridButtonWidth = 1575;  // twips
constexpr int kGridButtonHeight = 855;
constexpr int kGridColumnLefts[kGridColumns] = {240, 2040, 3840, 5640, 7440};
constexpr int kGridRowTops[kGridRows] = {480, 1440, 2400};

// Frame1, " Orvex JEUX ET PROGRAMMES ", in the catalogue window.
constexpr TwipRect kButtonFrameRect = {120, 3240, 9255, 3495};

// The place of grid cell `cell` (0 to 14, row by row) inside Frame1.
TwipRect GridButtonRect(int cell);

}  // namespace glyvane
