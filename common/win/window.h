#pragma once
// Non-owning, typed views of windows and controls: one line per Win32 call, so that
// handlers read as what they do ("Combo1.Count()") rather than as messages.
#include <windows.h>

#include <string>

namespace glyvane {

class Window {
 public:
  Window() = default;
  Window(HWND handle) : handle_(handle) {}  // NOLINT: a view converts freely

  HWND handle() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

  std::string Text() const;
  void SetText(const std::string& text) const { SetWindowTextA(handle_, text.c_str()); }
  void Show(bool visible) const { ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE); }
  bool IsEnabled() const { return IsWindowEnabled(handle_) != FALSE; }
  void Enable(bool enabled) const { EnableWindow(handle_, enabled ? TRUE : FALSE); }
  void Focus() const { SetFocus(handle_); }
  void Refresh() const {
    RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
  int Id() const { return GetDlgCtrlID(handle_); }
  HFONT Font() const { return reinterpret_cast<HFONT>(Send(WM_GETFONT)); }
  void SetFont(HFONT font) const { Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }

  // Position and size in pixels, relative to the parent's client area.
  RECT Bounds() const;
  void Move(int left, int top, int width, int height) const {
    SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  void BringToTop() const {
    SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }

  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendMessageA(handle_, message, wParam, lParam);
  }

 private:
  HWND handle_ = nullptr;
};

class ListBox : public Window {
 public:
  using Window::Window;

  int Count() const { return static_cast<int>(Send(LB_GETCOUNT)); }
  int Add(const std::string& text) const {
    return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
  }
  void Clear() const { Send(LB_RESETCONTENT); }
  std::string Item(int index) const;
  int Selected() const { return static_cast<int>(Send(LB_GETCURSEL)); }
  void Select(int index) const { Send(LB_SETCURSEL, static_cast<WPARAM>(index)); }
  int TopIndex() const { return static_cast<int>(Send(LB_GETTOPINDEX)); }
  // First entry equal to text without regard to case, searching after `after`
  // (-1: the whole list); LB_ERR when there is none.
  int FindExact(const std::string& text, int after = -1) const {
    return static_cast<int>(
        Send(LB_FINDSTRINGEXACT, static_cast<WPARAM>(after), reinterpret_cast<LPARAM>(text.c_str())));
  }
  void Reserve(int count, size_t bytes) const { Send(LB_INITSTORAGE, static_cast<WPARAM>(count), static_cast<LPARAM>(bytes)); }
  void SetRedraw(bool redraw) const;
  LRESULT ItemData(int index) const { return Send(LB_GETITEMDATA, static_cast<WPARAM>(index)); }
  void SetItemData(int index, LRESULT data) const {
    Send(LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
  }
};

// A check-box list (the layer's own list box): its entries' item data hold their boxes.
class CheckListBox : public ListBox {
 public:
  using ListBox::ListBox;
  bool IsChecked(int index) const;
  void SetChecked(int index, bool checked) const;
};

class Button : public Window {
 public:
  using Window::Window;
  bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
  void SetChecked(bool checked) const { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
};

class Edit : public Window {
 public:
  using Window::Window;
  void SetMaxLength(int characters) const { Send(EM_SETLIMITTEXT, static_cast<WPARAM>(characters)); }
};

}  // namespace glyvane
