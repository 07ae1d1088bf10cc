#pragma once
// The shell's item lists (PIDLs) as owned handles, and the file-system path of one.
#include <windows.h>
#include <shlobj.h>

#include <string>

#include "common/win/unique.h"

namespace glyvane {

namespace detail {
inline void FreeItemList(LPITEMIDLIST items) { CoTaskMemFree(items); }
}  // namespace detail

using UniqueItemList = Unique<HandleTraits<LPITEMIDLIST, detail::FreeItemList>>;

// The item's path (SHGetPathFromIDListA), or empty text when it has none.
std::string PathOfItemList(LPCITEMIDLIST items);

}  // namespace glyvane
