// The fair floor of the start-up benchmark for a font program: the minimal window
// program that also lists the screen fonts, as any font list must. It enumerates
// the font families once and fills a sorted list box with their names, then shows
// and paints its window.
#include <windows.h>

#include <string>
#include <unordered_set>
#include <vector>

namespace {

struct Families {
  std::vector<std::string> names;
  std::unordered_set<std::string> seen;
};

int CALLBACK AddFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM data) {
  auto* families = reinterpret_cast<Families*>(data);
  if (font->lfFaceName[0] && families->seen.insert(font->lfFaceName).second) {
    families->names.emplace_back(font->lfFaceName);
  }
  return 1;
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = &Procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = "FontListWindow";
  RegisterClassA(&wc);
  const HWND window = CreateWindowA("FontListWindow", "Polices", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                    650, 500, nullptr, nullptr, instance, nullptr);
  const HWND list = CreateWindowA("LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER | LBS_SORT, 10, 10,
                                  240, 200, window, nullptr, instance, nullptr);

  Families families;
  const HDC screen = GetDC(nullptr);
  EnumFontFamiliesA(screen, nullptr, &AddFamily, reinterpret_cast<LPARAM>(&families));
  ReleaseDC(nullptr, screen);
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  for (const std::string& name : families.names) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);

  ShowWindow(window, showCommand);
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
