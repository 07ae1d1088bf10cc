#pragma once
// Base of every top-level window ("form"). A window is described by one design row
// (class, caption, client size in twips, menu, how it is shown) beside its control
// table and its route table; this layer builds it, cracks its messages into events
// and handler calls, and keeps exceptions out of user32. A window class only declares
// its tables and writes its handlers.
#include <windows.h>

#include <exception>
#include <memory>
#include <string>
#include <utility>

#include "common/span.h"
#include "common/win/controls.h"
#include "common/win/menus.h"
#include "common/win/routes.h"
#include "common/win/unique.h"

namespace glyvane {

enum class ShowMode { Modeless, Modal };

// A window's design row.
struct FormDesign {
  const char* className;
  const char* caption;
  int clientWidth;   // twips
  int clientHeight;  // twips
  Span<ControlRow> controls;
  FontStyle font;  // the window's font, which its controls take unless their row says otherwise
  Span<MenuBarRow> menu = {};
  Span<ACCEL> accelerators = {};
  int iconId = 0;  // an icon resource of the program, 0 for none
  // A fixed dialog frame unless the design says otherwise.
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  DWORD exStyle = WS_EX_DLGMODALFRAME;
  ShowMode showMode = ShowMode::Modeless;
};

// Why a form is being unloaded, for the forms that must tell them apart.
enum class UnloadReason {
  User,   // its close box (or Alt+F4)
  Code,   // the program unloaded it
  Owner,  // its owner went away
};

class Form {
 public:
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  HWND hwnd() const { return hwnd_; }
  bool IsLoaded() const { return hwnd_ != nullptr; }
  Window window() const { return Window(hwnd_); }
  std::string Caption() const { return window().Text(); }
  void SetCaption(const std::string& caption) const { window().SetText(caption); }
  // The icon of the window's caption and task bar button, set at run time. The form
  // keeps copies of its own, so the icon given may go before the form does.
  void SetIcon(HICON icon);
  const FormDesign& design() const { return design_; }

  // Creates the window (hidden) and its controls, then runs Form_Load. An exception
  // of Form_Load leaves the form unloaded.
  void Load();
  // Shows the loaded form as its design says: modeless (shown and activated), or
  // modal (its owner disabled until the form is unloaded; returns then).
  void Show();
  // Unloads the form: Form_Unload runs and the window goes.
  void Unload();

  // Top = screen height / 2 - window height / 2, Left likewise (outer sizes).
  void CentreOnScreen() const;
  // Outer height in twips, as the forms' own code sets it.
  int OuterHeight() const;
  void SetOuterHeight(int twips) const;

  // The live form that owns a top-level window, or nullptr.
  static Form* FromHandle(HWND window);

  // Accelerators and dialog keys (Tab, access keys) for messages of this form.
  virtual bool PreTranslate(MSG& message);
  // Reports an error that reached the message barrier; the program goes on.
  virtual void ReportError(const std::exception& error);

  // Read-only access to the controls, for the windows and tests that read them.
  const ControlSet& Controls() const { return controls_; }
  Menu MainMenu() const { return Menu(GetMenu(hwnd_)); }

 protected:
  explicit Form(const FormDesign& design, const Form* owner = nullptr) : design_(design), owner_(owner) {}

  // The controls as non-owning views, as 7-Zip's CDialog::GetItem; what the layer
  // keeps per control (font, fitted caption, tooltip, twips) goes through controls_.
  Window item(int id) const { return controls_.Handle(id); }
  ListBox list(int id) const { return controls_.Handle(id); }
  CheckListBox checkList(int id) const { return controls_.Handle(id); }
  Button button(int id) const { return controls_.Handle(id); }
  Edit edit(int id) const { return controls_.Handle(id); }
  UnloadReason unloadReason() const { return unloadReason_; }
  const Form* owner() const { return owner_; }
  // Creates the window (hidden) and its controls; Load is Create, then Form_Load.
  void Create();

  // Events of the form itself.
  virtual void Form_Load() {}
  virtual void Form_Activate() {}
  // Before a close box closes the form: false keeps it.
  virtual bool Form_QueryUnload() { return true; }
  virtual void Form_Unload() {}

