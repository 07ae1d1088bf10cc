#include "support.h"

#include <commctrl.h>

#include <algorithm>

#include "common/win/control_classes.h"
#include "common/win/dialogs.h"
#include "common/system/program_folder.h"
#include "common/win/unique.h"
#include "viewer/form1_ids.h"
#include "viewer/settings.h"

namespace glyvane::test {

std::vector<std::string> g_sounds;

void RecordSound(const std::string& file) { g_sounds.push_back(file); }

bool PumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (condition()) return true;
    if (std::chrono::steady_clock::now() > deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

void PumpFor(std::chrono::milliseconds time) {
  const auto until = std::chrono::steady_clock::now() + time;
  PumpUntil([until] { return std::chrono::steady_clock::now() > until; }, time + 1s);
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    Sleep(20);
  }
  return true;
}

namespace {

// A 32-bit top-down bitmap to copy pixels into and read them back.
class PixelBuffer {
 public:
  PixelBuffer(int width, int height) : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0));
    old_ = SelectObject(dc_.get(), bitmap_.get());
  }
  ~PixelBuffer() { SelectObject(dc_.get(), old_); }
  PixelBuffer(const PixelBuffer&) = delete;
  PixelBuffer& operator=(const PixelBuffer&) = delete;
  HDC dc() const { return dc_.get(); }
  std::vector<uint32_t> Pixels() const {
    GdiFlush();
    std::vector<uint32_t> pixels(bits_, bits_ + static_cast<size_t>(width_) * static_cast<size_t>(height_));
    for (uint32_t& pixel : pixels) pixel &= 0x00FFFFFF;
    return pixels;
  }

 private:
  int width_;
  int height_;
  UniqueDC dc_;
  UniqueBitmap bitmap_;
  HGDIOBJ old_ = nullptr;
  uint32_t* bits_ = nullptr;
};

}  // namespace

