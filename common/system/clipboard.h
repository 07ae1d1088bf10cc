#pragma once
#include <windows.h>

#include <string>

namespace glyvane {

// Empties the clipboard and puts text on it as plain text (CF_TEXT, code page
// 1252); an empty text leaves an empty text there. Raises an AppError when the
// clipboard stays busy.
void SetClipboardText(HWND owner, const std::string& text);

}  // namespace glyvane
