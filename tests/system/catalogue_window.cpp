#include "catalogue_window.h"

#include <cmath>

#include "common/system/sounds.h"
#include "common/system/system_registry.h"
#include "common/win/unique.h"

namespace glyvane::test {

namespace {
constexpr const wchar_t* kDetailsKey = L"Software\\Orvex\\Catalogue\\Coordonn\u00e9es";

// catalogue's details back to a first run (its per-user key removed).
void ClearCatalogueSettings() { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Orvex\\Catalogue"); }
}  // namespace

std::optional<std::wstring> ReadCatalogueDetail(const wchar_t* name) {
  wchar_t data[256] = {};
  DWORD size = sizeof data;
  if (RegGetValueW(HKEY_CURRENT_USER, kDetailsKey, name, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(data);
}

void WriteCatalogueDetail(const wchar_t* name, const std::wstring& value) {
  RegSetKeyValueW(HKEY_CURRENT_USER, kDetailsKey, name, REG_SZ, value.c_str(),
                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

bool IsCentred(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  const double top = GetSystemMetrics(SM_CYSCREEN) / 2.0 - (rect.bottom - rect.top) / 2.0;
  const double left = GetSystemMetrics(SM_CXSCREEN) / 2.0 - (rect.right - rect.left) / 2.0;
  return std::abs(rect.top - top) <= 0.5 && std::abs(rect.left - left) <= 0.5;
}

bool ControlsFit(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const RECT place = BoundsInParent(child);
    if (IsWindowVisible(child) && (place.right > client.right || place.bottom > client.bottom)) return false;
  }
  return true;
}

void ClickAt(HWND window, int x, int y) {
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

POINT FindIcon(HWND window, int iconId, int side) {
  RECT area;
  GetWindowRect(window, &area);
  const std::vector<uint32_t> shown = ScreenPixels(area);
  const UniqueIcon icon(static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId), IMAGE_ICON, side, side, 0)));
  if (!icon) return POINT{-1, -1};
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const std::vector<uint32_t> drawn =
      DrawnIcon(icon.get(), SIZE{side, side}, (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face));
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
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

void CatalogueTest::Tick(int index) {
  const HWND list = OrderItem(catalogue::commandeform_ids::kList1);
  SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
  RECT entry;
  SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&entry));
  ClickAt(list, 3, (entry.top + entry.bottom) / 2);
}

void CatalogueTest::Type(int box, const std::string& text) {
  SendMessageA(OrderItem(box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace glyvane::test
