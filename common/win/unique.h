#pragma once
// Ownership of Win32 handles: one move-only owner per handle, closed by the owner's
// destructor on every path out, and guards that restore what they changed.
#include <windows.h>

#include <utility>

namespace glyvane {

// Traits: the handle type, its "no handle" value and how to close it.
template <typename H, void (*CloseFn)(H), H Invalid = nullptr>
struct HandleTraits {
  using Type = H;
  static H InvalidValue() { return Invalid; }
  static void Close(H handle) { CloseFn(handle); }
};

template <typename Traits>
class Unique {
 public:
  using Handle = typename Traits::Type;

  Unique() = default;
  explicit Unique(Handle handle) : handle_(handle) {}
  ~Unique() { reset(); }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  Unique(Unique&& other) noexcept : handle_(other.release()) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::InvalidValue(); }
  Handle release() { return std::exchange(handle_, Traits::InvalidValue()); }
  void reset(Handle handle = Traits::InvalidValue()) {
    const Handle old = std::exchange(handle_, handle);
    if (old != Traits::InvalidValue()) Traits::Close(old);
  }

 private:
  Handle handle_ = Traits::InvalidValue();
};

namespace detail {
inline void DeleteFont(HFONT h) { DeleteObject(h); }
inline void DeleteBrush(HBRUSH h) { DeleteObject(h); }
inline void DeleteBitmap(HBITMAP h) { DeleteObject(h); }
inline void DeletePen(HPEN h) { DeleteObject(h); }
inline void CloseRegistryKey(HKEY h) { RegCloseKey(h); }
inline void CloseKernelHandle(HANDLE h) { CloseHandle(h); }
inline void FreeGlobal(HGLOBAL h) { GlobalFree(h); }
inline void DestroyMenuHandle(HMENU h) { DestroyMenu(h); }
inline void DestroyAccelerators(HACCEL h) { DestroyAcceleratorTable(h); }
inline void DeleteDeviceContext(HDC h) { DeleteDC(h); }
inline void DestroyIconHandle(HICON h) { DestroyIcon(h); }
}  // namespace detail

using UniqueFont = Unique<HandleTraits<HFONT, detail::DeleteFont>>;
using UniqueBrush = Unique<HandleTraits<HBRUSH, detail::DeleteBrush>>;
using UniqueBitmap = Unique<HandleTraits<HBITMAP, detail::DeleteBitmap>>;
using UniquePen = Unique<HandleTraits<HPEN, detail::DeletePen>>;
using UniqueKey = Unique<HandleTraits<HKEY, detail::CloseRegistryKey>>;
using UniqueHandle = Unique<HandleTraits<HANDLE, detail::CloseKernelHandle>>;
using UniqueGlobal = Unique<HandleTraits<HGLOBAL, detail::FreeGlobal>>;
using UniqueMenu = Unique<HandleTraits<HMENU, detail::DestroyMenuHandle>>;
using UniqueAccelerators = Unique<HandleTraits<HACCEL, detail::DestroyAccelerators>>;
using UniqueDC = Unique<HandleTraits<HDC, detail::DeleteDeviceContext>>;
using UniqueIcon = Unique<HandleTraits<HICON, detail::DestroyIconHandle>>;

struct FindHandleTraits {
  using Type = HANDLE;
  static HANDLE InvalidValue() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { FindClose(h); }
};
using UniqueFind = Unique<FindHandleTraits>;

// A file opened with CreateFile, whose "no handle" is INVALID_HANDLE_VALUE.
struct FileHandleTraits {
  using Type = HANDLE;
  static HANDLE InvalidValue() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { CloseHandle(h); }
};
using UniqueFile = Unique<FileHandleTraits>;

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
