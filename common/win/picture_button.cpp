// Command buttons that show a picture above their caption, drawn by the button
// itself and answering the mouse and keyboard as a plain push button.
#include <windows.h>

#include <string>

#include "common/win/control_behaviours.h"
#include "common/win/control_classes.h"
#include "common/win/messages.h"
#include "common/win/unique.h"

namespace glyvane {

namespace {

constexpr const char* kPictureProperty = "Glyvane.Picture";
constexpr int kButtonEdge = 2;  // the raised edge of a push button, in pixels

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

}  // namespace

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


bool IsPictureButton(HWND button) { return (GetWindowLongPtrA(button, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW; }

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

}  // namespace glyvane
