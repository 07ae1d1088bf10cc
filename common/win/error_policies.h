#pragma once
// The programs' error policies, each one small mechanism:
//  - start-up: every error of a step is caught and shown as "Erreur N°" + number +
//    " : " + description (critical icon, the window's caption as title); the caller
//    then ends the program;
//  - steps whose errors are ignored (a dialog's panels and caption once it is shown):
//    the error is dropped and the handler goes on;
//  - everywhere else no error is expected: the window layer's barrier reports it.
#include <windows.h>

#include <exception>
#include <string>

#include "common/app_error.h"
#include "common/win/dialogs.h"

namespace glyvane {

template <typename Step>
bool TrapStartupErrors(HWND owner, const std::string& title, Step&& step) {
  try {
    step();
    return true;
  } catch (const AppError& error) {
    ShowMessage(owner, ErrorMessageText(error), title, MessageIcon::Critical);
  } catch (const std::exception& error) {
    ShowMessage(owner, ErrorMessageText(AppError(0, error.what())), title, MessageIcon::Critical);
  }
  return false;
}

template <typename Step>
void IgnoreErrors(Step&& step) noexcept {
  try {
    step();
  } catch (...) {  // NOLINT: dropping every error is this policy
  }
}

}  // namespace glyvane
