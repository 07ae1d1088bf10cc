// List boxes with a check box on each entry: the boxes drawn by the list, kept in
// the entries' item data, and changed with the mouse and the Space key.
#include <windows.h>

#include <string>

#include "common/win/control_behaviours.h"
#include "common/win/control_classes.h"
#include "common/win/messages.h"
#include "common/win/unique.h"
#include "common/win/window.h"

namespace glyvane {

namespace {

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
  if (CheckListBox(list).IsChecked(index)) state |= DFCS_CHECKED;
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
  const CheckListBox boxes(list);
  boxes.SetChecked(index, !boxes.IsChecked(index));
  SendMessageA(GetParent(list), kItemCheckMessage, static_cast<WPARAM>(GetDlgCtrlID(list)), index);
}

}  // namespace

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

bool CheckListBox::IsChecked(int index) const {
  const LRESULT data = ItemData(index);
  return data != LB_ERR && (data & 1) != 0;
}

void CheckListBox::SetChecked(int index, bool checked) const {
  SetItemData(index, checked ? 1 : 0);
  RECT item;
  if (Send(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) != LB_ERR) {
    InvalidateRect(handle(), &item, FALSE);
  }
}

}  // namespace glyvane
