#pragma once
// The system's folder picker, as "Parcourir ..." opens it.
#include <windows.h>

#include <string>

namespace glyvane {

// Shows the picker over owner with title above its tree, opened on startFolder; the
// chosen folder's path, or empty text when the user cancelled (or the choice has no
// file-system path).
std::string BrowseForFolder(HWND owner, const std::string& title, const std::string& startFolder);

}  // namespace glyvane
