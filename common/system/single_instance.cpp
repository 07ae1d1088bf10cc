#include "common/system/single_instance.h"

#include <windows.h>

#include <string>

namespace glyvane {

namespace {

struct Search {
  const char* className;
  const char* title;
  HWND found = nullptr;
};

BOOL CALLBACK FindOtherInstance(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId()) return TRUE;
  char className[64] = {};
  char title[128] = {};
  GetClassNameA(window, className, sizeof className);
  GetWindowTextA(window, title, sizeof title);
  if (lstrcmpA(className, search->className) == 0 && lstrcmpA(title, search->title) == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

bool ActivatePreviousInstance(const char* programName, const char* className, const char* title,
                              UniqueHandle& token) {
  const std::string name = std::string("Local\\Orvex.") + programName + ".Instance";
  UniqueHandle mutex(CreateMutexA(nullptr, FALSE, name.c_str()));
  if (!mutex) return false;  // no token to be had: run rather than refuse to start
  if (GetLastError() != ERROR_ALREADY_EXISTS) {
    token = std::move(mutex);
    return false;
  }
  Search search{className, title};
  EnumWindows(&FindOtherInstance, reinterpret_cast<LPARAM>(&search));
  if (search.found) {
    if (IsIconic(search.found)) ShowWindow(search.found, SW_RESTORE);
    SetForegroundWindow(search.found);
  }
  return true;
}

}  // namespace glyvane
