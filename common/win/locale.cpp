#include "common/win/locale.h"

#include <windows.h>

namespace glyvane {

char UserDecimalSeparator() {
  char separator[8] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) > 0 && separator[0]) {
    return separator[0];
  }
  return '.';
}

}  // namespace glyvane
