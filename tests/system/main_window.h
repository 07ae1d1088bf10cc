#pragma once
#include "common/win/unique.h"
#include "support.h"
#include "viewer/form1.h"

namespace glyvane::test {

// The help file's title, which the system's viewer gives its window once it has read
// the file; and the program that stands in for a viewer or the catalogue, captioned
// with the command line it was given.
constexpr const char* kHelpCaption = "Aide de Glyvane";
constexpr const char* kStandInClass = "Glyvane.StandIn";

inline void CopyProgram(const char* program, const std::string& path) {
  EXPECT_TRUE(CopyFileA(ProgramPath(program).c_str(), path.c_str(), FALSE)) << program;
}

inline HWND WaitForStandIn() {
  WaitUntil([] { return IsWindowVisible(FindWindowA(kStandInClass, nullptr)) != FALSE; });
  return FindWindowA(kStandInClass, nullptr);
}

// Closes the stand-ins and help viewers left open, and waits until their processes end.
inline void CloseStandInsAndViewers() {
  HWND window = nullptr;
  while ((window = FindWindowA(kStandInClass, nullptr)) || (window = FindWindowA(nullptr, kHelpCaption))) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    UniqueHandle process(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, id));
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (process && WaitForSingleObject(process.get(), 10000) == WAIT_TIMEOUT) TerminateProcess(process.get(), 1);
  }
}

class MainWindowTest : public WindowTest<Form1> {
 protected:
  void SetUp() override {
    EndStrayGlyvanes();
    ClearGlyvaneSettings();
    WindowTest::SetUp();
  }
  void TearDown() override {
    WindowTest::TearDown();
    ClearGlyvaneSettings();
  }
  HWND Cell(int index) const { return Control(form1_ids::kTextFirst + index); }
  void OpenMenu(int position) {
    SendMessageA(main, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(GetMenu(main), position)),
                 MAKELPARAM(position, FALSE));
  }
  // The pointer over entry `index` of Combo1, scrolled into view as a user would.
  void HoverEntry(int index) {
    const ListBox combo = Combo();
    combo.Send(LB_SETTOPINDEX, static_cast<WPARAM>(index));
    const int height = static_cast<int>(combo.Send(LB_GETITEMHEIGHT));
    combo.Send(WM_MOUSEMOVE, 0, MAKELPARAM(5, (index - combo.TopIndex()) * height + height / 2));
  }
  ListBox Combo() const { return ListBox(Control(form1_ids::kCombo1)); }
  std::string ComboEntry(int index) const { return Combo().Item(index); }
  int ComboIndexOf(const std::string& name) const { return Combo().FindExact(name); }
};

}  // namespace glyvane::test
