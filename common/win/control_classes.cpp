#include "common/win/control_classes.h"

#include <commctrl.h>

#include <array>
#include <string>

#include "common/win/control_behaviours.h"
#include "common/win/messages.h"
#include "common/win/unique.h"

namespace glyvane {

namespace {

// The window classes. A check-box list is a list box (LBS_OWNERDRAWFIXED marks it),
// so that a pointer given to one reaches both, as for any two controls of a kind.
struct ClassInfo {
  const char* name;
  const char* baseClass;  // nullptr: a plain window of our own
  bool container;         // passes its children's notifications on to its parent
  ControlKind ownKind;    // what our own classes draw
};

constexpr std::array<ClassInfo, 11> kClasses = {{
    {"Glyvane.Frame", "BUTTON", true, ControlKind::Frame},
    {"Glyvane.ListBox", "LISTBOX", false, ControlKind::ListBox},
    {"Glyvane.FileListBox", "LISTBOX", false, ControlKind::FileListBox},
    {"Glyvane.CommandButton", "BUTTON", false, ControlKind::CommandButton},
    {"Glyvane.OptionButton", "BUTTON", false, ControlKind::OptionButton},
    {"Glyvane.CheckBox", "BUTTON", false, ControlKind::CheckBox},
    {"Glyvane.Label", "STATIC", false, ControlKind::Label},
    {"Glyvane.TextBox", "EDIT", false, ControlKind::TextBox},
    {"Glyvane.PictureBox", nullptr, true, ControlKind::PictureBox},
    {"Glyvane.Image", nullptr, false, ControlKind::Image},
    {"Glyvane.Line", nullptr, false, ControlKind::Line},
}};

size_t ClassIndex(ControlKind kind) {
  if (kind == ControlKind::CheckListBox) kind = ControlKind::ListBox;
  for (size_t k = 0; k < kClasses.size(); ++k) {
    if (kClasses[k].ownKind == kind) return k;
  }
  return 0;
}

// Window extra bytes of our own classes.
constexpr int kPictureSlot = 0;      // HICON or HBITMAP
constexpr int kPictureTypeSlot = 1;  // IMAGE_ICON or IMAGE_BITMAP
constexpr int kCanvasSlot = 2;       // memory HDC drawn over the client area
constexpr int kFontSlot = 3;         // HFONT, as WM_SETFONT gives it
constexpr int kOwnSlots = 4;

LONG_PTR Slot(HWND window, int slot) { return GetWindowLongPtrA(window, slot * static_cast<int>(sizeof(LONG_PTR))); }
void SetSlot(HWND window, int slot, LONG_PTR value) {
  SetWindowLongPtrA(window, slot * static_cast<int>(sizeof(LONG_PTR)), value);
}

// Per class, as registered: its atom, by which the one procedure below knows a
// window's class, and the procedure of the system class it extends.
std::array<ATOM, kClasses.size()> g_atoms{};
std::array<WNDPROC, kClasses.size()> g_baseProcs{};

size_t ClassOf(HWND window) {
  const ATOM atom = GetClassWord(window, GCW_ATOM);
  size_t k = 0;
  while (k < kClasses.size() && g_atoms[k] != atom) ++k;
  return k;
}

bool IsForwardedToParent(UINT message) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case kControlMouseMessage:
    case kItemCheckMessage:
      return true;
    default:
      return false;
  }
}

// The brush the form gives a control of ours for its background (its back colour),
// with the DC set for its text.
HBRUSH BackgroundBrush(HWND window, HDC dc) {
  const auto brush = reinterpret_cast<HBRUSH>(
      SendMessageA(GetParent(window), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window)));
  return brush ? brush : GetSysColorBrush(COLOR_BTNFACE);
}