RECT BoundsInParent(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool CentredOnScreen(HWND window) {
  RECT outer;
  GetWindowRect(window, &outer);
  return outer.top == GetSystemMetrics(SM_CYSCREEN) / 2 - (outer.bottom - outer.top) / 2 &&
         outer.left == GetSystemMetrics(SM_CXSCREEN) / 2 - (outer.right - outer.left) / 2;
}

std::string TooltipText(HWND control) {
  char text[256] = {};
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text;
  for (HWND tips = FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); tips && !*text;
       tips = FindWindowExA(nullptr, tips, TOOLTIPS_CLASSA, nullptr)) {
    SendMessageA(tips, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
  }
  return text;
}

std::vector<uint32_t> ScreenPixels(const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  PixelBuffer buffer(width, height);
  WindowDC screen(nullptr);
  BitBlt(buffer.dc(), 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY);
  return buffer.Pixels();
}

std::vector<uint32_t> DrawnIcon(HICON icon, SIZE size, uint32_t background) {
  PixelBuffer buffer(size.cx, size.cy);
  RECT area{0, 0, size.cx, size.cy};
  UniqueBrush brush(CreateSolidBrush(RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF)));
  FillRect(buffer.dc(), &area, brush.get());
  DrawIconEx(buffer.dc(), 0, 0, icon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
  return buffer.Pixels();
}

std::vector<uint32_t> DrawnText(const std::string& text, const LOGFONTA& font, SIZE size, RECT place, UINT format,
                                COLORREF back, COLORREF fore) {
  PixelBuffer buffer(size.cx, size.cy);
  RECT area{0, 0, size.cx, size.cy};
  UniqueBrush brush(CreateSolidBrush(back));
  FillRect(buffer.dc(), &area, brush.get());
  UniqueFont made(CreateFontIndirectA(&font));
  SelectObjectGuard select(buffer.dc(), made.get());
  SetBkColor(buffer.dc(), back);
  SetTextColor(buffer.dc(), fore);
  DrawTextA(buffer.dc(), text.c_str(), static_cast<int>(text.size()), &place, format);
  return buffer.Pixels();
}

LOGFONTA ScreenFont(const char* face, double points) {
  LOGFONTA font{};
  font.lfHeight = -static_cast<LONG>(points * 96 / 72 + 0.5);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
  return font;
}

namespace {

struct ControlSearch {
  int id;
  HWND found;
};

BOOL CALLBACK MatchControl(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<ControlSearch*>(data);
  if (GetDlgCtrlID(window) == search->id) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

struct WindowSearch {
  DWORD processId;
  const char* className;
  std::vector<HWND> found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  const bool kind = search->className ? lstrcmpA(className, search->className) == 0 : !GetWindow(window, GW_OWNER);
  if (process == search->processId && IsWindowVisible(window) && kind) {
    search->found.push_back(window);
  }
  return TRUE;
}

// The MB_ICON* flag of the icon a message box shows, told by its pixels: the one of
// the system's icons that, drawn on the same background, looks the same (an icon
// handle of another process cannot be compared).
BOOL CALLBACK FindMessageIcon(HWND window, LPARAM data) {
  char className[32] = {};
  GetClassNameA(window, className, sizeof className);
  if (lstrcmpiA(className, "Static") != 0 || (GetWindowLongA(window, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) {
    return TRUE;
  }
  RECT area;
  GetWindowRect(window, &area);
  const SIZE size{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
  area.right = area.left + size.cx;
  area.bottom = area.top + size.cy;
  const std::vector<uint32_t> shown = ScreenPixels(area);
  const struct {
    LPCSTR id;
    UINT flag;
  } icons[] = {{IDI_HAND, MB_ICONSTOP},
               {IDI_ASTERISK, MB_ICONINFORMATION},
               {IDI_EXCLAMATION, MB_ICONEXCLAMATION},
               {IDI_QUESTION, MB_ICONQUESTION}};
  for (const auto& icon : icons) {
    if (DrawnIcon(LoadIconA(nullptr, icon.id), size, shown.front()) == shown) *reinterpret_cast<UINT*>(data) = icon.flag;
  }
  return TRUE;
}

BOOL CALLBACK CollectStaticText(HWND window, LPARAM data) {
  auto* text = reinterpret_cast<std::string*>(data);
  char className[32] = {};
  GetClassNameA(window, className, sizeof className);
  if (lstrcmpiA(className, "Static") == 0) {
    const std::string part = WindowText(window);
    if (!part.empty()) {
      if (!text->empty()) *text += "\n";
      *text += part;
    }
  }
  return TRUE;
}

}  // namespace

HWND FindControl(HWND root, int id) {
  ControlSearch search{id, nullptr};
  EnumChildWindows(root, &MatchControl, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string WindowText(HWND window) {
  char text[1024] = {};
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                      nullptr);
  return text;
}

std::vector<std::string> ListItems(HWND list) {
  // Wine passes list texts between processes in their wide form only: ask for that
  // and convert to the ANSI code page here.
  std::vector<std::string> items;
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t wide[256] = {};
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide));
    char text[512] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    items.emplace_back(text);
  }
  return items;
}

namespace {

// The size a text takes in a control's font, laid out in `width` pixels (0: on one line).
SIZE LaidOut(HWND control, const std::string& text, int width, UINT flags) {
  WindowDC screen(nullptr);
  SelectObjectGuard select(screen.get(), reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
  RECT area{0, 0, width, 0};
  DrawTextA(screen.get(), text.c_str(), static_cast<int>(text.size()), &area,
            DT_CALCRECT | flags | (width > 0 ? DT_WORDBREAK : DT_SINGLELINE));
  return SIZE{area.right, area.bottom};
}

struct CaptionSearch {
  std::vector<int> neverShown;
  std::vector<std::string> cut;
};

BOOL CALLBACK NoteCutCaption(HWND control, LPARAM data) {
  auto* search = reinterpret_cast<CaptionSearch*>(data);
  const int id = GetDlgCtrlID(control);
  if (std::find(search->neverShown.begin(), search->neverShown.end(), id) != search->neverShown.end()) return TRUE;
  const std::string text = WindowText(control);
  char className[64] = {};
  GetClassNameA(control, className, sizeof className);
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE));
  RECT client;
  GetClientRect(control, &client);
  // The room the control gives its caption, and the caption's size laid out there,
  // as the control draws it (Wine's button and static drawing).
  SIZE room{client.right, client.bottom};
  SIZE needs{0, 0};
  if (text.empty()) return TRUE;
  if (lstrcmpiA(className, ControlClassName(ControlKind::Label)) == 0) {
    needs = LaidOut(control, text, room.cx, ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0u) | DT_EXPANDTABS);
  } else if (lstrcmpiA(className, ControlClassName(ControlKind::CommandButton)) == 0) {
    const int inset = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON ? 3 : 2;
    room = SIZE{room.cx - 2 * inset, room.cy - 2 * inset};
    if ((style & BS_TYPEMASK) == BS_OWNERDRAW) {  // a picture above one line
      needs = LaidOut(control, text, 0, 0);
      needs.cy = 0;
    } else {
      needs = LaidOut(control, text, room.cx, 0);
    }
  } else if (lstrcmpiA(className, ControlClassName(ControlKind::OptionButton)) == 0 ||
             lstrcmpiA(className, ControlClassName(ControlKind::CheckBox)) == 0) {
    room.cx -= 13 + 3;  // the box and the gap after it
    needs = LaidOut(control, text, 0, 0);
  } else if (lstrcmpiA(className, ControlClassName(ControlKind::Frame)) == 0) {
    room.cx -= 2 * 8;  // the caption sits in the top line, inside its corners
    needs = LaidOut(control, text, 0, 0);
    needs.cy = 0;
  } else {
    return TRUE;  // text boxes and lists hold data, not a caption
  }
  if (needs.cx > room.cx || needs.cy > room.cy) {
    search->cut.push_back(std::to_string(id) + " \"" + text + "\" needs " + std::to_string(needs.cx) +
                   " x " + std::to_string(needs.cy) + " px, has " + std::to_string(room.cx) + " x " +
                   std::to_string(room.cy));
  }
  return TRUE;
}

}  // namespace

std::vector<std::string> CutCaptions(HWND root, const std::vector<int>& neverShown) {
  CaptionSearch search{neverShown, {}};
  EnumChildWindows(root, &NoteCutCaption, reinterpret_cast<LPARAM>(&search));
  return search.cut;
}

std::vector<HWND> ProcessWindows(DWORD processId, const char* className) {
  WindowSearch search{processId, className, {}};
  EnumWindows(&MatchTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

DialogAnswer::DialogAnswer(DWORD processId, int button, std::optional<std::string> typed)
    : thread_([this, processId, button, typed] { Run(processId, button, typed); }) {}

DialogAnswer::~DialogAnswer() {
  stop_ = true;
  thread_.join();
}

void DialogAnswer::Run(DWORD processId, int button, std::optional<std::string> typed) {
  HWND dialog = nullptr;
  while (!stop_ && !dialog) {
    const std::vector<HWND> dialogs = ProcessWindows(processId, "#32770");
    if (!dialogs.empty()) {
      dialog = dialogs.front();
    } else {
      Sleep(20);
    }
  }
  if (!dialog) return;
  Sleep(100);  // let the dialog finish WM_INITDIALOG
  title = WindowText(dialog);
  EnumChildWindows(dialog, &CollectStaticText, reinterpret_cast<LPARAM>(&text));
  EnumChildWindows(dialog, &FindMessageIcon, reinterpret_cast<LPARAM>(&icon));
  if (const HWND edit = GetDlgItem(dialog, kInputBoxEditId)) {
    editBefore = WindowText(edit);
    if (typed) SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed->c_str()));
  }
  pressed_ = true;
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
  WaitUntil([dialog] { return !IsWindow(dialog); }, 10s);
  done_ = true;
}

bool DialogAnswer::Wait(std::chrono::milliseconds timeout) {
  return WaitUntil([this] { return done_.load(); }, timeout);
}

void EndStrayGlyvanes() {
  for (HWND window = FindWindowA(form1_ids::kClassName, nullptr); window;
       window = FindWindowExA(nullptr, window, form1_ids::kClassName, nullptr)) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) continue;
    UniqueHandle handle(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process));
    if (!handle) continue;
    TerminateProcess(handle.get(), 1);
    WaitForSingleObject(handle.get(), 5000);
  }
}

