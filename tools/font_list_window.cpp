// The fair floor of the start-up benchmark for a font program: the minimal window
// program that also lists the screen fonts, as any font list must. It enumerates
// the font families once and fills a sorted list box with their names before the
// window shows. Its enumeration is its own, not Glyvane's, so that it stays a
// yardstick for Glyvane's.
#include <string>
#include <unordered_set>
#include <vector>

#include "tools/plain_window.h"

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

void ListFonts(HWND window) {
  const HWND list = CreateWindowA("LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER | LBS_SORT, 10, 40,
                                  240, 200, window, nullptr, nullptr, nullptr);
  Families families;
  const HDC screen = GetDC(nullptr);
  EnumFontFamiliesA(screen, nullptr, &AddFamily, reinterpret_cast<LPARAM>(&families));
  ReleaseDC(nullptr, screen);
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  for (const std::string& name : families.names) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  return plain_window::Run(instance, "FontListWindow", "Polices", showCommand, &ListFonts);
}
