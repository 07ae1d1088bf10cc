#pragma once
#include <string>

namespace glyvane {

// The folder of the running executable, without a trailing "\".
std::string ProgramFolder();

// path with "\" appended when it does not end with one.
std::string WithTrailingBackslash(std::string path);

}  // namespace glyvane
