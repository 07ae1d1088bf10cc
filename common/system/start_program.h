#pragma once
// Starting another program, as a menu command does: by its command line, with the
// window state its first window takes, nothing waited for.
#include <string>

namespace glyvane {

// Starts the command line's program; its first window shows as showCommand says
// (SW_SHOWMAXIMIZED, SW_SHOWNORMAL ...) and may take the focus from this program.
// Throws AppError (the system's error) when the program cannot start.
void StartProgram(const std::string& commandLine, int showCommand);

}  // namespace glyvane
