#pragma once
// A two-page document that exercises what the printouts use: a title at a known
// place, texts that follow one another, a bold text, a line, and a second page.
// The unit tests read it from the recording surface; the system tests print it and
// read the PDF back.
#include "printing/printer_surface.h"

namespace glyvane::test {

// Where the sample's texts start, in twips.
struct SamplePlaces {
  static constexpr double kTitleX = 1440, kTitleY = 720;        // Times New Roman 15 pt
  static constexpr double kBodyX = 1440, kBodyY = 1800;         // Arial 10 pt, two lines
  static constexpr double kBoldX = 2880;                        // the third line, bold
  static constexpr double kLineY = 4320, kLineX1 = 1440, kLineX2 = 8640;
  static constexpr double kSecondX = 4320, kSecondY = 2880;     // page 2, Times New Roman 12 pt
};

void DrawSamplePages(PrinterSurface& printer);

}  // namespace glyvane::test
