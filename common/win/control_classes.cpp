#include "common/win/control_classes.h"

#include <commctrl.h>

#include <array>
#include <string>
#include <utility>

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

std::array<WNDPROC, kClasses.size()> g_baseProcs{};

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

// --- Picture buttons --------------------------------------------------------------

constexpr const char* kPictureProperty = "Glyvane.Picture";
constexpr int kButtonEdge = 2;  // the raised edge of a push button, in pixels

bool IsPictureButton(HWND button) { return (GetWindowLongPtrA(button, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW; }

HICON ButtonPicture(HWND button) { return static_cast<HICON>(GetPropA(button, kPictureProperty)); }

int CaptionLineHeight(HWND button, HDC dc) {
  SelectObjectGuard select(dc, reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0)));
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  return metrics.tmHeight;
}

int PictureSide(const RECT& area, int lineHeight) {
  const int roomHigh = area.bottom - area.top - 2 * kButtonEdge - lineHeight;
  const int roomWide = area.right - area.left - 2 * kButtonEdge;
  for (const int side : {32, 24, 16}) {
    if (side <= roomHigh && side <= roomWide) return side;
  }
  return 16;
}

// Picture and caption together, centred in the button: the picture on top, the
// caption's line under it. Pressed, both move down and right by a pixel, as the
// caption of a plain button does.
void DrawPictureButton(const DRAWITEMSTRUCT& item) {
  const HWND button = item.hwndItem;
  const HDC dc = item.hDC;
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  RECT area = item.rcItem;
  DrawFrameControl(dc, &area, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0u));

  const int lineHeight = CaptionLineHeight(button, dc);
  const HICON icon = ButtonPicture(button);
  const int side = icon ? PictureSide(item.rcItem, lineHeight) : 0;
  const int shift = pushed ? 1 : 0;
  const int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - side - lineHeight) / 2 + shift;
  if (icon) {
    const int left = item.rcItem.left + (item.rcItem.right - item.rcItem.left - side) / 2 + shift;
    if (disabled) {
      DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, left, top, side, side, DST_ICON | DSS_DISABLED);
    } else {
      DrawIconEx(dc, left, top, icon, side, side, 0, nullptr, DI_NORMAL);
    }
  }

  const int length = GetWindowTextLengthA(button);
  std::string caption(static_cast<size_t>(length) + 1, '\0');
  GetWindowTextA(button, caption.data(), length + 1);
  caption.resize(static_cast<size_t>(length));
  RECT line{item.rcItem.left + kButtonEdge + shift, top + side, item.rcItem.right - kButtonEdge + shift,
            top + side + lineHeight};
  SelectObjectGuard select(dc, reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  DrawTextA(dc, caption.c_str(), length, &line,
            DT_CENTER | DT_TOP | DT_SINGLELINE | ((item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0u));

  if (item.itemState & ODS_FOCUS) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -(kButtonEdge + 1), -(kButtonEdge + 1));
    DrawFocusRect(dc, &focus);
  }
}

// A picture button answers the mouse and the keyboard as a plain push button: a
// quick second click is another click (not a double click), and Enter presses the
// button that has the focus.
bool HandlePictureButton(HWND button, WNDPROC base, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case kReflectedDrawItem:
      DrawPictureButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      result = TRUE;
      return true;
    case WM_LBUTTONDBLCLK:
      result = CallWindowProcA(base, button, WM_LBUTTONDOWN, wParam, lParam);
      return true;
    case WM_GETDLGCODE: {
      const auto* keys = reinterpret_cast<const MSG*>(lParam);
      result = CallWindowProcA(base, button, message, wParam, lParam);
      if (keys && keys->message == WM_KEYDOWN && keys->wParam == VK_RETURN) result |= DLGC_WANTMESSAGE;
      return true;
    }
    case WM_KEYDOWN:
      if (wParam != VK_RETURN) return false;
      SendMessageA(button, BM_CLICK, 0, 0);
      result = 0;
      return true;
    case WM_NCDESTROY:
      RemovePropA(button, kPictureProperty);
      return false;
    default:
      return false;
  }
}

