#pragma once
// Tables that route a form's events to its handlers: each window declares which
// handler answers which control's command, mouse event, check box or timer, and the
// window layer looks them up. Handlers keep the names the design gives them.
#include "common/span.h"
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

constexpr int kAnyNotification = -1;
constexpr int kFormItself = 0;  // the control id of the form's own mouse events

template <class F>
struct CommandRoute {
  int id;
  int notification;  // kAnyNotification for menu items and accelerators
  void (F::*handler)();
};

// Buttons firstId .. firstId + count - 1 that one handler answers; it gets the id.
template <class F>
struct CommandRangeRoute {
  int firstId;
  int count;
  int notification;
  void (F::*handler)(int id);
};

template <class F>
struct MouseRoute {
  int id;  // kFormItself for the form
  MouseEvent event;
  void (F::*handler)(const MouseArgs&);
};

// A control array: ids firstId .. firstId + count - 1, the handler gets the index.
template <class F>
struct ArrayMouseRoute {
  int firstId;
  int count;
  MouseEvent event;
  void (F::*handler)(int index, const MouseArgs&);
};

// A check-box list's box changed: the handler gets the entry's index.
template <class F>
struct ItemCheckRoute {
  int id;
  void (F::*handler)(int item);
};

// A menu of the bar opens, by its position in the bar.
template <class F>
struct MenuOpenRoute {
  int position;
  void (F::*handler)();
};

template <class F>
struct TimerRoute {
  int id;
  void (F::*handler)();
};

template <class F>
struct Routes {
  Span<CommandRoute<F>> commands = {};
  Span<CommandRangeRoute<F>> commandRanges = {};
  Span<MouseRoute<F>> mouse = {};
  Span<ArrayMouseRoute<F>> arrayMouse = {};
  Span<ItemCheckRoute<F>> itemChecks = {};
  Span<MenuOpenRoute<F>> menus = {};
  Span<TimerRoute<F>> timers = {};
};

}  // namespace glyvane
