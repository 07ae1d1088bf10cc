#pragma once
// Tables that route a form's commands and mouse events to its handlers, so the
// window procedure stays a lookup and each handler keeps its own name.
#include <cstddef>

#include "common/win/form.h"

namespace glyvane {

constexpr int kAnyNotification = -1;

template <class F>
struct CommandRoute {
  int id;
  int notification;  // kAnyNotification for menu items and accelerators
  void (F::*handler)();
};

template <class F>
struct MouseRoute {
  int id;
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

template <class F, size_t N>
bool RouteCommand(F& form, const CommandRoute<F> (&routes)[N], int id, int notification) {
  for (const CommandRoute<F>& route : routes) {
    if (route.id == id && (route.notification == kAnyNotification || route.notification == notification)) {
      (form.*route.handler)();
      return true;
    }
  }
  return false;
}

template <class F, size_t N>
bool RouteMouse(F& form, const MouseRoute<F> (&routes)[N], int id, MouseEvent event, const MouseArgs& args) {
  for (const MouseRoute<F>& route : routes) {
    if (route.id == id && route.event == event) {
      (form.*route.handler)(args);
      return true;
    }
  }
  return false;
}

template <class F, size_t N>
bool RouteArrayMouse(F& form, const ArrayMouseRoute<F> (&routes)[N], int id, MouseEvent event,
                     const MouseArgs& args) {
  for (const ArrayMouseRoute<F>& route : routes) {
    if (id >= route.firstId && id < route.firstId + route.count && route.event == event) {
      (form.*route.handler)(id - route.firstId, args);
      return true;
    }
  }
  return false;
}

}  // namespace glyvane
