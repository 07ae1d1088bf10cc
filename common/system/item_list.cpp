#include "common/system/item_list.h"

namespace glyvane {

std::string PathOfItemList(LPCITEMIDLIST items) {
  char path[MAX_PATH] = {};
  if (!items || !SHGetPathFromIDListA(items, path)) return {};
  return path;
}

}  // namespace glyvane
