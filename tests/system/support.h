#pragma once
// What the system tests need to drive real windows: waiting for conditions while
// messages flow, answering modal dialogs from another thread, starting the real
// program, and putting the registry and fonts in a known state.
#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace glyvane::test {

using namespace std::chrono_literals;
constexpr auto kPatience = 20s;

// The sounds played while RecordSound is the programs' player (SetSoundPlayer).
extern std::vector<std::string> g_sounds;
void RecordSound(const std::string& file);

// Runs this thread's messages until condition holds or the time is up.
bool PumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = kPatience);
void PumpFor(std::chrono::milliseconds time);
// Waits without running messages (for other processes' windows).
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = kPatience);

// A descendant window by control id (controls in a frame are its children).
HWND FindControl(HWND root, int id);
std::string WindowText(HWND window);
std::vector<std::string> ListItems(HWND list);
// The controls of a window, at any depth, whose caption does not show whole in them
// as the control lays it out in its font: one line each, naming the control, its
// caption, the pixels the caption needs and those the control gives it. Hidden labels
// that only hold state, never shown, are passed over by their ids.
std::vector<std::string> CutCaptions(HWND root, const std::vector<int>& neverShown = {});
// The visible top-level windows of a process with the given class ("#32770"), or
// without an owner when the class is null.
std::vector<HWND> ProcessWindows(DWORD processId, const char* className);

// Answers the next dialog box (#32770) that a process shows: records its title and
// texts, types into its edit box when asked, then presses a button. Runs on its own
// thread, so the dialog may be modal on the caller's thread.
class DialogAnswer {
 public:
  DialogAnswer(DWORD processId, int button, std::optional<std::string> typed = std::nullopt);
  ~DialogAnswer();
  DialogAnswer(const DialogAnswer&) = delete;
  DialogAnswer& operator=(const DialogAnswer&) = delete;

  // Waits until the dialog was answered; false when none came.
  bool Wait(std::chrono::milliseconds timeout = kPatience);
  // True once a dialog came and its button was pressed (it may still be closing).
  bool Pressed() const { return pressed_.load(); }
  std::string title;
  std::string text;           // the static texts, joined by newlines
  std::string editBefore;     // the edit box's text as the dialog opened
  // The message box's icon as its MB_ICON* flag (MB_ICONSTOP, MB_ICONINFORMATION,
  // MB_ICONEXCLAMATION, MB_ICONQUESTION), 0 when it shows none.
  UINT icon = 0;

 private:
  void Run(DWORD processId, int button, std::optional<std::string> typed);
  std::atomic<bool> done_{false};
  std::atomic<bool> pressed_{false};
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// A control's place in its parent's client area, in pixels.
RECT BoundsInParent(HWND window);
// True when the window stands in the middle of the screen, to the pixel.
bool CentredOnScreen(HWND window);

// The tooltip text the tooltip control of the control's window holds for it, as the
// pointer over the control shows it; empty when there is none.
std::string TooltipText(HWND control);

// The pixels of a rectangle of the screen as it shows now, row by row, 0x00RRGGBB.
std::vector<uint32_t> ScreenPixels(const RECT& area);
// A text drawn by the test itself (DrawTextA with `format`, in `place`) on a
// background of its own, the reference for what a control should have painted.
std::vector<uint32_t> DrawnText(const std::string& text, const LOGFONTA& font, SIZE size, RECT place, UINT format,
                                COLORREF back, COLORREF fore);
LOGFONTA ScreenFont(const char* face, double points);
// An icon drawn by the test on a background of 0x00RRGGBB.
std::vector<uint32_t> DrawnIcon(HICON icon, SIZE size, uint32_t background);

// Ends any Glyvane left running by an earlier test that failed: it would hold the
// single-instance claim.
void EndStrayGlyvanes();

// Glyvane's settings back to a first run (the configuration key removed).
void ClearGlyvaneSettings();
std::optional<std::string> ReadMachineValue(const std::string& path, const std::string& name);
void WriteMachineValue(const std::string& path, const std::string& name, const std::string& text);

// Removes Wine's "Arial" replacement for the life of the object: programs started
// meanwhile run on a system without "Arial".
class WithoutArial {
 public:
  WithoutArial();
  ~WithoutArial();
  WithoutArial(const WithoutArial&) = delete;
  WithoutArial& operator=(const WithoutArial&) = delete;

 private:
  std::optional<std::string> saved_;
};

// A real program of the build (Glyvane.exe, catalogue.exe), started from the
// programs' folder (or a copy of it at a full path, from that copy's folder); its
// main windows, of class mainClass, are closed at the end, and the program killed
// when that does not end it.
class ProgramProcess {
 public:
  ProgramProcess(const std::string& fileOrPath, const char* mainClass);
  ~ProgramProcess();
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;

  DWORD id() const { return info_.dwProcessId; }
  // The main window once it is shown (nullptr when it never is).
  HWND WaitForMainWindow(std::chrono::milliseconds timeout = kPatience);
  // The first window of the class it shows (nullptr when none comes).
  HWND WaitForWindow(const char* className, std::chrono::milliseconds timeout = kPatience) const;
  // True when the process ended in time; its exit code in *code.
  bool WaitForExit(std::chrono::milliseconds timeout, DWORD* code = nullptr);

 private:
  const char* mainClass_;
  PROCESS_INFORMATION info_{};
};

class GlyvaneProcess : public ProgramProcess {
 public:
  GlyvaneProcess();
  // The copy of Glyvane at this full path.
  explicit GlyvaneProcess(const std::string& program);
};

std::string ProgramPath(const char* fileName);

}  // namespace glyvane::test
