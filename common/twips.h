#pragma once
// Positions and sizes are kept in twips (1440 per inch) as the layouts give them and
// turned into pixels with the screen's twips per pixel (15 at 96 dpi) only when a
// window is placed.
#include <cmath>

namespace glyvane {

constexpr double kTwipsPerInch = 1440.0;

// A control's place in twips, relative to its container.
struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

inline double TwipsPerPixel(int pixelsPerInch) { return kTwipsPerInch / pixelsPerInch; }

inline int TwipsToPixels(double twips, double twipsPerPixel) {
  return static_cast<int>(std::lround(twips / twipsPerPixel));
}

// Rounds to the nearest integer, a half to the even neighbour (2.5 -> 2, 3.5 -> 4),
// as the Basic conversions of the hover index do.
inline long RoundHalfEven(double value) {
  const double floor = std::floor(value);
  const double diff = value - floor;
  long result = static_cast<long>(floor);
  if (diff > 0.5 || (diff == 0.5 && (result % 2 != 0))) ++result;
  return result;
}

}  // namespace glyvane
