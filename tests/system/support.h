#pragma once
// What the system tests need to drive real windows: waiting while messages flow,
// answering modal dialogs from another thread, starting the real programs, and
// putting the registry and fonts in a known state.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "common/system/sounds.h"
#include "common/system/system_registry.h"

namespace glyvane::test {

using namespace std::chrono_literals;
constexpr auto kPatience = 20s;

// The sounds the programs played during a WindowTest.
extern std::vector<std::string> g_sounds;

// Runs this thread's messages until condition holds or the time is up.
bool PumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = kPatience);
void PumpFor(std::chrono::milliseconds time);
// Waits without running messages (for other processes' windows).
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = kPatience);

// A descendant window by control id (controls in a frame are its children).
HWND FindControl(HWND root, int id);
std::string WindowText(HWND window);
std::vector<std::string> ListItems(HWND list);
// One line for each control of a window whose caption does not show whole in it as
// the control lays it out in its font. neverShown: ids of hidden labels that only hold state.
std::vector<std::string> CutCaptions(HWND root, const std::vector<int>& neverShown = {});
// The visible top-level windows of a process of the class ("#32770"), or without an
// owner when the class is null.
std::vector<HWND> ProcessWindows(DWORD processId, const char* className);
// Presses a dialog's button as a click does.
void Press(HWND dialog, int button);
// A click of the left button at (x, y) of a window's client area.
void ClickAt(HWND window, int x, int y);
// A click at x inside entry `index` of a list box, scrolled first to show it.
void ClickListEntry(HWND list, int index, int x);

// Answers the next dialog box (#32770) of a process with this title (any when null),
// on a thread of its own so that the dialog may be modal on the caller's thread:
// runs `answer` on it, which presses a button, then waits until it has closed.
class DialogThread {
 public:
  DialogThread(DWORD processId, const char* title, std::function<void(HWND)> answer);
  // False when no dialog came and went.
  bool Wait(std::chrono::milliseconds timeout = kPatience) const;

 private:
  std::atomic<bool> done_{false};
  std::jthread thread_;  // stops looking for the dialog when the object goes
};

// Answers the next dialog box of a process: records its texts, types into its edit
// box when asked, then presses a button.
class DialogAnswer {
 public:
  DialogAnswer(DWORD processId, int button, std::optional<std::string> typed = std::nullopt);
  bool Wait(std::chrono::milliseconds timeout = kPatience) const { return thread_.Wait(timeout); }
  // True once a dialog came and its button was pressed (it may still be closing).
  bool Pressed() const { return pressed_.load(); }
  std::string title;
  std::string text;        // the static texts, joined by newlines
  std::string editBefore;  // the edit box's text as the dialog opened
  UINT icon = 0;           // MB_ICONSTOP, MB_ICONINFORMATION, ... as shown; 0 for none
  std::chrono::steady_clock::time_point pressedAt;  // set before Pressed() holds

 protected:
  // Only a dialog of this caption, answered once `ready` has returned.
  DialogAnswer(DWORD processId, const char* caption, int button, std::function<void(HWND)> ready,
               std::optional<std::string> typed = std::nullopt);

 private:
  std::atomic<bool> pressed_{false};
  DialogThread thread_;  // last: ends before what it records goes
};

// A control's place in its parent's client area, in pixels.
RECT BoundsInParent(HWND window);
// Whether every visible control lies within the window's client area, which a window
// smaller than its design cuts off.
bool ControlsFit(HWND window);
// Top = screen height / 2 - height / 2, Left likewise, to the pixel.
bool CentredOnScreen(HWND window);
// The text the pointer over the control shows in a tooltip; empty when none.
std::string TooltipText(HWND control);

// The pixels of a rectangle of the screen as it shows now, row by row, 0x00RRGGBB.
std::vector<uint32_t> ScreenPixels(const RECT& area);
// What a control should have painted: text drawn by the test (DrawTextA with format,
// in place) in a screen font of `face` and `points`, on a background of its own.
std::vector<uint32_t> DrawnText(const std::string& text, const char* face, double points, SIZE size, RECT place,
                                UINT format, COLORREF back, COLORREF fore);
std::vector<uint32_t> DrawnIcon(HICON icon, SIZE size, COLORREF background);

// Ends any Glyvane left running by an earlier failed test: it holds the single-instance claim.
void EndStrayGlyvanes();
void ClearGlyvaneSettings();
std::optional<std::string> ReadMachineValue(const std::string& path, const std::string& name);
void WriteMachineValue(const std::string& path, const std::string& name, const std::string& text);

// Programs started while it lives run on a system without "Arial" (Wine's replacement removed).
class WithoutArial {
 public:
  WithoutArial();
  ~WithoutArial();
  WithoutArial(const WithoutArial&) = delete;
  WithoutArial& operator=(const WithoutArial&) = delete;

 private:
  std::optional<std::string> saved_;
};

// A program of the build, started from its folder (the programs' folder unless a full
// path is given); its main windows are closed at the end, and it is killed when that
// does not end it.
class ProgramProcess {
 public:
  ProgramProcess(const std::string& fileOrPath, const char* mainClass);
  ~ProgramProcess();
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;

  DWORD id() const { return info_.dwProcessId; }
  HWND WaitForMainWindow(std::chrono::milliseconds timeout = kPatience);
  // The first window of the class it shows; nullptr when none comes.
  HWND WaitForWindow(const char* className, std::chrono::milliseconds timeout = kPatience) const;
  // True when the process ended in time; its exit code in *code.
  bool WaitForExit(std::chrono::milliseconds timeout, DWORD* code = nullptr);

 private:
  const char* mainClass_;
  PROCESS_INFORMATION info_{};
};

class GlyvaneProcess : public ProgramProcess {
 public:
  explicit GlyvaneProcess(const std::string& program = "Glyvane.exe");
};

std::string ProgramPath(const char* fileName);
// A Unix path as this process sees it ("Z:" maps the Unix root in the tests' prefix).
std::string DosPath(std::string unixPath);
// The names of the files (not folders) of a folder that match pattern, sorted.
std::vector<std::string> FilesIn(const std::string& folder, const char* pattern = "*");

// A program's main window in the test's own process, created as the program creates
// it, driven (with the windows it opens) by the messages a user's actions produce.
template <class Form>
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetSoundPlayer([](const std::string& file) { g_sounds.push_back(file); });
    g_sounds.clear();
  }
  void TearDown() override {
    form.reset();
    SetSoundPlayer(nullptr);
  }
  void Start(RegistryStore& registry = SystemRegistry()) {
    form = std::make_unique<Form>(registry);
    ASSERT_TRUE(form->Start());
    form->ShowMain(SW_SHOWNORMAL);
    PumpFor(50ms);
    main = form->hwnd();
    g_sounds.clear();
  }
  HWND Control(int id) const { return FindControl(main, id); }
  void Click(int id) { SendMessageA(Control(id), BM_CLICK, 0, 0); }

  std::unique_ptr<Form> form;
  HWND main = nullptr;
};

}  // namespace glyvane::test
