#include "catalogue_window.h"

#include <cmath>

#include "common/system/sounds.h"
#include "common/system/system_registry.h"
#include "common/win/unique.h"

namespace glyvane::test {

namespace {
constexpr const wchar_t* kDetailsKey = L"Software\\Orvex\\Catalogue\\Coordonn\u00e9es";
}

void ClearCatalogueSettings() { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Orvex\\Catalogue"); }

std::optional<std::wstring> ReadCatalogueDetail(const wchar_t* name) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kDetailsKey, 0, KEY_READ, &opened) != ERROR_SUCCESS) return std::nullopt;
  UniqueKey key(opened);
  wchar_t data[256] = {};
  DWORD size = sizeof data - sizeof(wchar_t);
  if (RegQueryValueExW(key.get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(data);
}

void WriteCatalogueDetail(const wchar_t* name, const std::wstring& value) {
  HKEY opened = nullptr;
  RegCreateKeyW(HKEY_CURRENT_USER, kDetailsKey, &opened);
  UniqueKey key(opened);
  RegSetValueExW(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

bool IsCentred(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  const double top = GetSystemMetrics(SM_CYSCREEN) / 2.0 - (rect.bottom - rect.top) / 2.0;
  const double left = GetSystemMetrics(SM_CXSCREEN) / 2.0 - (rect.right - rect.left) / 2.0;
  return std::abs(rect.top - top) <= 0.5 && std::abs(rect.left - left) <= 0.5;
}

void ExpectWindow(HWND window, const std::string& caption, int clientWidth, int clientHeight) {
  EXPECT_EQ(WindowText(window), caption);
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, clientWidth / 15) << caption;
  EXPECT_EQ(client.bottom, clientHeight / 15) << caption;
  EXPECT_TRUE(IsCentred(window)) << caption;
}

void ClickAt(HWND window, int x, int y) {
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

POINT FindIcon(const RECT& screenArea, HICON icon, int side, uint32_t background) {
  const std::vector<uint32_t> shown = ScreenPixels(screenArea);
  const std::vector<uint32_t> drawn = DrawnIcon(icon, SIZE{side, side}, background);
  const int width = screenArea.right - screenArea.left;
  const int height = screenArea.bottom - screenArea.top;
  auto matches = [&](int left, int top) {
    for (int y = 0; y < side; ++y) {
      for (int x = 0; x < side; ++x) {
        if (shown[static_cast<size_t>((top + y) * width + left + x)] != drawn[static_cast<size_t>(y * side + x)]) {
          return false;
        }
      }
    }
    return true;
  };
  for (int top = 0; top + side <= height; ++top) {
    for (int left = 0; left + side <= width; ++left) {
      if (matches(left, top)) return POINT{left, top};
    }
  }
  return POINT{-1, -1};
}

uint32_t ButtonFace() {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  return (static_cast<uint32_t>(GetRValue(face)) << 16) | (static_cast<uint32_t>(GetGValue(face)) << 8) | GetBValue(face);
}

HICON ProgramIcon(int id, int side) {
  return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, side, side, 0));
}

void CatalogueTest::SetUp() {
  ClearCatalogueSettings();
  SetSoundPlayer(&RecordSound);
  g_sounds.clear();
}

void CatalogueTest::TearDown() {
  form.reset();
  SetSoundPlayer(nullptr);
  ClearCatalogueSettings();
}

void CatalogueTest::Start() {
  form = std::make_unique<catalogue::Form1>(SystemRegistry());
  ASSERT_TRUE(form->Start());
  form->ShowMain(SW_SHOWNORMAL);
  PumpFor(50ms);
  main = form->hwnd();
  g_sounds.clear();
}

std::unique_ptr<DialogAnswer> CatalogueTest::PressCommander() {
  auto answer = std::make_unique<DialogAnswer>(GetCurrentProcessId(), IDOK);
  Click(catalogue::form1_ids::kCommand2);
  EXPECT_TRUE(answer->Wait());
  PumpFor(20ms);
  return answer;
}

}  // namespace glyvane::test
