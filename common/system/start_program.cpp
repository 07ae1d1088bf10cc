#include "common/system/start_program.h"

#include <windows.h>

#include "common/system/last_error.h"
#include "common/win/unique.h"

namespace glyvane {

void StartProgram(const std::string& commandLine, int showCommand) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showCommand);
  PROCESS_INFORMATION started{};
  std::string line = commandLine;  // CreateProcessA may write into it
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
    throw LastError();
  }
  const UniqueHandle process(started.hProcess);
  const UniqueHandle thread(started.hThread);
  // The user asked for it: its window comes to the front rather than flashing in
  // the task bar.
  AllowSetForegroundWindow(started.dwProcessId);
}

}  // namespace glyvane
