#pragma once
// Messages the window layer sends between its own windows.
#include <windows.h>

namespace glyvane {

// A control reports a mouse event to its form: wParam = MAKEWPARAM(control id,
// MAKEWORD(MouseEvent, button mask)), lParam = the pointer in the control's client
// pixels (MAKELPARAM(x, y)).
constexpr UINT kControlMouseMessage = WM_APP + 0x100;

enum class MouseEvent : BYTE { Move = 1, Down = 2, Up = 3, DoubleClick = 4 };

// Button mask as the handlers receive it.
constexpr BYTE kLeftButton = 1;
constexpr BYTE kRightButton = 2;
constexpr BYTE kMiddleButton = 4;

}  // namespace glyvane
