#pragma once
// Base of every top-level window ("form"): owns its HWND and its controls, routes
// messages to the derived class, and keeps exceptions out of user32.
#include <windows.h>

#include <string>

#include "common/win/control_table.h"
#include "common/win/messages.h"

namespace glyvane {

// What a mouse handler receives: the button mask, the Shift/Ctrl/Alt state, and the
// pointer inside the control in twips.
struct MouseArgs {
  int button = 0;
  int shift = 0;
  double x = 0;
  double y = 0;
};

class Form {
 public:
  Form() = default;
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  HWND hwnd() const { return hwnd_; }
  Window window() const { return Window(hwnd_); }
  std::string Caption() const { return window().Text(); }

  // The live form that owns a top-level window, or nullptr.
  static Form* FromHandle(HWND window);

  // Accelerators and dialog keys (Tab, access keys) for messages of this form.
  virtual bool PreTranslate(MSG& message);

  // Reports an error that reached the message barrier; the program goes on.
  virtual void ReportError(const std::exception& error);

 protected:
  struct FormStyle {
    const char* className;
    std::string caption;
    int clientWidthTwips;
    int clientHeightTwips;
    HMENU menu = nullptr;
    HICON icon = nullptr;
    DWORD style = WS_OVERLAPPEDWINDOW;
  };
  // Creates the window, hidden; its controls are built by OnCreate.
  void CreateForm(const FormStyle& style);

  // Top = screen height / 2 - window height / 2, Left likewise (outer sizes).
  void CentreOnScreen() const;

  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd_, message, wParam, lParam);
  }

  // Unpacks kControlMouseMessage into the control id, event and handler arguments.
  struct ControlMouse {
    int id;
    MouseEvent event;
    MouseArgs args;
  };
  ControlMouse CrackControlMouse(WPARAM wParam, LPARAM lParam) const;

  ControlSet controls_;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void RememberFocus();
  void RestoreFocus();

  HWND hwnd_ = nullptr;
  HWND focus_ = nullptr;  // the control that had the focus when the form was left
};

// Runs the message loop until the program ends; returns the exit code.
int RunMessageLoop();

// Ends the program at once, whatever windows are still open.
void EndProgram();

}  // namespace glyvane
