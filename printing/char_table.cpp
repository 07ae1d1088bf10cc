#include "printing/char_table.h"

#include "common/number_text.h"

namespace glyvane {

const char* const kCharacterTableFooter =
    "Pour utiliser cette table de caractères appuyez sur ALT et sans relacher entrez le numero du caractère "
    "choisi (ex: 0187)";

namespace {

constexpr const char* kLabelFont = "Times New Roman";

// The grid: 16 columns of 900 twips and 16 rows of 600, from (750, 550).
constexpr int kGridLeft = 750;
constexpr int kGridTop = 550;
constexpr int kColumnWidth = 900;
constexpr int kRowHeight = 600;
constexpr int kGridLines = 17;

bool HasSuffix(int code) { return (code >= 33 && code <= 126) || code == 128; }

}  // namespace

void SetUpCharacterTable(PrinterSurface& printer) {
  printer.SetColourMode(kMonochrome);
  printer.SetOrientation(kLandscape);
  printer.SetPaperSize(kPaperA4);
}

std::string CharacterTableTitle(const std::string& font) { return "Table de caractères de \"" + font + "\""; }

std::string CodeLabel(int code) {
  const std::string digits = FormatZeroPadded(code, 4);
  if (code == 128) return digits + " : €";
  if (HasSuffix(code)) return digits + " : " + std::string(1, static_cast<char>(code));
  return digits;
}

void DrawCharacterTable(PrinterSurface& printer, const std::string& font, TableSetUp setUp) {
  if (setUp == TableSetUp::OnThePage) printer.SetColourMode(kMonochrome);
  printer.SetCurrentY(0);
  printer.SetCurrentX(6500 - 75 * static_cast<double>(font.size()));
  if (setUp == TableSetUp::OnThePage) {
    printer.SetOrientation(kLandscape);
    printer.SetPaperSize(kPaperA4);
  }
  printer.SetFontName(kLabelFont);
  printer.SetFontSize(15);
  printer.Print(CharacterTableTitle(font));

  const int right = kGridLeft + kColumnWidth * (kGridLines - 1);
  const int bottom = kGridTop + kRowHeight * (kGridLines - 1);
  for (int k = 0; k < kGridLines; ++k) {
    const int y = kGridTop + kRowHeight * k;
    printer.Line(kGridLeft, y, right, y, kBlack);
  }
  for (int k = 0; k < kGridLines; ++k) {
    const int x = kGridLeft + kColumnWidth * k;
    printer.Line(x, kGridTop, x, bottom, kBlack);
  }

  for (int row = 0; row < 16; ++row) {
    for (int column = 0; column < 16; ++column) {
      printer.SetCurrentX(1060 + kColumnWidth * column);
      printer.SetCurrentY(565 + kRowHeight * row);
      printer.SetFontSize(17);
      printer.SetFontName(font);
      printer.Print(std::string(1, static_cast<char>(16 * column + row)));
    }
  }
  for (int row = 0; row < 16; ++row) {
    for (int column = 0; column < 16; ++column) {
      const int code = 16 * column + row;
      printer.SetCurrentY(970 + kRowHeight * row);
      printer.SetCurrentX(1050 + kColumnWidth * column);
      printer.SetFontSize(8);
      printer.SetFontName(kLabelFont);
      if (HasSuffix(code)) printer.SetCurrentX(printer.CurrentX() - 100);
      printer.Print(CodeLabel(code));
    }
  }

  printer.SetFontSize(12);
  printer.SetCurrentX(2250);
  printer.SetCurrentY(10300);
  printer.Print(kCharacterTableFooter);
}

}  // namespace glyvane
