#pragma once
// The start-up policy: every error of a step is caught and shown as
// "Erreur N°" + number + " : " + description (critical icon, the window's caption
// as title); the caller then ends the program.
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

}  // namespace glyvane
