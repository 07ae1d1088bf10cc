#pragma once
#include <string>

namespace glyvane {

// The user's decimal separator (',' in a French locale).
char UserDecimalSeparator();
// Today as "dd/mm/yyyy": two-digit day and month, four-digit year, the user's date
// separator between them.
std::string TodayDayMonthYear();

}  // namespace glyvane
