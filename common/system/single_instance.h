#pragma once
#include "common/win/unique.h"

namespace glyvane {

// Claims the single-instance token of the program named programName. When another
// instance holds it, brings that instance's main window (className, title) to the
// front and returns true; otherwise returns false and `token` keeps the claim until
// it is released.
bool ActivatePreviousInstance(const char* programName, const char* className, const char* title,
                              UniqueHandle& token);

}  // namespace glyvane
