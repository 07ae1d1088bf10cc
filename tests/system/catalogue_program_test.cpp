// The real catalogue.exe, started as Glyvane starts it, seen from outside: its
// windows and how it ends.
#include <gtest/gtest.h>

#include "catalogue/convertbox_ids.h"
#include "catalogue/form1_ids.h"
#include "support.h"

namespace glyvane::test {
namespace {

namespace form1_ids = catalogue::form1_ids;
namespace convertbox_ids = catalogue::convertbox_ids;

class CatalogueProgram : public ::testing::Test {
 protected:
  // A button's click, as the button tells its parent (a frame hands it on).
  static void Press(HWND window, int id) {
    const HWND button = FindControl(window, id);
    PostMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  }
  // The detail dialog once an entry button has opened it.
  static HWND OpenDetail(ProgramProcess& program, HWND main) {
    Press(main, form1_ids::kCommand12);
    HWND dialog = nullptr;
    WaitUntil([&] {
      const std::vector<HWND> found = ProcessWindows(program.id(), convertbox_ids::kClassName);
      dialog = found.empty() ? nullptr : found.front();
      return dialog && WindowText(dialog) == "Agenda 2000";
    });
    return dialog;
  }
};

TEST_F(CatalogueProgram, QuitterEndsTheProgramAtOnceWithItsWindowsOpen) {
  ProgramProcess program("catalogue.exe", form1_ids::kClassName);
  const HWND main = program.WaitForMainWindow();
  ASSERT_TRUE(main);
  EXPECT_EQ(WindowText(main), "Catalogue Orvex");
  ASSERT_TRUE(OpenDetail(program, main));
  Press(main, form1_ids::kCommand1);
  DWORD code = 1;
  EXPECT_TRUE(program.WaitForExit(10s, &code));
  EXPECT_EQ(code, 0u);
}

TEST_F(CatalogueProgram, TheProgramEndsWithItsLastWindowWhicheverItIs) {
  ProgramProcess program("catalogue.exe", form1_ids::kClassName);
  const HWND main = program.WaitForMainWindow();
  ASSERT_TRUE(main);
  const HWND dialog = OpenDetail(program, main);
  ASSERT_TRUE(dialog);
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
