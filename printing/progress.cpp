#include "printing/progress.h"

#include <cmath>

namespace glyvane {

double ProgressFraction(double fraction) {
  if (std::isnan(fraction) || fraction < 0) return 0;
  return fraction > 1 ? 1 : fraction;
}

int ProgressPercent(double fraction, bool exact) {
  const int percent = static_cast<int>(std::floor(ProgressFraction(fraction) * 100 + 0.5));
  if (!exact && percent == 0) return 1;
  if (!exact && percent == 100) return 99;
  return percent;
}

std::string ProgressText(double fraction, bool exact) { return std::to_string(ProgressPercent(fraction, exact)) + "%"; }

double ProgressOf(int done, int count) { return count > 0 ? static_cast<double>(done) / count : 0; }

}  // namespace glyvane