// --- Transparent labels -----------------------------------------------------------

constexpr const char* kTransparentProperty = "Glyvane.Transparent";

bool IsTransparentLabel(HWND label) { return GetPropA(label, kTransparentProperty) != nullptr; }

RECT BoundsInParent(HWND window) {
  RECT bounds;
  GetWindowRect(window, &bounds);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&bounds), 2);
  return bounds;
}

// The container's background, then the transparent labels beneath this one, the
// lowest first, each drawn by itself into this label's DC.
void DrawWhatLiesBeneath(HWND label, HDC dc) {
  const RECT own = BoundsInParent(label);
  POINT origin{};
  SetViewportOrgEx(dc, -own.left, -own.top, &origin);
  SendMessageA(GetParent(label), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  for (HWND below = GetWindow(label, GW_HWNDLAST); below && below != label; below = GetWindow(below, GW_HWNDPREV)) {
    const RECT theirs = BoundsInParent(below);
    RECT overlap;
    if (!IsWindowVisible(below) || !IsTransparentLabel(below) || !IntersectRect(&overlap, &own, &theirs)) continue;
    SetViewportOrgEx(dc, origin.x + theirs.left - own.left, origin.y + theirs.top - own.top, nullptr);
    SendMessageA(below, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  }
  SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
}

bool HandleTransparentLabel(HWND label, WNDPROC base, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_PAINT: {
      PaintGuard paint(label);
      DrawWhatLiesBeneath(label, paint.dc());
      CallWindowProcA(base, label, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(paint.dc()), PRF_CLIENT);
      result = 0;
      return true;
    }
    case WM_ERASEBKGND:
      result = 1;  // painted whole in WM_PAINT
      return true;
    case WM_SETTEXT: {
      // The static control would draw the new text straight over the old one; the
      // label and the labels over it are painted afresh instead.
      result = DefWindowProcA(label, message, wParam, lParam);
      const RECT bounds = BoundsInParent(label);
      RedrawWindow(GetParent(label), &bounds, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
      return true;
    }
    case WM_NCDESTROY:
      RemovePropA(label, kTransparentProperty);
      return false;
    default:
      return false;
  }
}

// --- Check-box lists --------------------------------------------------------------

int CheckBoxSide(HWND list) {
  const int itemHeight = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  return itemHeight > 2 ? itemHeight - 2 : itemHeight;
}

void DrawCheckListItem(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1)) {
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
    return;
  }
  const HWND list = item.hwndItem;
  const int index = static_cast<int>(item.itemID);
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));

  const int side = CheckBoxSide(list);
  RECT box{item.rcItem.left + 1, item.rcItem.top + 1, item.rcItem.left + 1 + side, item.rcItem.top + 1 + side};
  UINT state = DFCS_BUTTONCHECK | DFCS_FLAT;
  if (IsListItemChecked(list, index)) state |= DFCS_CHECKED;
  DrawFrameControl(item.hDC, &box, DFC_BUTTON, state);

  const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, item.itemID, 0);
  std::string text(length > 0 ? static_cast<size_t>(length) + 1 : 1, '\0');
  SendMessageA(list, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
  text.resize(length > 0 ? static_cast<size_t>(length) : 0);
  RECT label = item.rcItem;
  label.left = box.right + 3;
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  DrawTextA(item.hDC, text.c_str(), static_cast<int>(text.size()), &label,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

void ToggleCheck(HWND list, int index) {
  if (index < 0 || index >= static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0))) return;
  SetListItemChecked(list, index, !IsListItemChecked(list, index));
  SendMessageA(GetParent(list), kItemCheckMessage, static_cast<WPARAM>(GetDlgCtrlID(list)), index);
}

