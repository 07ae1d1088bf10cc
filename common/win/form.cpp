#include "common/win/form.h"

#include <set>

#include "common/app_error.h"
#include "common/twips.h"
#include "common/win/dialogs.h"
#include "common/win/last_error.h"

namespace glyvane {

namespace {

std::set<HWND>& LiveForms() {
  static std::set<HWND> forms;
  return forms;
}

}  // namespace

Form::~Form() {
  if (hwnd_) {
    // The object is going away: its handlers must not run for the window's last
    // messages.
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    LiveForms().erase(hwnd_);
    DestroyWindow(hwnd_);
  }
}

Form* Form::FromHandle(HWND window) {
  if (!window || LiveForms().count(window) == 0) return nullptr;
  return reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void Form::CreateForm(const FormStyle& style) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  if (!GetClassInfoExA(instance, style.className, &wc)) {
    wc = WNDCLASSEXA{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &Form::Procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = style.className;
    wc.hIcon = style.icon;
    wc.hIconSm = style.icon;
    if (!RegisterClassExA(&wc)) throw LastError();
  }
  const double twipsPerPixel = ScreenTwipsPerPixel();
  RECT outer{0, 0, TwipsToPixels(style.clientWidthTwips, twipsPerPixel),
             TwipsToPixels(style.clientHeightTwips, twipsPerPixel)};
  AdjustWindowRectEx(&outer, style.style, style.menu != nullptr, 0);
  const HWND window = CreateWindowExA(WS_EX_CONTROLPARENT, style.className, style.caption.c_str(),
                                      style.style, CW_USEDEFAULT, CW_USEDEFAULT,
                                      outer.right - outer.left, outer.bottom - outer.top, nullptr,
                                      style.menu, instance, this);
  if (!window) throw LastError();
}

void Form::CentreOnScreen() const {
  RECT outer;
  GetWindowRect(hwnd_, &outer);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  const int top = GetSystemMetrics(SM_CYSCREEN) / 2 - height / 2;
  const int left = GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2;
  SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::RememberFocus() {
  const HWND focus = GetFocus();
  if (focus && IsChild(hwnd_, focus)) focus_ = focus;
}

// Keyboard users land where they left the window, or on its first control.
void Form::RestoreFocus() {
  HWND target = focus_;
  if (!target || !IsWindow(target) || !IsWindowVisible(target) || !IsWindowEnabled(target)) {
    target = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
  }
  if (target) SetFocus(target);
}

bool Form::PreTranslate(MSG& message) { return IsDialogMessageA(hwnd_, &message) != FALSE; }

void Form::ReportError(const std::exception& error) {
  const AppError* appError = dynamic_cast<const AppError*>(&error);
  const std::string text = appError ? ErrorMessageText(*appError) : ErrorMessageText(AppError(0, error.what()));
  ShowMessage(hwnd_, text, Caption(), MessageIcon::Critical);
}

LRESULT Form::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(message, wParam, lParam);
}

Form::ControlMouse Form::CrackControlMouse(WPARAM wParam, LPARAM lParam) const {
  ControlMouse mouse{};
  mouse.id = LOWORD(wParam);
  mouse.event = static_cast<MouseEvent>(LOBYTE(HIWORD(wParam)));
  mouse.args.button = HIBYTE(HIWORD(wParam));
  mouse.args.shift = ((GetKeyState(VK_SHIFT) < 0) ? 1 : 0) | ((GetKeyState(VK_CONTROL) < 0) ? 2 : 0) |
                     ((GetKeyState(VK_MENU) < 0) ? 4 : 0);
  const double twipsPerPixel = controls_.twipsPerPixel();
  mouse.args.x = static_cast<short>(LOWORD(lParam)) * twipsPerPixel;
  mouse.args.y = static_cast<short>(HIWORD(lParam)) * twipsPerPixel;
  return mouse;
}

LRESULT CALLBACK Form::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    form->hwnd_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    LiveForms().insert(window);
  }
  Form* form = reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) {
    // A form closed by the user (not one whose object is being destroyed) may be the
    // last window of the program.
    const bool wasLive = LiveForms().erase(window) > 0;
    if (form) form->hwnd_ = nullptr;
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (wasLive && LiveForms().empty()) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
  }
  if (!form) return DefWindowProcA(window, message, wParam, lParam);
  // The barrier: no exception may unwind through user32's frames.
  try {
    if (message == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE) form->RememberFocus();
    const LRESULT result = form->OnMessage(message, wParam, lParam);
    if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) form->RestoreFocus();
    return result;
  } catch (const std::exception& error) {
    form->ReportError(error);
  } catch (...) {
    form->ReportError(AppError(0, "Erreur inattendue"));
  }
  return 0;
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    Form* form = Form::FromHandle(GetAncestor(message.hwnd, GA_ROOT));
    if (form && form->PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

void EndProgram() { PostQuitMessage(0); }

}  // namespace glyvane