  // The dispatch of the route tables (FormOf below).
  virtual bool OnCommand(int id, int notification) = 0;
  virtual bool OnMouse(int id, MouseEvent event, const MouseArgs& args) = 0;
  virtual bool OnItemCheck(int id, int item) = 0;
  virtual void OnMenuOpened(int position) = 0;
  virtual bool OnTimer(int id) = 0;

  ControlSet controls_;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  MouseArgs CrackMouse(BYTE button, LPARAM lParam) const;
  void RememberFocus();
  void RestoreFocus();

  const FormDesign& design_;
  const Form* owner_;
  HWND hwnd_ = nullptr;
  HWND focus_ = nullptr;  // the control that had the focus when the form was left
  UniqueAccelerators accelerators_;
  UniqueIcon taskIcon_;     // SetIcon's copies: the task bar's and Alt+Tab's,
  UniqueIcon captionIcon_;  // and the caption's
  UnloadReason unloadReason_ = UnloadReason::Owner;
};

// A form class with its route table: F declares `static const Routes<F> kRoutes;`.
template <class F>
class FormOf : public Form {
 protected:
  using Form::Form;

  bool OnCommand(int id, int notification) override {
    for (const CommandRoute<F>& route : F::kRoutes.commands) {
      if (route.id == id && (route.notification == kAnyNotification || route.notification == notification)) {
        (self().*route.handler)();
        return true;
      }
    }
    for (const CommandRangeRoute<F>& route : F::kRoutes.commandRanges) {
      if (id >= route.firstId && id < route.firstId + route.count && route.notification == notification) {
        (self().*route.handler)(id);
        return true;
      }
    }
    return false;
  }
  bool OnMouse(int id, MouseEvent event, const MouseArgs& args) override {
    for (const MouseRoute<F>& route : F::kRoutes.mouse) {
      if (route.id == id && route.event == event) {
        (self().*route.handler)(args);
        return true;
      }
    }
    for (const ArrayMouseRoute<F>& route : F::kRoutes.arrayMouse) {
      if (id >= route.firstId && id < route.firstId + route.count && route.event == event) {
        (self().*route.handler)(id - route.firstId, args);
        return true;
      }
    }
    return false;
  }
  bool OnItemCheck(int id, int item) override {
    for (const ItemCheckRoute<F>& route : F::kRoutes.itemChecks) {
      if (route.id == id) {
        (self().*route.handler)(item);
        return true;
      }
    }
    return false;
  }
  void OnMenuOpened(int position) override {
    for (const MenuOpenRoute<F>& route : F::kRoutes.menus) {
      if (route.position == position) (self().*route.handler)();
    }
  }
  bool OnTimer(int id) override {
    for (const TimerRoute<F>& route : F::kRoutes.timers) {
      if (route.id == id) {
        (self().*route.handler)();
        return true;
      }
    }
    return false;
  }

 private:
  F& self() { return static_cast<F&>(*this); }
};

// Hands a form object whose window has gone to the message loop, which deletes it
// once no handler of it can still be running.
void RetireForm(std::unique_ptr<Form> form);

// The one instance of a window in a program: loaded by the command that first shows
// it, unloaded by its own buttons or its close box, loaded afresh (from its design)
// by the next command.
template <class T>
class FormSlot {
 public:
  FormSlot() = default;
  FormSlot(const FormSlot&) = delete;
  FormSlot& operator=(const FormSlot&) = delete;
  ~FormSlot() { Unload(); }

  // The loaded form, or nullptr.
  T* get() const { return form_ && form_->IsLoaded() ? form_.get() : nullptr; }
  explicit operator bool() const { return get() != nullptr; }

  // The loaded form, loading it first (its constructor gets args) when it is not.
  template <class... Args>
  T& Load(Args&&... args) {
    if (T* loaded = get()) return *loaded;
    if (form_) RetireForm(std::move(form_));
    form_ = std::make_unique<T>(std::forward<Args>(args)...);
    form_->Load();
    return *form_;
  }
  void Unload() {
    if (T* loaded = get()) loaded->Unload();
  }

 private:
  std::unique_ptr<T> form_;
};

// Runs the message loop until the program ends; returns the exit code.
int RunMessageLoop();

// Lets pending window events run (keys, clicks, paints), as a long job does between
// its steps so that the windows stay responsive and a cancel can come in. False once
// the program is ending (a handler meanwhile ended it): the job should stop.
bool PumpPendingMessages();

// Ends the program at once, whatever windows are still open.
void EndProgram();

}  // namespace glyvane
