#pragma once
// Messages the window layer sends between its own windows.
#include <windows.h>

namespace glyvane {

// A control reports a mouse event to its form: wParam = MAKEWPARAM(control id,
// MAKEWORD(MouseEvent, button mask)), lParam = the pointer in the control's client
// pixels (MAKELPARAM(x, y)). The form's own mouse events come with control id 0.
constexpr UINT kControlMouseMessage = WM_APP + 0x100;

// A check-box list reports that the user changed an entry's box: wParam = the list's
// control id, lParam = the entry's index.
constexpr UINT kItemCheckMessage = WM_APP + 0x101;

// The form hands WM_DRAWITEM back to the control that asked for it, so that a
// control draws its own entries wherever it sits: wParam and lParam as WM_DRAWITEM's.
constexpr UINT kReflectedDrawItem = WM_APP + 0x102;

// The notification code of a click on a label, picture box, image or text box
// (WM_COMMAND), the same as a button's; no notification of a text box's own has it.
constexpr WORD kClicked = BN_CLICKED;
static_assert(BN_CLICKED == STN_CLICKED, "labels and buttons report clicks alike");
static_assert(EN_SETFOCUS != kClicked && EN_CHANGE != kClicked, "text boxes report clicks apart");

enum class MouseEvent : BYTE { Move = 1, Down = 2, Up = 3, DoubleClick = 4 };

// Button mask as the handlers receive it.
constexpr BYTE kLeftButton = 1;
constexpr BYTE kRightButton = 2;
constexpr BYTE kMiddleButton = 4;

}  // namespace glyvane
