#pragma once
#include "common/win/unique.h"

namespace glyvane {

// Claims the program's single-instance token. When another instance holds it, brings
// that instance's main window (className, title) to the front and returns true;
// otherwise returns false and `token` keeps the claim until it is released.
bool ActivatePreviousInstance(const char* className, const char* title, UniqueHandle& token);

}  // namespace glyvane
