#include "common/system/locale.h"

#include <windows.h>

#include <cstdio>

namespace glyvane {

char UserDecimalSeparator() {
  char separator[8] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) > 0 && separator[0]) {
    return separator[0];
  }
  return '.';
}

std::string TodayDayMonthYear() {
  char separator[8] = "/";
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, separator, sizeof separator) <= 0) separator[0] = '/';
  SYSTEMTIME now;
  GetLocalTime(&now);
  char date[32];
  snprintf(date, sizeof date, "%02u%s%02u%s%04u", now.wDay, separator, now.wMonth, separator, now.wYear);
  return date;
}

}  // namespace glyvane
