// Prints character tables to a printer and times it: the program's own printout
// (the printer surface and the table's layout), or the same page drawn with plain
// GDI calls by a minimal program, fonts made once per page. Reports the seconds from
// the first output to the document handed to the spooler, per page.
//
// usage: bench_char_tables (glyvane|minimal) FONTS PRINTER
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "common/system/screen_fonts.h"
#include "common/win/fonts.h"
#include "printing/char_table.h"
#include "printing/gdi_printer_surface.h"
#include "tools/print_bench.h"

namespace {

using print_bench::MakeFont;
using print_bench::Now;

double PrintWithTheProgram(const std::vector<std::string>& fonts, const std::string& printer) {
  glyvane::GdiPrinterSurface surface("bench_glyvane");
  print_bench::UsePrinter(surface, printer);
  glyvane::SetUpCharacterTable(surface);
  const double start = Now();
  for (size_t i = 0; i < fonts.size(); ++i) {
    if (i > 0) surface.NewPage();
    glyvane::DrawCharacterTable(surface, fonts[i]);
  }
  const double drawn = Now();
  if (!surface.EndDocument()) std::fprintf(stderr, "the printer refused the document\n");
  std::fprintf(stderr, "glyvane: drawing %.3f s, ending the document %.3f s\n", drawn - start, Now() - drawn);
  return Now() - start;
}

// The same page, written the shortest way: three fonts per page, one pen.
double PrintMinimally(const std::vector<std::string>& fonts, const std::string& printer) {
  HANDLE handle = nullptr;
  OpenPrinterA(const_cast<char*>(printer.c_str()), &handle, nullptr);
  const LONG size = DocumentPropertiesA(nullptr, handle, const_cast<char*>(printer.c_str()), nullptr, nullptr, 0);
  std::vector<char> buffer(static_cast<size_t>(size));
  auto* mode = reinterpret_cast<DEVMODEA*>(buffer.data());
  DocumentPropertiesA(nullptr, handle, const_cast<char*>(printer.c_str()), mode, nullptr, DM_OUT_BUFFER);
  mode->dmOrientation = DMORIENT_LANDSCAPE;
  mode->dmPaperSize = DMPAPER_A4;
  mode->dmColor = DMCOLOR_MONOCHROME;
  mode->dmFields |= DM_ORIENTATION | DM_PAPERSIZE | DM_COLOR;
  ClosePrinter(handle);
  const HDC dc = CreateDCA("winspool", printer.c_str(), nullptr, mode);
  const double px = GetDeviceCaps(dc, LOGPIXELSX) / 1440.0;
  const double py = GetDeviceCaps(dc, LOGPIXELSY) / 1440.0;
  auto X = [px](double twips) { return static_cast<int>(twips * px + 0.5); };
  auto Y = [py](double twips) { return static_cast<int>(twips * py + 0.5); };
  SetBkMode(dc, TRANSPARENT);
  const double start = Now();
  DOCINFOA info{sizeof info, "bench_minimal", nullptr, nullptr, 0};
  StartDocA(dc, &info);
  const HFONT title = MakeFont(dc, "Times New Roman", 15);
  const HFONT label = MakeFont(dc, "Times New Roman", 8);
  const HFONT footer = MakeFont(dc, "Times New Roman", 12);
  for (const std::string& face : fonts) {
    StartPage(dc);
    SelectObject(dc, title);
    const std::string heading = glyvane::CharacterTableTitle(face);
    TextOutA(dc, X(6500 - 75.0 * static_cast<double>(face.size())), Y(0), heading.c_str(), static_cast<int>(heading.size()));
    for (int k = 0; k < 17; ++k) {
      MoveToEx(dc, X(750), Y(550 + 600 * k), nullptr);
      LineTo(dc, X(15150), Y(550 + 600 * k));
    }
    for (int k = 0; k < 17; ++k) {
      MoveToEx(dc, X(750 + 900 * k), Y(550), nullptr);
      LineTo(dc, X(750 + 900 * k), Y(10150));
    }
    const HFONT cell = MakeFont(dc, face.c_str(), 17);
    SelectObject(dc, cell);
    for (int code = 0; code < 256; ++code) {
      const char character = static_cast<char>(code);
      TextOutA(dc, X(1060 + 900 * (code / 16)), Y(565 + 600 * (code % 16)), &character, 1);
    }
    SelectObject(dc, label);
    for (int code = 0; code < 256; ++code) {
      const std::string text = glyvane::CodeLabel(code);
      const int shift = text.size() > 4 ? 100 : 0;
      TextOutA(dc, X(1050 + 900 * (code / 16) - shift), Y(970 + 600 * (code % 16)), text.c_str(),
               static_cast<int>(text.size()));
    }
    SelectObject(dc, footer);
    TextOutA(dc, X(2250), Y(10300), glyvane::kCharacterTableFooter,
             static_cast<int>(std::strlen(glyvane::kCharacterTableFooter)));
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(cell);
    EndPage(dc);
  }
  const double drawn = Now();
  EndDoc(dc);
  const double elapsed = Now() - start;
  std::fprintf(stderr, "minimal: drawing %.3f s, ending the document %.3f s\n", drawn - start, Now() - drawn);
  DeleteObject(title);
  DeleteObject(label);
  DeleteObject(footer);
  DeleteDC(dc);
  return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: bench_char_tables (glyvane|minimal) FONTS PRINTER\n");
    return 2;
  }
  const std::string mode = argv[1];
  const std::vector<std::string> fonts = print_bench::PrintableFonts(std::atoi(argv[2]));
  const double seconds = mode == "minimal" ? PrintMinimally(fonts, argv[3]) : PrintWithTheProgram(fonts, argv[3]);
  std::printf("%s pages=%zu seconds=%.3f per_page_ms=%.2f\n", mode.c_str(), fonts.size(), seconds,
              1000 * seconds / static_cast<double>(fonts.size()));
  return 0;
}
