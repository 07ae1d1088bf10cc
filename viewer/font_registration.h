#pragma once
// How an installed font is recorded where the system reads its fonts from: a value
// named after the face, saying what kind of font it is, whose data is the file's name
// in the Fonts folder.
#include <string>

namespace glyvane {

// The key holding "SystemRoot" on the Windows NT family.
constexpr const char* kWindowsNtKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
constexpr const char* kSystemRootValue = "SystemRoot";
constexpr const char* kNtFontsKey = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
constexpr const char* kOtherFontsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Fonts";

// The fonts key of a system whose "SystemRoot" reads as given (empty: not NT).
const char* FontsKeyFor(const std::string& systemRoot);

// face + " (TrueType)" for a file name ending in "ttf" or "TTF" exactly, face +
// " (Plotter)" for any other ending.
std::string FontValueName(const std::string& face, const std::string& fileName);

// The name of the file a path leads to, without its folder.
std::string FileNameOf(const std::string& path);

}  // namespace glyvane
