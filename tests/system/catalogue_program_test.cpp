// The real catalogue.exe, started as Glyvane starts it, seen from outside: it ends
// with its last window, whichever that is.
#include <gtest/gtest.h>

#include "catalogue/convertbox_ids.h"
#include "catalogue/form1_ids.h"
#include "support.h"

namespace glyvane::test {
namespace {

namespace form1_ids = catalogue::form1_ids;
namespace convertbox_ids = catalogue::convertbox_ids;

// A button's click, as the button tells its parent (a frame hands it on).
void Press(HWND window, int id) {
  const HWND button = FindControl(window, id);
  PostMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

TEST(CatalogueProgram, EndsWithItsLastWindowWhicheverItIs) {
  ProgramProcess program("catalogue.exe", form1_ids::kClassName);
  const HWND main = program.WaitForMainWindow();
  ASSERT_TRUE(main);
  EXPECT_EQ(WindowText(main), "Catalogue Orvex");
  Press(main, form1_ids::kCommand12);
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    const std::vector<HWND> found = ProcessWindows(program.id(), convertbox_ids::kClassName);
    dialog = found.empty() ? nullptr : found.front();
    return dialog && WindowText(dialog) == "Agenda 2000";
  }));
  PostMessageA(main, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([main] { return !IsWindow(main); }));
  EXPECT_FALSE(program.WaitForExit(500ms));  // nothing to wait for: it must not happen
  EXPECT_TRUE(IsWindowVisible(dialog));
  Press(dialog, convertbox_ids::kCommand1);
  DWORD code = 1;
  EXPECT_TRUE(program.WaitForExit(10s, &code));
  EXPECT_EQ(code, 0u);
}

}  // namespace
}  // namespace glyvane::test
