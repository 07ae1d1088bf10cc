#include "support.h"

#include <commctrl.h>

#include <algorithm>

#include "common/win/control_classes.h"
#include "common/win/dialogs.h"
#include "common/system/program_folder.h"
#include "common/win/unique.h"
#include "viewer/form1_ids.h"

namespace glyvane::test {

std::vector<std::string> g_sounds;

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
  PumpUntil([] { return false; }, time);
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

// A 32-bit top-down bitmap, filled with a colour, to draw or copy into and read back.
class PixelBuffer {
 public:
  PixelBuffer(SIZE size, COLORREF fill) : size_(size), dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0));
    SelectObject(dc_.get(), bitmap_.get());
    RECT area{0, 0, size.cx, size.cy};
    FillRect(dc_.get(), &area, UniqueBrush(CreateSolidBrush(fill)).get());
  }
  HDC dc() const { return dc_.get(); }
  std::vector<uint32_t> Pixels() const {
    GdiFlush();
    std::vector<uint32_t> pixels(bits_, bits_ + static_cast<size_t>(size_.cx) * static_cast<size_t>(size_.cy));
    for (uint32_t& pixel : pixels) pixel &= 0x00FFFFFF;
    return pixels;
  }

 private:
  SIZE size_;
  UniqueBitmap bitmap_;  // deleted after the DC that holds it
  UniqueDC dc_;
  uint32_t* bits_ = nullptr;
};

BOOL CALLBACK NoteWindow(HWND window, LPARAM found) {
  reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

// The descendants of a window, or the top-level windows when it is null.
std::vector<HWND> Windows(HWND root) {
  std::vector<HWND> found;
  if (root) {
    EnumChildWindows(root, &NoteWindow, reinterpret_cast<LPARAM>(&found));
  } else {
    EnumWindows(&NoteWindow, reinterpret_cast<LPARAM>(&found));
  }
  return found;
}

bool OfClass(HWND window, const char* className) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return lstrcmpiA(name, className) == 0;
}

