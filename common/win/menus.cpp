#include "common/win/menus.h"

#include <vector>

namespace glyvane {

namespace {

UniqueMenu BuildPopup(Span<MenuRow> items) {
  UniqueMenu popup(CreatePopupMenu());
  for (const MenuRow& item : items) {
    if (item.id == 0) {
      AppendMenuA(popup.get(), MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING;
    if (item.flags & kMenuChecked) flags |= MF_CHECKED;
    if (item.flags & kMenuGreyed) flags |= MF_GRAYED;
    AppendMenuA(popup.get(), flags, static_cast<UINT_PTR>(item.id), item.caption);
  }
  return popup;
}

char UpperCase(char c) {
  return static_cast<char>(reinterpret_cast<UINT_PTR>(
      CharUpperA(reinterpret_cast<char*>(static_cast<UINT_PTR>(static_cast<unsigned char>(c))))));
}

}  // namespace

UniqueMenu BuildMenuBar(Span<MenuBarRow> menus) {
  UniqueMenu bar(CreateMenu());
  for (const MenuBarRow& menu : menus) {
    UniqueMenu popup = BuildPopup(menu.items);
    // The bar owns the popup from here on.
    if (AppendMenuA(bar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(popup.get()), menu.caption)) popup.release();
  }
  return bar;
}

LRESULT MenuItemByFirstLetter(HMENU menu, char typed) {
  const int count = GetMenuItemCount(menu);
  std::vector<int> matches;
  int highlighted = -1;
  for (int i = 0; i < count; ++i) {
    char caption[128] = {};
    if (GetMenuStringA(menu, static_cast<UINT>(i), caption, sizeof caption, MF_BYPOSITION) > 0 &&
        UpperCase(caption[0]) == UpperCase(typed)) {
      matches.push_back(i);
    }
    if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) highlighted = i;
  }
  if (matches.empty()) return MAKELRESULT(0, MNC_IGNORE);
  if (matches.size() == 1) return MAKELRESULT(matches.front(), MNC_EXECUTE);
  for (int match : matches) {
    if (match > highlighted) return MAKELRESULT(match, MNC_SELECT);
  }
  return MAKELRESULT(matches.front(), MNC_SELECT);
}

}  // namespace glyvane