void PaintOwnControl(HWND window, ControlKind kind) {
  PaintGuard paint(window);
  RECT area;
  GetClientRect(window, &area);
  const HBRUSH background = BackgroundBrush(window, paint.dc());
  if (kind == ControlKind::Line) {
    // A line is its fore colour, the text colour the form set for it.
    UniqueBrush pen(CreateSolidBrush(GetTextColor(paint.dc())));
    FillRect(paint.dc(), &area, pen.get());
    return;
  }
  FillRect(paint.dc(), &area, background);
  const LONG_PTR picture = Slot(window, kPictureSlot);
  if (picture && Slot(window, kPictureTypeSlot) == IMAGE_ICON) {
    DrawIconEx(paint.dc(), 0, 0, reinterpret_cast<HICON>(picture), 0, 0, 0, nullptr, DI_NORMAL);
  } else if (picture) {
    const auto bitmap = reinterpret_cast<HBITMAP>(picture);
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    UniqueDC memory(CreateCompatibleDC(paint.dc()));
    SelectObjectGuard select(memory.get(), bitmap);
    BitBlt(paint.dc(), 0, 0, info.bmWidth, info.bmHeight, memory.get(), 0, 0, SRCCOPY);
  }
  if (const auto canvas = reinterpret_cast<HDC>(Slot(window, kCanvasSlot))) {
    BitBlt(paint.dc(), 0, 0, area.right, area.bottom, canvas, 0, 0, SRCCOPY);
  }
}

// A picture box, image or text box reports a click as a label does: WM_COMMAND with
// kClicked, once the left button went down and up again inside it.
constexpr const char* kPressedProperty = "Glyvane.Pressed";

void TrackClick(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_LBUTTONDOWN) {
    SetPropA(window, kPressedProperty, reinterpret_cast<HANDLE>(1));
  } else if (message == WM_NCDESTROY) {
    RemovePropA(window, kPressedProperty);
  } else if (message == WM_LBUTTONUP && RemovePropA(window, kPressedProperty)) {
    RECT area;
    GetClientRect(window, &area);
    const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (PtInRect(&area, at)) {
      SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), kClicked),
                   reinterpret_cast<LPARAM>(window));
    }
  }
}

LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const size_t k = ClassOf(window);
  if (k == kClasses.size()) return DefWindowProcA(window, message, wParam, lParam);
  const ClassInfo& info = kClasses[k];
  const WNDPROC base = g_baseProcs[k];
  ReportMouseEvent(window, message, wParam, lParam);
  if (info.container && IsForwardedToParent(message)) return SendMessageA(GetParent(window), message, wParam, lParam);
  if (info.container && info.baseClass && message == WM_ERASEBKGND) {
    // A frame draws its border and caption only: its inside is the form's to fill.
    RECT area;
    GetClientRect(window, &area);
    const auto dc = reinterpret_cast<HDC>(wParam);
    FillRect(dc, &area, BackgroundBrush(window, dc));
    return 1;
  }
  if (info.ownKind == ControlKind::ListBox) {
    LRESULT result = 0;
    if ((GetWindowLongPtrA(window, GWL_STYLE) & LBS_OWNERDRAWFIXED) &&
        HandleCheckListInput(window, base, message, wParam, lParam, result)) {
      return result;
    }
  }
  if (info.ownKind == ControlKind::CommandButton) {
    LRESULT result = 0;
    if (IsPictureButton(window) && HandlePictureButton(window, base, message, wParam, lParam, result)) {
      return result;
    }
  }
  if (info.ownKind == ControlKind::Label) {
    LRESULT result = 0;
    if (IsTransparentLabel(window) && HandleTransparentLabel(window, base, message, wParam, lParam, result)) {
      return result;
    }
  }
  if (info.ownKind == ControlKind::TextBox) {
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_NCDESTROY) {
      const LRESULT result = CallWindowProcA(base, window, message, wParam, lParam);
      TrackClick(window, message, lParam);  // after the box has placed its caret
      return result;
    }
  }
  if (!info.baseClass) {
    switch (message) {
      case WM_PAINT:
        PaintOwnControl(window, info.ownKind);
        return 0;
      case WM_ERASEBKGND:
        return 1;  // painted whole in WM_PAINT
      case WM_LBUTTONDOWN:
      case WM_LBUTTONUP:
        TrackClick(window, message, lParam);
        return 0;
      // Kept as any control keeps its font: what is drawn in a picture box uses it.
      case WM_SETFONT:
        SetSlot(window, kFontSlot, static_cast<LONG_PTR>(wParam));
        if (LOWORD(lParam)) InvalidateRect(window, nullptr, TRUE);
        return 0;
      case WM_GETFONT:
        return Slot(window, kFontSlot);
      case WM_NCDESTROY:
        TrackClick(window, message, lParam);
        break;
      case WM_SIZE:
        InvalidateRect(window, nullptr, FALSE);
        break;
      default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
  }
  return CallWindowProcA(base, window, message, wParam, lParam);
}

}  // namespace

void ReportMouseEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  MouseEvent event;
  BYTE button = 0;
  switch (message) {
    case WM_MOUSEMOVE: event = MouseEvent::Move; break;
    case WM_LBUTTONDOWN: event = MouseEvent::Down; button = kLeftButton; break;
    case WM_RBUTTONDOWN: event = MouseEvent::Down; button = kRightButton; break;
    case WM_MBUTTONDOWN: event = MouseEvent::Down; button = kMiddleButton; break;
    case WM_LBUTTONUP: event = MouseEvent::Up; button = kLeftButton; break;
    case WM_RBUTTONUP: event = MouseEvent::Up; button = kRightButton; break;
    case WM_MBUTTONUP: event = MouseEvent::Up; button = kMiddleButton; break;
    case WM_LBUTTONDBLCLK: event = MouseEvent::DoubleClick; button = kLeftButton; break;
    default: return;
  }
  if (event == MouseEvent::Move) {
    button = static_cast<BYTE>(((wParam & MK_LBUTTON) ? kLeftButton : 0) |
                               ((wParam & MK_RBUTTON) ? kRightButton : 0) |
                               ((wParam & MK_MBUTTON) ? kMiddleButton : 0));
  }
  const HWND form = GetAncestor(window, GA_ROOT);
  if (!form || form == window) return;
  const WPARAM what = MAKEWPARAM(GetDlgCtrlID(window), MAKEWORD(static_cast<BYTE>(event), button));
  SendMessageA(form, kControlMouseMessage, what, lParam);
}

void RegisterControlClasses() {
  static bool registered = false;
  if (registered) return;
  INITCOMMONCONTROLSEX common{sizeof common, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&common);
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  for (size_t k = 0; k < kClasses.size(); ++k) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (kClasses[k].baseClass) {
      GetClassInfoExA(nullptr, kClasses[k].baseClass, &wc);
      g_baseProcs[k] = wc.lpfnWndProc;
    } else {
      wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
      wc.cbWndExtra = kOwnSlots * static_cast<int>(sizeof(LONG_PTR));
    }
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ControlProc;
    wc.hInstance = instance;
    wc.lpszClassName = kClasses[k].name;
    wc.hbrBackground = nullptr;
    wc.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    g_atoms[k] = RegisterClassExA(&wc);
  }
  registered = true;
}

const char* ControlClassName(ControlKind kind) { return kClasses[ClassIndex(kind)].name; }

void SetControlPicture(HWND control, HICON icon) {
  SetSlot(control, kPictureSlot, reinterpret_cast<LONG_PTR>(icon));
  SetSlot(control, kPictureTypeSlot, IMAGE_ICON);
  InvalidateRect(control, nullptr, FALSE);
}

void SetControlPicture(HWND control, HBITMAP bitmap) {
  SetSlot(control, kPictureSlot, reinterpret_cast<LONG_PTR>(bitmap));
  SetSlot(control, kPictureTypeSlot, IMAGE_BITMAP);
  InvalidateRect(control, nullptr, FALSE);
}

void SetControlCanvas(HWND control, HDC canvas) {
  SetSlot(control, kCanvasSlot, reinterpret_cast<LONG_PTR>(canvas));
  InvalidateRect(control, nullptr, FALSE);
}

}  // namespace glyvane
