#include "catalogue_window.h"

#include <algorithm>

#include "common/win/unique.h"

namespace glyvane::test {

POINT FindIcon(HWND window, int iconId, int side) {
  RECT area;
  GetWindowRect(window, &area);
  const std::vector<uint32_t> shown = ScreenPixels(area);
  const UniqueIcon icon(static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId), IMAGE_ICON, side, side, 0)));
  if (!icon) return POINT{-1, -1};
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const std::vector<uint32_t> drawn =
      DrawnIcon(icon.get(), SIZE{side, side}, (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face));
  const int width = area.right - area.left;
  for (int top = 0; (top + side) * width <= static_cast<int>(shown.size()); ++top) {
    for (int left = 0; left + side <= width; ++left) {
      int y = 0;
      while (y < side && std::equal(drawn.begin() + y * side, drawn.begin() + (y + 1) * side,
                                    shown.begin() + (top + y) * width + left)) {
        ++y;
      }
      if (y == side) return POINT{left, top};
    }
  }
  return POINT{-1, -1};
}

std::unique_ptr<DialogAnswer> CatalogueTest::PressCommander() {
  auto answer = std::make_unique<DialogAnswer>(GetCurrentProcessId(), IDOK);
  Click(catalogue::form1_ids::kCommand2);
  EXPECT_TRUE(answer->Wait());
  PumpFor(20ms);
  return answer;
}

}  // namespace glyvane::test
