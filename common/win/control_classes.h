#pragma once
// One window class per kind of control. Each is a superclass of the system control
// (BUTTON, LISTBOX, EDIT, STATIC), so it behaves and reads to screen readers as that
// control, yet a class cursor set on one kind (SetClassLongPtr) reaches every control
// of that kind and no other, as the programs' pointer routines expect.
#include <windows.h>

namespace glyvane {

enum class ControlKind {
  Frame,          // group box that holds controls
  ListBox,
  FileListBox,
  CommandButton,
  OptionButton,
  CheckBox,
  Label,
  TextBox,
  PictureBox,     // plain container
};

// Registers the classes once per process (later calls do nothing).
void RegisterControlClasses();

const char* ControlClassName(ControlKind kind);

// Reports mouse events of a window to its top-level form (kControlMouseMessage).
void ReportMouseEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace glyvane
