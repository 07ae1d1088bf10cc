#pragma once
// catalogue's window in the test's own process, created as the program creates it,
// for the tests that drive it and the windows it opens (detail dialog, order form)
// with the messages a user's actions produce.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "catalogue/form1.h"
#include "support.h"

namespace glyvane::test {

// A value of catalogue's per-user details, read with the wide registry calls so that
// the key's and value's accented names are checked too; nullopt when absent.
std::optional<std::wstring> ReadCatalogueDetail(const wchar_t* name);
void WriteCatalogueDetail(const wchar_t* name, const std::wstring& value);

// A centred window: Top = screen height / 2 - height / 2, Left likewise, in exact
// arithmetic; the window lies within half a pixel of that place.
bool IsCentred(HWND window);
// Whether every visible control of a window lies within its client area, which a
// window smaller than its design cuts off.
bool ControlsFit(HWND window);
// A click of the left button at (x, y) of a window's client area.
void ClickAt(HWND window, int x, int y);
// Whether a window shows one of the program's icons, drawn at `side` pixels on the
// face colour of buttons, and where: the top-left corner of the first place, in the
// window; {-1, -1} when it shows nowhere.
POINT FindIcon(HWND window, int iconId, int side);

class CatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // The catalogue window loaded and shown as the program shows it.
  void Start();
  HWND Control(int id) const { return FindControl(main, id); }
  void Click(int id) { SendMessageA(Control(id), BM_CLICK, 0, 0); }
  // The detail dialog and the order form, when loaded.
  HWND Dialog() const { return form->DetailDialog() ? form->DetailDialog()->hwnd() : nullptr; }
  HWND DialogItem(int id) const { return FindControl(Dialog(), id); }
  HWND OrderForm() const { return form->OrderForm() ? form->OrderForm()->hwnd() : nullptr; }
  HWND OrderItem(int id) const { return FindControl(OrderForm(), id); }
  catalogue::commandeform& Order() const { return *form->OrderForm(); }
  // Presses "&Commander" and closes its message box with OK, which it returns.
  std::unique_ptr<DialogAnswer> PressCommander();
  // A click on the tick box of the order form's item `index`.
  void Tick(int index);
  void Type(int box, const std::string& text);

  std::unique_ptr<catalogue::Form1> form;
  HWND main = nullptr;
  const std::string click = ProgramPath("data2.dll");
};

}  // namespace glyvane::test
