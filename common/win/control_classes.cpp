#include "common/win/control_classes.h"

#include <array>

#include "common/win/messages.h"

namespace glyvane {

namespace {

struct KindInfo {
  ControlKind kind;
  const char* className;
  const char* baseClass;  // nullptr: a plain window of our own
  bool container;         // passes its children's notifications on to its parent
};

constexpr std::array<KindInfo, 9> kKinds = {{
    {ControlKind::Frame, "Glyvane.Frame", "BUTTON", true},
    {ControlKind::ListBox, "Glyvane.ListBox", "LISTBOX", false},
    {ControlKind::FileListBox, "Glyvane.FileListBox", "LISTBOX", false},
    {ControlKind::CommandButton, "Glyvane.CommandButton", "BUTTON", false},
    {ControlKind::OptionButton, "Glyvane.OptionButton", "BUTTON", false},
    {ControlKind::CheckBox, "Glyvane.CheckBox", "BUTTON", false},
    {ControlKind::Label, "Glyvane.Label", "STATIC", false},
    {ControlKind::TextBox, "Glyvane.TextBox", "EDIT", false},
    {ControlKind::PictureBox, "Glyvane.PictureBox", nullptr, true},
}};

std::array<WNDPROC, kKinds.size()> g_baseProcs{};

bool IsForwardedToParent(UINT message) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case kControlMouseMessage:
      return true;
    default:
      return false;
  }
}

template <size_t K>
LRESULT CALLBACK KindProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  constexpr KindInfo info = kKinds[K];
  ReportMouseEvent(window, message, wParam, lParam);
  if (info.container) {
    if (IsForwardedToParent(message)) return SendMessageA(GetParent(window), message, wParam, lParam);
    if (message == WM_ERASEBKGND) {
      RECT area;
      GetClientRect(window, &area);
      FillRect(reinterpret_cast<HDC>(wParam), &area, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
  }
  if (g_baseProcs[K]) return CallWindowProcA(g_baseProcs[K], window, message, wParam, lParam);
  return DefWindowProcA(window, message, wParam, lParam);
}

template <size_t... K>
constexpr std::array<WNDPROC, sizeof...(K)> MakeProcs(std::index_sequence<K...>) {
  return {{&KindProc<K>...}};
}

const std::array<WNDPROC, kKinds.size()> kProcs = MakeProcs(std::make_index_sequence<kKinds.size()>());

}  // namespace

void ReportMouseEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  MouseEvent event;
  BYTE button = 0;
  switch (message) {
    case WM_MOUSEMOVE: event = MouseEvent::Move; break;
    case WM_LBUTTONDOWN: event = MouseEvent::Down; button = kLeftButton; break;
    case WM_RBUTTONDOWN: event = MouseEvent::Down; button = kRightButton; break;
    case WM_MBUTTONDOWN: event = MouseEvent::Down; button = kMiddleButton; break;
    case WM_LBUTTONUP: event = MouseEvent::Up; button = kLeftButton; break;
    case WM_RBUTTONUP: event = MouseEvent::Up; button = kRightButton; break;
    case WM_MBUTTONUP: event = MouseEvent::Up; button = kMiddleButton; break;
    case WM_LBUTTONDBLCLK: event = MouseEvent::DoubleClick; button = kLeftButton; break;
    default: return;
  }
  if (event == MouseEvent::Move) {
    button = static_cast<BYTE>(((wParam & MK_LBUTTON) ? kLeftButton : 0) |
                               ((wParam & MK_RBUTTON) ? kRightButton : 0) |
                               ((wParam & MK_MBUTTON) ? kMiddleButton : 0));
  }
  const HWND form = GetAncestor(window, GA_ROOT);
  if (!form || form == window) return;
  const WPARAM what = MAKEWPARAM(GetDlgCtrlID(window), MAKEWORD(static_cast<BYTE>(event), button));
  SendMessageA(form, kControlMouseMessage, what, lParam);
}

void RegisterControlClasses() {
  static bool registered = false;
  if (registered) return;
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  for (size_t k = 0; k < kKinds.size(); ++k) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (kKinds[k].baseClass) {
      GetClassInfoExA(nullptr, kKinds[k].baseClass, &wc);
      g_baseProcs[k] = wc.lpfnWndProc;
    } else {
      wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
      wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    }
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = kProcs[k];
    wc.hInstance = instance;
    wc.lpszClassName = kKinds[k].className;
    wc.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    RegisterClassExA(&wc);
  }
  registered = true;
}

const char* ControlClassName(ControlKind kind) {
  for (const KindInfo& info : kKinds) {
    if (info.kind == kind) return info.className;
  }
  return "STATIC";
}

}  // namespace glyvane