// The MB_ICON* flag of the icon a message box shows, told by its pixels: the one of
// the system's icons that looks the same drawn on the same background (an icon handle
// of another process cannot be compared).
UINT MessageIcon(HWND dialog) {
  for (const HWND window : Windows(dialog)) {
    if (!OfClass(window, "Static") || (GetWindowLongA(window, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) continue;
    RECT area;
    GetWindowRect(window, &area);
    const SIZE size{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
    const std::vector<uint32_t> shown = ScreenPixels({area.left, area.top, area.left + size.cx, area.top + size.cy});
    const COLORREF background = RGB(shown.front() >> 16, shown.front() >> 8, shown.front());
    const std::pair<LPCSTR, UINT> icons[] = {{IDI_HAND, MB_ICONSTOP},
                                             {IDI_ASTERISK, MB_ICONINFORMATION},
                                             {IDI_EXCLAMATION, MB_ICONEXCLAMATION},
                                             {IDI_QUESTION, MB_ICONQUESTION}};
    for (const auto& [id, flag] : icons) {
      if (DrawnIcon(LoadIconA(nullptr, id), size, background) == shown) return flag;
    }
  }
  return 0;
}

// The size a text takes in a control's font, laid out in `width` pixels (0: on one line).
// Measured here, not by the window layer's own measure of a caption, so that a fault
// in that measure shows as a cut caption instead of agreeing with itself.
SIZE LaidOut(HWND control, const std::string& text, int width, UINT flags) {
  WindowDC screen(nullptr);
  SelectObjectGuard select(screen.get(), reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
  RECT area{0, 0, width, 0};
  DrawTextA(screen.get(), text.c_str(), static_cast<int>(text.size()), &area,
            DT_CALCRECT | flags | (width > 0 ? DT_WORDBREAK : DT_SINGLELINE));
  return SIZE{area.right, area.bottom};
}

// The system adds the terminator a writer left out.
std::optional<std::string> ReadValue(HKEY root, const char* path, const char* name) {
  char data[1024] = {};
  DWORD size = sizeof data - 1;
  if (RegGetValueA(root, path, name, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS) return std::nullopt;
  return data;
}

void WriteValue(HKEY root, const char* path, const char* name, const std::string& text) {
  RegSetKeyValueA(root, path, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

constexpr const char* kReplacements = "Software\\Wine\\Fonts\\Replacements";

}  // namespace

RECT BoundsInParent(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
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
  const SIZE size{area.right - area.left, area.bottom - area.top};
  PixelBuffer buffer(size, 0);
  WindowDC screen(nullptr);
  BitBlt(buffer.dc(), 0, 0, size.cx, size.cy, screen.get(), area.left, area.top, SRCCOPY);
  return buffer.Pixels();
}

std::vector<uint32_t> DrawnIcon(HICON icon, SIZE size, COLORREF background) {
  PixelBuffer buffer(size, background);
  DrawIconEx(buffer.dc(), 0, 0, icon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
  return buffer.Pixels();
}

std::vector<uint32_t> DrawnText(const std::string& text, const char* face, double points, SIZE size, RECT place,
                                UINT format, COLORREF back, COLORREF fore) {
  LOGFONTA font{};
  font.lfHeight = -static_cast<LONG>(points * 96 / 72 + 0.5);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
  PixelBuffer buffer(size, back);
  UniqueFont made(CreateFontIndirectA(&font));
  SelectObjectGuard select(buffer.dc(), made.get());
  SetBkColor(buffer.dc(), back);
  SetTextColor(buffer.dc(), fore);
  DrawTextA(buffer.dc(), text.c_str(), static_cast<int>(text.size()), &place, format);
  return buffer.Pixels();
}

HWND FindControl(HWND root, int id) {
  for (const HWND window : Windows(root)) {
    if (GetDlgCtrlID(window) == id) return window;
  }
  return nullptr;
}

std::string WindowText(HWND window) {
  char text[1024] = {};
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                      nullptr);
  return text;
}

std::vector<std::string> ListItems(HWND list) {
  // Wine passes list texts between processes in their wide form only.
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

std::vector<std::string> CutCaptions(HWND root, const std::vector<int>& neverShown) {
  std::vector<std::string> cut;
  for (const HWND control : Windows(root)) {
    const int id = GetDlgCtrlID(control);
    const std::string text = WindowText(control);
    if (text.empty() || std::find(neverShown.begin(), neverShown.end(), id) != neverShown.end()) continue;
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE));
    RECT client;
    GetClientRect(control, &client);
    // The room the control gives its caption and the caption laid out there, as
    // Wine's button and static controls draw them.
    SIZE room{client.right, client.bottom};
    SIZE needs{0, 0};
    if (OfClass(control, ControlClassName(ControlKind::Label))) {
      needs = LaidOut(control, text, room.cx, ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0u) | DT_EXPANDTABS);
    } else if (OfClass(control, ControlClassName(ControlKind::CommandButton))) {
      const int inset = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON ? 3 : 2;
      room = SIZE{room.cx - 2 * inset, room.cy - 2 * inset};
      const bool picture = (style & BS_TYPEMASK) == BS_OWNERDRAW;  // above one line of caption
      needs = LaidOut(control, text, picture ? 0 : room.cx, 0);
      if (picture) needs.cy = 0;
    } else if (OfClass(control, ControlClassName(ControlKind::OptionButton)) ||
               OfClass(control, ControlClassName(ControlKind::CheckBox))) {
      room.cx -= 13 + 3;  // the box and the gap after it
      needs = LaidOut(control, text, 0, 0);
    } else if (OfClass(control, ControlClassName(ControlKind::Frame))) {
      room.cx -= 2 * 8;  // the caption sits in the top line, inside its corners
      needs = {LaidOut(control, text, 0, 0).cx, 0};
    } else {
      continue;  // text boxes and lists hold data, not a caption
    }
    if (needs.cx > room.cx || needs.cy > room.cy) {
      cut.push_back(std::to_string(id) + " \"" + text + "\" needs " + std::to_string(needs.cx) + " x " +
                    std::to_string(needs.cy) + " px, has " + std::to_string(room.cx) + " x " + std::to_string(room.cy));
    }
  }
  return cut;
}

std::vector<HWND> ProcessWindows(DWORD processId, const char* className) {
  std::vector<HWND> found;
  for (const HWND window : Windows(nullptr)) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    const bool kind = className ? OfClass(window, className) : !GetWindow(window, GW_OWNER);
    if (process == processId && IsWindowVisible(window) && kind) found.push_back(window);
  }
  return found;
}

void Press(HWND dialog, int button) {
  const auto control = reinterpret_cast<LPARAM>(GetDlgItem(dialog, button));
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), control);
}

void ClickAt(HWND window, int x, int y) {
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void ClickListEntry(HWND list, int index, int x) {
  SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
  RECT entry;
  SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&entry));
  ClickAt(list, x, (entry.top + entry.bottom) / 2);
}

