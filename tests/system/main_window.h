#pragma once
// Glyvane's main window in the test's own process, created as the program creates
// it, for the tests that drive it (and the windows it opens) with the messages a
// user's actions produce.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support.h"
#include "viewer/form1.h"

namespace glyvane::test {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // The main window loaded and shown as the program shows it (on another registry
  // where the test says so).
  void Start(RegistryStore& registry);
  void Start();
  HWND Control(int id) const { return FindControl(main, id); }
  HWND Cell(int index) const { return Control(form1_ids::kTextFirst + index); }
  void OpenMenu(int position) {
    const HMENU bar = GetMenu(main);
    SendMessageA(main, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(bar, position)),
                 MAKELPARAM(position, FALSE));
  }
  void Click(int id) { SendMessageA(Control(id), BM_CLICK, 0, 0); }
  // The pointer over entry `index` of Combo1, as a mouse move or a button press.
  // The entry is scrolled into view first, as a user would.
  void PointAtEntry(UINT message, int index) {
    const HWND combo = Control(form1_ids::kCombo1);
    SendMessageA(combo, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    const int height = static_cast<int>(SendMessageA(combo, LB_GETITEMHEIGHT, 0, 0));
    const int top = static_cast<int>(SendMessageA(combo, LB_GETTOPINDEX, 0, 0));
    SendMessageA(combo, message, message == WM_MOUSEMOVE ? 0 : MK_LBUTTON,
                 MAKELPARAM(5, (index - top) * height + height / 2));
  }
  std::string ComboEntry(int index) const { return ListBox(Control(form1_ids::kCombo1)).Item(index); }
  int ComboIndexOf(const std::string& name) const {
    return static_cast<int>(SendMessageA(Control(form1_ids::kCombo1), LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(name.c_str())));
  }

  std::unique_ptr<Form1> form;
  HWND main = nullptr;
};

}  // namespace glyvane::test
