#pragma once
// The plain window program that the benchmark's yardsticks and the tests' stand-in
// programs are made of, written against the bare Win32 API and nothing of the
// programs under test: one window of its own class, shown as asked and painted
// once (its caption written in it), then the message loop until it is closed.
#include <windows.h>

namespace plain_window {

inline LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(window, &paint);
      char caption[256] = {};
      const int length = GetWindowTextA(window, caption, sizeof caption);
      TextOutA(dc, 10, 10, caption, length);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

// Makes the window, lets fill add to it before it shows, shows it and runs it.
inline int Run(HINSTANCE instance, const char* className, const char* caption, int showCommand,
               void (*fill)(HWND window) = nullptr) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = &Procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = className;
  RegisterClassA(&wc);
  const HWND window = CreateWindowA(className, caption, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 650, 500,
                                    nullptr, nullptr, instance, nullptr);
  if (fill) fill(window);
  ShowWindow(window, showCommand);
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}

}  // namespace plain_window
