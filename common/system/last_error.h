#pragma once
// System failures as AppError: the Win32 error number and the system's own text.
#include <windows.h>

#include "common/app_error.h"

namespace glyvane {

AppError LastError(DWORD code = GetLastError());

}  // namespace glyvane
