#pragma once
// catalogue's window in the test's own process, created as the program creates it,
// for the tests that drive it and the windows it opens (detail dialog, order form)
// with the messages a user's actions produce.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "catalogue/form1.h"
#include "support.h"

namespace glyvane::test {

// catalogue's details back to a first run (its per-user key removed).
void ClearCatalogueSettings();
// A value of catalogue's per-user details, read with the wide registry calls so that
// the key's and value's accented names are checked too; nullopt when absent.
std::optional<std::wstring> ReadCatalogueDetail(const wchar_t* name);
void WriteCatalogueDetail(const wchar_t* name, const std::wstring& value);

// A centred window: Top = screen height / 2 - height / 2, Left likewise, in exact
// arithmetic; the window lies within half a pixel of that place.
bool IsCentred(HWND window);
// A window's caption, client size (twips) and place, as its design gives them.
void ExpectWindow(HWND window, const std::string& caption, int clientWidth, int clientHeight);
// The captions of a window's controls.
struct Caption {
  int id;
  const char* text;
};
void ExpectCaptions(HWND root, std::initializer_list<Caption> captions);
// A click of the left button at (x, y) of a window's client area.
void ClickAt(HWND window, int x, int y);
// Where an icon drawn at `side` pixels shows in a rectangle of the screen: the
// top-left corner of the first place whose pixels are exactly the icon's drawn on
// `background`; {-1, -1} when it shows nowhere.
POINT FindIcon(const RECT& screenArea, HICON icon, int side, uint32_t background);
// The face colour of buttons as ScreenPixels gives it (0x00RRGGBB).
uint32_t ButtonFace();
// One of the program's icon resources, loaded at `side` pixels (the caller owns it).
HICON ProgramIcon(int id, int side);

class CatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // The catalogue window loaded and shown as the program shows it.
  void Start();
  HWND Control(int id) const { return FindControl(main, id); }
  void Click(int id) { SendMessageA(Control(id), BM_CLICK, 0, 0); }
  // The detail dialog and the order form, when they are loaded.
  HWND Dialog() const { return form->DetailDialog() ? form->DetailDialog()->hwnd() : nullptr; }
  HWND DialogItem(int id) const { return FindControl(Dialog(), id); }
  HWND OrderForm() const { return form->OrderForm() ? form->OrderForm()->hwnd() : nullptr; }
  HWND OrderItem(int id) const { return FindControl(OrderForm(), id); }
  // Presses "&Commander" and closes its message box with OK; returns what the box
  // showed.
  std::unique_ptr<DialogAnswer> PressCommander();

  std::unique_ptr<catalogue::Form1> form;
  HWND main = nullptr;
  const std::string click = ProgramPath("data2.dll");
};

}  // namespace glyvane::test
