#pragma once
// Menus declared as data (one row per item, as the menu tables give them) and built
// into a menu bar, and the first-letter keys of menus whose captions carry no "&".
#include <windows.h>

#include "common/span.h"
#include "common/win/unique.h"

namespace glyvane {

enum MenuFlag : unsigned {
  kMenuChecked = 1u << 0,
  kMenuGreyed = 1u << 1,
};

// One item of a menu; id 0 is a separator. The shortcut text, if any, follows a tab
// in the caption ("Copier\tCtrl+C"); the key itself is an accelerator of the form.
struct MenuRow {
  int id;
  const char* caption;
  unsigned flags;
};

// One menu of the bar with its items.
struct MenuBarRow {
  const char* caption;
  Span<MenuRow> items;
};

// The menu bar, owned until a window takes it (SetMenu or CreateWindow), after which
// the window destroys it with itself.
UniqueMenu BuildMenuBar(Span<MenuBarRow> menus);

// The answer to WM_MENUCHAR: the item (or menu of the bar) whose caption begins with
// the typed letter. Where several share it, each press moves to the next of them.
LRESULT MenuItemByFirstLetter(HMENU menu, char typed);

// A non-owning view of a menu: items by id.
class Menu {
 public:
  Menu(HMENU handle = nullptr) : handle_(handle) {}  // NOLINT: a view converts freely
  HMENU handle() const { return handle_; }
  bool IsChecked(int id) const { return (GetMenuState(handle_, Id(id), MF_BYCOMMAND) & MF_CHECKED) != 0; }
  void SetChecked(int id, bool checked) const {
    CheckMenuItem(handle_, Id(id), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
  }
  bool IsEnabled(int id) const {
    return (GetMenuState(handle_, Id(id), MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
  }
  void SetEnabled(int id, bool enabled) const {
    EnableMenuItem(handle_, Id(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
  }

 private:
  static UINT Id(int id) { return static_cast<UINT>(id); }
  HMENU handle_;
};

}  // namespace glyvane
