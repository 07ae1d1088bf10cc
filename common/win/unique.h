#pragma once
// Ownership of Win32 handles: one move-only owner per handle, closed by the owner's
// destructor on every path out, and guards that restore what they changed.
#include <windows.h>

#include <utility>

namespace glyvane {

// An owned handle of type H, closed by Close (the Win32 function itself, as WIL's
// unique_any takes it); Invalid is its "no handle" value as a number, since
// INVALID_HANDLE_VALUE (-1) cannot be a pointer template argument.
template <typename H, auto Close, INT_PTR Invalid = 0>
class Unique {
 public:
  Unique() = default;
  explicit Unique(H handle) : handle_(handle) {}
  ~Unique() { reset(); }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  Unique(Unique&& other) noexcept : handle_(other.release()) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  H get() const { return handle_; }
  explicit operator bool() const { return handle_ != None(); }
  H release() { return std::exchange(handle_, None()); }
  void reset(H handle = None()) {
    const H old = std::exchange(handle_, handle);
    if (old != None()) Close(old);
  }

 private:
  static H None() { return reinterpret_cast<H>(Invalid); }

  H handle_ = None();
};

using UniqueFont = Unique<HFONT, DeleteObject>;
using UniqueBrush = Unique<HBRUSH, DeleteObject>;
using UniqueBitmap = Unique<HBITMAP, DeleteObject>;
using UniquePen = Unique<HPEN, DeleteObject>;
using UniqueKey = Unique<HKEY, RegCloseKey>;
using UniqueHandle = Unique<HANDLE, CloseHandle>;
using UniqueGlobal = Unique<HGLOBAL, GlobalFree>;
using UniqueMenu = Unique<HMENU, DestroyMenu>;
using UniqueAccelerators = Unique<HACCEL, DestroyAcceleratorTable>;
using UniqueDC = Unique<HDC, DeleteDC>;
using UniqueIcon = Unique<HICON, DestroyIcon>;
using UniqueFind = Unique<HANDLE, FindClose, -1>;
// A file opened with CreateFile, whose "no handle" is INVALID_HANDLE_VALUE.
using UniqueFile = Unique<HANDLE, CloseHandle, -1>;

// A window's DC from GetDC, released to the same window.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a DC and puts the previous one back.
class SelectObjectGuard {
 public:
  SelectObjectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~SelectObjectGuard() {
    if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
  }
  SelectObjectGuard(const SelectObjectGuard&) = delete;
  SelectObjectGuard& operator=(const SelectObjectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// BeginPaint / EndPaint.
class PaintGuard {
 public:
  explicit PaintGuard(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintGuard() { EndPaint(window_, &paint_); }
  PaintGuard(const PaintGuard&) = delete;
  PaintGuard& operator=(const PaintGuard&) = delete;
  HDC dc() const { return dc_; }
  const RECT& area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// GlobalLock / GlobalUnlock.
class GlobalLockGuard {
 public:
  explicit GlobalLockGuard(HGLOBAL memory) : memory_(memory), data_(GlobalLock(memory)) {}
  ~GlobalLockGuard() {
    if (data_) GlobalUnlock(memory_);
  }
  GlobalLockGuard(const GlobalLockGuard&) = delete;
  GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
  void* data() const { return data_; }

 private:
  HGLOBAL memory_;
  void* data_;
};

// The mouse pointer shown while a long step runs; the previous one comes back after.
class WaitCursor {
 public:
  WaitCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
  ~WaitCursor() { SetCursor(previous_); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HCURSOR previous_;
};

}  // namespace glyvane
