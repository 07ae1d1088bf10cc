#pragma once
// What the control classes add to some of the system controls they are made from:
// a check box on each entry of a list box, a picture above a button's caption, a
// label without a background of its own. Each Handle function answers the messages
// it takes care of (true, with the result) and leaves the others to the control.
#include <windows.h>

namespace glyvane {

bool HandleCheckListInput(HWND list, WNDPROC base, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

bool IsPictureButton(HWND button);
bool HandlePictureButton(HWND button, WNDPROC base, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

bool IsTransparentLabel(HWND label);
bool HandleTransparentLabel(HWND label, WNDPROC base, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace glyvane
