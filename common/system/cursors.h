#pragma once
// The programs' own mouse pointers: cursor files beside the executable, set as the
// class cursor of a kind of control, so every control of that kind shows them.
#include <windows.h>

namespace glyvane {

void ApplyCursorData3(HWND control);  // buttons; in Glyvane also text and list boxes
void ApplyCursorData4(HWND control);  // text boxes (catalogue)
void ApplyCursorData5(HWND control);  // list boxes; in Glyvane also option buttons

}  // namespace glyvane
