#pragma once
// One window class per kind of control (a check-box list is a kind of list box). Most
// are superclasses of a system control (BUTTON, LISTBOX, EDIT, STATIC), so they behave
// and read to screen readers as that control, yet a class cursor set on one kind
// (SetClassLongPtr) reaches every control of that kind and no other, as the programs'
// pointer routines expect. Picture boxes, images and lines are small windows of our own.
#include <windows.h>

namespace glyvane {

enum class ControlKind {
  Frame,          // group box that holds controls
  ListBox,
  CheckListBox,   // a list box with a check box on each entry
  FileListBox,
  CommandButton,
  OptionButton,
  CheckBox,
  Label,
  TextBox,
  PictureBox,     // container that can show a picture and a drawn image
  Image,          // a picture, clickable
  Line,           // a straight line in the control's fore colour
};

// Registers the classes once per process (later calls do nothing).
void RegisterControlClasses();

const char* ControlClassName(ControlKind kind);

// Reports mouse events of a window to its top-level form (kControlMouseMessage).
void ReportMouseEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The picture a picture box or image shows at its top-left corner (an icon or a
// bitmap; the caller keeps it alive). nullptr shows none.
void SetControlPicture(HWND control, HICON icon);
void SetControlPicture(HWND control, HBITMAP bitmap);

// A drawn image that a picture box shows over its whole client area and again at
// every repaint: a memory DC holding it, which the caller owns. nullptr shows none.
void SetControlCanvas(HWND control, HDC canvas);

// A picture button (a command button drawn by this layer, BS_OWNERDRAW) shows an
// icon above its caption; the caller keeps the icon alive. nullptr shows none.
void SetButtonPicture(HWND button, HICON icon);
// The side in pixels at which a picture button shows its icon: the largest of 32, 24
// and 16 that leaves room for one line of its caption inside its edge.
int ButtonPictureSide(HWND button);

// A transparent label draws its text alone, over its container's background and the
// transparent labels that lie beneath it: two of them, one a little offset over the
// other, make a shadowed title.
void MakeLabelTransparent(HWND label);

}  // namespace glyvane
