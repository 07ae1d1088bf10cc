#include "common/win/window.h"

#include <vector>

namespace glyvane {

std::string Window::Text() const {
  const int length = GetWindowTextLengthA(handle_);
  if (length <= 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(handle_, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

RECT Window::Bounds() const {
  RECT rect{};
  GetWindowRect(handle_, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(handle_), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::string ListBox::Item(int index) const {
  const LRESULT length = Send(LB_GETTEXTLEN, static_cast<WPARAM>(index));
  if (length == LB_ERR) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const LRESULT copied = Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == LB_ERR ? 0 : static_cast<size_t>(copied));
  return text;
}

void ListBox::SetRedraw(bool redraw) const {
  Send(WM_SETREDRAW, redraw ? TRUE : FALSE);
  if (redraw) InvalidateRect(handle(), nullptr, TRUE);
}

}  // namespace glyvane