// A box changes with a click on it, with a click on an entry that was already
// selected, and with Space on the entry that has the caret, as check lists do.
bool HandleCheckListInput(HWND list, WNDPROC base, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case kReflectedDrawItem:
      DrawCheckListItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      result = TRUE;
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const int before = static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
      result = CallWindowProcA(base, list, message, wParam, lParam);
      const LRESULT hit = SendMessageA(list, LB_ITEMFROMPOINT, 0, lParam);
      if (HIWORD(hit)) return true;  // below the last entry
      const int index = LOWORD(hit);
      const int x = static_cast<short>(LOWORD(lParam));
      if (x < CheckBoxSide(list) + 2 || index == before) ToggleCheck(list, index);
      return true;
    }
    case WM_KEYDOWN:
      if (wParam == VK_SPACE) {
        ToggleCheck(list, static_cast<int>(SendMessageA(list, LB_GETCARETINDEX, 0, 0)));
        result = 0;
        return true;
      }
      return false;
    case WM_CHAR:
      if (wParam == ' ') {
        result = 0;
        return true;  // Space toggled the box; it is no search key here
      }
      return false;
    default:
      return false;
  }
}

template <size_t K>
LRESULT CALLBACK KindProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  constexpr ClassInfo info = kClasses[K];
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
  if constexpr (info.ownKind == ControlKind::ListBox) {
    LRESULT result = 0;
    if ((GetWindowLongPtrA(window, GWL_STYLE) & LBS_OWNERDRAWFIXED) &&
        HandleCheckListInput(window, g_baseProcs[K], message, wParam, lParam, result)) {
      return result;
    }
  }
  if constexpr (info.ownKind == ControlKind::CommandButton) {
    LRESULT result = 0;
    if (IsPictureButton(window) && HandlePictureButton(window, g_baseProcs[K], message, wParam, lParam, result)) {
      return result;
    }
  }
  if constexpr (info.ownKind == ControlKind::Label) {
    LRESULT result = 0;
    if (IsTransparentLabel(window) && HandleTransparentLabel(window, g_baseProcs[K], message, wParam, lParam, result)) {
      return result;
    }
  }
  if constexpr (info.ownKind == ControlKind::TextBox) {
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_NCDESTROY) {
      const LRESULT result = CallWindowProcA(g_baseProcs[K], window, message, wParam, lParam);
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
  return CallWindowProcA(g_baseProcs[K], window, message, wParam, lParam);
}

template <size_t... K>
constexpr std::array<WNDPROC, sizeof...(K)> MakeProcs(std::index_sequence<K...>) {
  return {{&KindProc<K>...}};
}

const std::array<WNDPROC, kClasses.size()> kProcs = MakeProcs(std::make_index_sequence<kClasses.size()>());

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
    wc.lpfnWndProc = kProcs[k];
    wc.hInstance = instance;
    wc.lpszClassName = kClasses[k].name;
    wc.hbrBackground = nullptr;
    wc.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    RegisterClassExA(&wc);
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

void SetButtonPicture(HWND button, HICON icon) {
  if (icon) {
    SetPropA(button, kPictureProperty, icon);
  } else {
    RemovePropA(button, kPictureProperty);
  }
  InvalidateRect(button, nullptr, FALSE);
}

int ButtonPictureSide(HWND button) {
  RECT area;
  GetClientRect(button, &area);
  WindowDC dc(button);
  return PictureSide(area, CaptionLineHeight(button, dc.get()));
}

void MakeLabelTransparent(HWND label) {
  SetPropA(label, kTransparentProperty, reinterpret_cast<HANDLE>(1));
  InvalidateRect(label, nullptr, TRUE);
}

bool IsListItemChecked(HWND list, int index) {
  const LRESULT data = SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
  return data != LB_ERR && (data & 1) != 0;
}

void SetListItemChecked(HWND list, int index, bool checked) {
  SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), checked ? 1 : 0);
  RECT item;
  if (SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) != LB_ERR) {
    InvalidateRect(list, &item, FALSE);
  }
}

}  // namespace glyvane
