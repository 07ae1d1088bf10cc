#pragma once
// The shell's item lists (PIDLs) as owned handles, and the file-system path of one.
#include <windows.h>
#include <shlobj.h>

#include <string>

#include "common/win/unique.h"

namespace glyvane {

using UniqueItemList = Unique<LPITEMIDLIST, CoTaskMemFree>;

// The item's path (SHGetPathFromIDListA), or empty text when it has none.
std::string PathOfItemList(LPCITEMIDLIST items);

}  // namespace glyvane
