// Labels without a background of their own: what lies beneath shows through, so
// that one label can shadow another.
#include <windows.h>

#include "common/win/control_behaviours.h"
#include "common/win/control_classes.h"
#include "common/win/messages.h"
#include "common/win/unique.h"

namespace glyvane {

namespace {

constexpr const char* kTransparentProperty = "Glyvane.Transparent";

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

}  // namespace

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


bool IsTransparentLabel(HWND label) { return GetPropA(label, kTransparentProperty) != nullptr; }

void MakeLabelTransparent(HWND label) {
  SetPropA(label, kTransparentProperty, reinterpret_cast<HANDLE>(1));
  InvalidateRect(label, nullptr, TRUE);
}

}  // namespace glyvane