void ClearGlyvaneSettings() { RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Orvex\\Glyvane"); }

std::optional<std::string> ReadMachineValue(const std::string& path, const std::string& name) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return std::nullopt;
  UniqueKey key(opened);
  DWORD size = 0;
  if (RegQueryValueExA(key.get(), name.c_str(), nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::string data(size + 1, '\0');
  DWORD got = size + 1;
  RegQueryValueExA(key.get(), name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()), &got);
  data.resize(data.find('\0'));  // the system adds the terminator a writer left out
  return data;
}

void WriteMachineValue(const std::string& path, const std::string& name, const std::string& text) {
  RegSetKeyValueA(HKEY_LOCAL_MACHINE, path.c_str(), name.c_str(), REG_SZ, text.c_str(),
                  static_cast<DWORD>(text.size() + 1));
}

namespace {
constexpr const char* kReplacements = "Software\\Wine\\Fonts\\Replacements";
}

WithoutArial::WithoutArial() {
  char value[256] = {};
  DWORD size = sizeof value - 1;
  if (RegGetValueA(HKEY_CURRENT_USER, kReplacements, "Arial", RRF_RT_REG_SZ, nullptr, value, &size) == ERROR_SUCCESS) {
    saved_ = value;
    RegDeleteKeyValueA(HKEY_CURRENT_USER, kReplacements, "Arial");
  }
}

WithoutArial::~WithoutArial() {
  if (saved_) {
    RegSetKeyValueA(HKEY_CURRENT_USER, kReplacements, "Arial", REG_SZ, saved_->c_str(),
                    static_cast<DWORD>(saved_->size() + 1));
  }
}

std::string ProgramPath(const char* fileName) { return ProgramFolder() + "\\" + fileName; }

GlyvaneProcess::GlyvaneProcess() : ProgramProcess("Glyvane.exe", form1_ids::kClassName) {}

GlyvaneProcess::GlyvaneProcess(const std::string& program) : ProgramProcess(program, form1_ids::kClassName) {}

ProgramProcess::ProgramProcess(const std::string& fileOrPath, const char* mainClass) : mainClass_(mainClass) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  const bool fullPath = fileOrPath.find('\\') != std::string::npos;
  const std::string program = fullPath ? fileOrPath : ProgramPath(fileOrPath.c_str());
  std::string commandLine = "\"" + program + "\"";
  const std::string folder = program.substr(0, program.find_last_of('\\'));
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                      &info_)) {
    info_ = PROCESS_INFORMATION{};
  }
}

ProgramProcess::~ProgramProcess() {
  if (!info_.hProcess) return;
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
    for (HWND window : ProcessWindows(id(), mainClass_)) PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info_.hProcess, 10000) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 1);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

HWND ProgramProcess::WaitForWindow(const char* className, std::chrono::milliseconds timeout) const {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        const std::vector<HWND> windows = ProcessWindows(id(), className);
        found = windows.empty() ? nullptr : windows.front();
        return found != nullptr;
      },
      timeout);
  return found;
}

HWND ProgramProcess::WaitForMainWindow(std::chrono::milliseconds timeout) {
  const HWND main = WaitForWindow(mainClass_, timeout);
  if (main) WaitForInputIdle(info_.hProcess, 10000);
  return main;
}

bool ProgramProcess::WaitForExit(std::chrono::milliseconds timeout, DWORD* code) {
  if (!info_.hProcess) return false;
  if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) return false;
  if (code) GetExitCodeProcess(info_.hProcess, code);
  return true;
}

}  // namespace glyvane::test
