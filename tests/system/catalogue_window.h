#pragma once
#include "catalogue/form1.h"
#include "support.h"

namespace glyvane::test {

// The top-left corner of the first place where the window shows the program's icon,
// drawn at `side` pixels on the face colour of buttons; {-1, -1} when nowhere.
POINT FindIcon(HWND window, int iconId, int side);

class CatalogueTest : public WindowTest<catalogue::Form1> {
 protected:
  void SetUp() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Orvex\\Catalogue");  // what an earlier test stored
    WindowTest::SetUp();
  }
  HWND Dialog() const { return form->DetailDialog() ? form->DetailDialog()->hwnd() : nullptr; }
  HWND DialogItem(int id) const { return FindControl(Dialog(), id); }
  HWND OrderForm() const { return form->OrderForm() ? form->OrderForm()->hwnd() : nullptr; }
  HWND OrderItem(int id) const { return FindControl(OrderForm(), id); }
  catalogue::commandeform& Order() const { return *form->OrderForm(); }
  // Presses "&Commander" and closes its message box with OK, which it returns.
  std::unique_ptr<DialogAnswer> PressCommander();

  const std::string click = ProgramPath("data2.dll");
};

}  // namespace glyvane::test
