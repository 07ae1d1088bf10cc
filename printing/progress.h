#pragma once
// The percentage of the progress bar: what it reads and how far it is filled.
#include <string>

namespace glyvane {

// The part done, kept within [0, 1]; a value that is not a number counts as nothing.
double ProgressFraction(double fraction);

// The whole percentage, half rounded up. Unless exact, the bar never claims to be
// at the start or the end: 0 reads 1 and 100 reads 99.
int ProgressPercent(double fraction, bool exact);

// "37%".
std::string ProgressText(double fraction, bool exact);

// The part i of count done, in floating point (in whole numbers it would always
// be 0 before the end); 0 when there is nothing to do.
double ProgressOf(int done, int count);

}  // namespace glyvane
