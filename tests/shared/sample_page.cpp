#include "tests/shared/sample_page.h"

namespace glyvane::test {

void DrawSamplePages(PrinterSurface& printer) {
  using P = SamplePlaces;
  printer.SetFontName("Times New Roman");
  printer.SetFontSize(15);
  printer.SetCurrentX(P::kTitleX);
  printer.SetCurrentY(P::kTitleY);
  printer.Print("Page d'essai : été 2 €");

  printer.SetFontName("Arial");
  printer.SetFontSize(10);
  printer.SetCurrentX(P::kBodyX);
  printer.SetCurrentY(P::kBodyY);
  printer.Print("Première ligne");
  printer.SetCurrentX(P::kBodyX);
  printer.Print("Deuxième ligne");
  printer.SetFontBold(true);
  printer.SetCurrentX(P::kBoldX);
  printer.Print("Troisième ligne");
  printer.SetFontBold(false);

  printer.Line(P::kLineX1, P::kLineY, P::kLineX2, P::kLineY, kBlack);

  printer.NewPage();
  printer.SetFontName("Times New Roman");
  printer.SetFontSize(12);
  printer.SetCurrentX(P::kSecondX);
  printer.SetCurrentY(P::kSecondY);
  printer.Print("Seconde page");
}

}  // namespace glyvane::test
