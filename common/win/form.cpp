#include "common/win/form.h"

#include <cmath>
#include <set>
#include <vector>

#include "common/app_error.h"
#include "common/system/last_error.h"
#include "common/twips.h"
#include "common/win/dialogs.h"
#include "common/win/messages.h"

namespace glyvane {

namespace {

std::set<HWND>& LiveForms() {
  static std::set<HWND> forms;
  return forms;
}

// How many handlers are running now (messages nest when a handler shows a dialog or
// lets pending events run). A retired form is deleted only when none is.
int g_dispatchDepth = 0;

std::vector<std::unique_ptr<Form>>& RetiredForms() {
  static std::vector<std::unique_ptr<Form>> forms;
  return forms;
}

void DeleteRetiredForms() {
  if (g_dispatchDepth == 0) RetiredForms().clear();
}

class DispatchScope {
 public:
  DispatchScope() { ++g_dispatchDepth; }
  ~DispatchScope() { --g_dispatchDepth; }
  DispatchScope(const DispatchScope&) = delete;
  DispatchScope& operator=(const DispatchScope&) = delete;
};

bool DispatchOne(MSG& message) {
  if (message.message == WM_QUIT) return false;
  Form* form = Form::FromHandle(GetAncestor(message.hwnd, GA_ROOT));
  if (form && form->PreTranslate(message)) return true;
  TranslateMessage(&message);
  DispatchMessageA(&message);
  return true;
}

BYTE ShiftState() {
  return static_cast<BYTE>(((GetKeyState(VK_SHIFT) < 0) ? 1 : 0) | ((GetKeyState(VK_CONTROL) < 0) ? 2 : 0) |
                           ((GetKeyState(VK_MENU) < 0) ? 4 : 0));
}

}  // namespace

void RetireForm(std::unique_ptr<Form> form) {
  if (form) RetiredForms().push_back(std::move(form));
}

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

void Form::Create() {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  if (!GetClassInfoExA(instance, design_.className, &wc)) {
    const HICON icon = design_.iconId ? LoadIconA(instance, MAKEINTRESOURCEA(design_.iconId)) : nullptr;
    wc = WNDCLASSEXA{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &Form::Procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = design_.className;
    wc.hIcon = icon;
    wc.hIconSm = icon;
    if (!RegisterClassExA(&wc)) throw LastError();
  }
  UniqueMenu menu;
  if (!design_.menu.empty()) menu = BuildMenuBar(design_.menu);
  const double twipsPerPixel = ScreenTwipsPerPixel();
  RECT outer{0, 0, TwipsToPixels(design_.clientWidth, twipsPerPixel),
             TwipsToPixels(design_.clientHeight, twipsPerPixel)};
  const DWORD exStyle = design_.exStyle | WS_EX_CONTROLPARENT;
  AdjustWindowRectEx(&outer, design_.style, menu ? TRUE : FALSE, exStyle);
  const HWND window = CreateWindowExA(exStyle, design_.className, design_.caption, design_.style,
                                      CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                                      outer.bottom - outer.top, owner_ ? owner_->hwnd() : nullptr, menu.get(),
                                      instance, this);
  if (!window) throw LastError();
  menu.release();  // the window's now
  controls_.Create(window, design_.controls, design_.font);
  if (!design_.accelerators.empty()) {
    std::vector<ACCEL> keys(design_.accelerators.begin(), design_.accelerators.end());
    accelerators_.reset(CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size())));
  }
}

void Form::Load() {
  Create();
  try {
    Form_Load();
  } catch (...) {
    Unload();
    throw;
  }
}

void Form::Show() {
  if (design_.showMode == ShowMode::Modeless) {
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    return;
  }
  const HWND owner = owner_ ? owner_->hwnd() : nullptr;
  if (owner) EnableWindow(owner, FALSE);
  ShowWindow(hwnd_, SW_SHOW);
  MSG message;
  while (IsLoaded()) {
    if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
      PostQuitMessage(static_cast<int>(message.wParam));  // for the loop that ends the program
      break;
    }
    DispatchOne(message);
  }
  if (owner && IsWindow(owner)) {
    EnableWindow(owner, TRUE);
    SetActiveWindow(owner);
  }
}

void Form::Unload() {
  if (!hwnd_) return;
  unloadReason_ = UnloadReason::Code;
  DestroyWindow(hwnd_);
}

void Form::CentreOnScreen() const {
  RECT outer;
  GetWindowRect(hwnd_, &outer);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  // Halves taken exactly, the place then rounded to the nearest pixel.
  const double top = GetSystemMetrics(SM_CYSCREEN) / 2.0 - height / 2.0;
  const double left = GetSystemMetrics(SM_CXSCREEN) / 2.0 - width / 2.0;
  SetWindowPos(hwnd_, nullptr, static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetIcon(HICON icon) {
  UniqueIcon task(icon ? CopyIcon(icon) : nullptr);
  UniqueIcon caption(icon ? static_cast<HICON>(CopyImage(icon, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                         GetSystemMetrics(SM_CYSMICON), 0))
                          : nullptr);
  SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(task.get()));
  SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(caption.get()));
  // The window has let go of the previous icons: they can go.
  taskIcon_ = std::move(task);
  captionIcon_ = std::move(caption);
}

