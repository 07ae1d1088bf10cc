#pragma once
// Finding the system's HTML help viewer, hh.exe, for the help command.
#include <windows.h>

#include <optional>
#include <string>

namespace glyvane {

// The command prefix that starts the viewer (its path and one blank), or empty
// text once the user has been told how to get one (a message box over owner).
std::string FindHelpViewer(HWND owner);

// The two folders the viewer is looked for in, Windows folder first.
struct HelpViewerFolders {
  std::string windows;
  std::string system;
};
// Replaces the system's folders, for tests that choose which viewers exist (Wine
// shows its own programs in the system folder even where no file lies, so a test
// cannot take them away); nullopt puts the system's folders back.
void SetHelpViewerFolders(std::optional<HelpViewerFolders> folders);

}  // namespace glyvane