DialogThread::DialogThread(DWORD processId, const char* title, std::function<void(HWND)> answer)
    : thread_([this, processId, title, answer](std::stop_token stop) {
        HWND dialog = nullptr;
        for (; !stop.stop_requested() && !dialog; Sleep(20)) {
          for (const HWND window : ProcessWindows(processId, "#32770")) {
            if (!dialog && (!title || WindowText(window) == title)) dialog = window;
          }
        }
        if (!dialog) return;
        Sleep(100);  // let the dialog finish WM_INITDIALOG
        answer(dialog);
        WaitUntil([dialog] { return !IsWindow(dialog); }, 10s);
        done_ = true;
      }) {}

bool DialogThread::Wait(std::chrono::milliseconds timeout) const {
  return WaitUntil([this] { return done_.load(); }, timeout);
}

DialogAnswer::DialogAnswer(DWORD processId, int button, std::optional<std::string> typed)
    : DialogAnswer(processId, nullptr, button, nullptr, std::move(typed)) {}

DialogAnswer::DialogAnswer(DWORD processId, const char* caption, int button, std::function<void(HWND)> ready,
                           std::optional<std::string> typed)
    : thread_(processId, caption, [this, button, ready, typed](HWND dialog) {
        if (ready) ready(dialog);
        title = WindowText(dialog);
        for (const HWND label : Windows(dialog)) {
          const std::string part = OfClass(label, "Static") ? WindowText(label) : "";
          if (!part.empty()) text += (text.empty() ? "" : "\n") + part;
        }
        icon = MessageIcon(dialog);
        if (const HWND edit = GetDlgItem(dialog, kInputBoxEditId)) {
          editBefore = WindowText(edit);
          if (typed) SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed->c_str()));
        }
        pressedAt = std::chrono::steady_clock::now();
        pressed_ = true;
        Press(dialog, button);
      }) {}

void EndStrayGlyvanes() {
  for (HWND window = FindWindowA(form1_ids::kClassName, nullptr); window;
       window = FindWindowExA(nullptr, window, form1_ids::kClassName, nullptr)) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) continue;
    const UniqueHandle handle(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process));
    if (TerminateProcess(handle.get(), 1)) WaitForSingleObject(handle.get(), 5000);
  }
}

void ClearGlyvaneSettings() { RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Orvex\\Glyvane"); }

std::optional<std::string> ReadMachineValue(const std::string& path, const std::string& name) {
  return ReadValue(HKEY_LOCAL_MACHINE, path.c_str(), name.c_str());
}

void WriteMachineValue(const std::string& path, const std::string& name, const std::string& text) {
  WriteValue(HKEY_LOCAL_MACHINE, path.c_str(), name.c_str(), text);
}

WithoutArial::WithoutArial() : saved_(ReadValue(HKEY_CURRENT_USER, kReplacements, "Arial")) {
  RegDeleteKeyValueA(HKEY_CURRENT_USER, kReplacements, "Arial");
}

WithoutArial::~WithoutArial() {
  if (saved_) WriteValue(HKEY_CURRENT_USER, kReplacements, "Arial", *saved_);
}

std::string ProgramPath(const char* fileName) { return ProgramFolder() + "\\" + fileName; }

std::string DosPath(std::string unixPath) {
  std::replace(unixPath.begin(), unixPath.end(), '/', '\\');
  return "Z:" + unixPath;
}

std::vector<std::string> FilesIn(const std::string& folder, const char* pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  UniqueFind find(FindFirstFileA((folder + "\\" + pattern).c_str(), &found));
  if (!find) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
  } while (FindNextFileA(find.get(), &found));
  std::sort(names.begin(), names.end());
  return names;
}

GlyvaneProcess::GlyvaneProcess(const std::string& program) : ProgramProcess(program, form1_ids::kClassName) {}

ProgramProcess::ProgramProcess(const std::string& fileOrPath, const char* mainClass) : mainClass_(mainClass) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  const std::string program = fileOrPath.find('\\') != std::string::npos ? fileOrPath : ProgramPath(fileOrPath.c_str());
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
  std::vector<HWND> windows;
  WaitUntil([&] { return !(windows = ProcessWindows(id(), className)).empty(); }, timeout);
  return windows.empty() ? nullptr : windows.front();
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