int Form::OuterHeight() const {
  RECT outer;
  GetWindowRect(hwnd_, &outer);
  return PixelsToTwips(outer.bottom - outer.top, ScreenTwipsPerPixel());
}

void Form::SetOuterHeight(int twips) const {
  RECT outer;
  GetWindowRect(hwnd_, &outer);
  SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left, TwipsToPixels(twips, ScreenTwipsPerPixel()),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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
  SetFocus(target ? target : hwnd_);
}

bool Form::PreTranslate(MSG& message) {
  if (accelerators_ && TranslateAcceleratorA(hwnd_, accelerators_.get(), &message)) return true;
  return IsDialogMessageA(hwnd_, &message) != FALSE;
}

void Form::ReportError(const std::exception& error) {
  const AppError* appError = dynamic_cast<const AppError*>(&error);
  const std::string text = appError ? ErrorMessageText(*appError) : ErrorMessageText(AppError(0, error.what()));
  ShowMessage(hwnd_, text, Caption(), MessageIcon::Critical);
}

MouseArgs Form::CrackMouse(BYTE button, LPARAM lParam) const {
  MouseArgs args;
  args.button = button;
  args.shift = ShiftState();
  const double twipsPerPixel = controls_.twipsPerPixel();
  args.x = static_cast<short>(LOWORD(lParam)) * twipsPerPixel;
  args.y = static_cast<short>(HIWORD(lParam)) * twipsPerPixel;
  return args;
}

LRESULT Form::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case kControlMouseMessage: {
      const auto event = static_cast<MouseEvent>(LOBYTE(HIWORD(wParam)));
      OnMouse(LOWORD(wParam), event, CrackMouse(HIBYTE(HIWORD(wParam)), lParam));
      return 0;
    }
    case WM_MOUSEMOVE:
      OnMouse(kFormItself, MouseEvent::Move, CrackMouse(0, lParam));
      return 0;
    case WM_LBUTTONDOWN:
      OnMouse(kFormItself, MouseEvent::Down, CrackMouse(kLeftButton, lParam));
      return 0;
    case WM_LBUTTONUP:
      OnMouse(kFormItself, MouseEvent::Up, CrackMouse(kLeftButton, lParam));
      return 0;
    case kItemCheckMessage:
      OnItemCheck(static_cast<int>(wParam), static_cast<int>(lParam));
      return 0;
    case WM_TIMER:
      if (OnTimer(static_cast<int>(wParam))) return 0;
      break;
    case WM_INITMENUPOPUP:
      if (!HIWORD(lParam)) {
        const HMENU bar = GetMenu(hwnd_);
        for (int position = 0; position < GetMenuItemCount(bar); ++position) {
          if (GetSubMenu(bar, position) == reinterpret_cast<HMENU>(wParam)) OnMenuOpened(position);
        }
      }
      return 0;
    case WM_MENUCHAR:
      return MenuItemByFirstLetter(reinterpret_cast<HMENU>(lParam), static_cast<char>(LOWORD(wParam)));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      if (const HBRUSH brush = controls_.ColoursFor(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam))) {
        return reinterpret_cast<LRESULT>(brush);
      }
      break;
    case WM_SETCURSOR:
      // Controls with a pointer of their own (links, a logo) show it; the others
      // their class's.
      if (LOWORD(lParam) == HTCLIENT) {
        if (const HCURSOR pointer = controls_.PointerFor(reinterpret_cast<HWND>(wParam))) {
          SetCursor(pointer);
          return TRUE;
        }
      }
      break;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      return SendMessageA(item->hwndItem, kReflectedDrawItem, wParam, lParam);
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        RememberFocus();
        break;
      }
      Form_Activate();
      if (!HIWORD(wParam)) RestoreFocus();
      return 0;
    case WM_CLOSE:
      if (Form_QueryUnload()) {
        unloadReason_ = UnloadReason::User;
        DestroyWindow(hwnd_);
      }
      return 0;
    case WM_DESTROY:
      Form_Unload();
      if (design_.showMode == ShowMode::Modal && owner_ && owner_->hwnd()) EnableWindow(owner_->hwnd(), TRUE);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(hwnd_, message, wParam, lParam);
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
    // A form closed by the user or the program (not one whose object is being
    // destroyed) may be the last window of the program.
    const bool wasLive = LiveForms().erase(window) > 0;
    if (form) form->hwnd_ = nullptr;
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (wasLive && LiveForms().empty()) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
  }
  if (!form) return DefWindowProcA(window, message, wParam, lParam);
  DispatchScope scope;
  // The barrier: no exception may unwind through user32's frames.
  try {
    return form->OnMessage(message, wParam, lParam);
  } catch (const std::exception& error) {
    form->ReportError(error);
  } catch (...) {
    form->ReportError(AppError(0, "Erreur inattendue"));
  }
  return 0;
}

int RunMessageLoop() {
  MSG message{};
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    DispatchOne(message);
    DeleteRetiredForms();
  }
  RetiredForms().clear();
  return static_cast<int>(message.wParam);
}

bool PumpPendingMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (!DispatchOne(message)) {
      PostQuitMessage(static_cast<int>(message.wParam));  // for the loop that ends the program
      return false;
    }
  }
  return true;
}

void EndProgram() { PostQuitMessage(0); }

}  // namespace glyvane
