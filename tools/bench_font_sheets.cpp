// Times the font-list printouts on a printer.
//
//   page PRINTER NAMES: one page of the installed-font list (NAMES names in two
//     columns), printed by the program (printer surface and layout) and by a
//     minimal program with plain GDI calls, one font made per name; ms per page.
//   folder PRINTER FOLDER FILES EXTRA: the list of the first FILES font files of
//     FOLDER (each made printable, printed, removed), then the same once the EXTRA
//     next files of FOLDER are added to the font table; ms per file of each.
//   trial PRINTER FOLDER FILES: the list of the first FILES font files of FOLDER
//     printed twice in one process: first with every file tried in the trial
//     process, then again once each file's verdict is known, as without trials; ms
//     per file of each. The second pass also finds the files in the system's caches,
//     so the figure errs on the side of a dearer trial.
#include <windows.h>
#include <winspool.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "common/system/font_trial.h"
#include "common/system/screen_fonts.h"
#include "common/win/fonts.h"
#include "printing/font_sheet.h"
#include "printing/gdi_printer_surface.h"
#include "tests/system/print_bench.h"
#include "tools/print_bench.h"
#include "viewer/font_file_face.h"

namespace {

using print_bench::Now;
using print_bench::UsePrinter;

std::string Today() { return "07/12/2026"; }

// cups-pdf turns each finished job into a PDF with Ghostscript, which would otherwise
// share the processor with the next measurement: each pass waits for the queues to empty.
void WaitForIdleQueues() {
  glyvane::test::RunUnix("while [ -n \"$(lpstat -o 2>/dev/null)\" ]; do sleep 0.2; done");
}

double ProgramPage(const std::vector<std::string>& names, const std::string& printer) {
  glyvane::GdiPrinterSurface surface("bench_sheet_glyvane");
  UsePrinter(surface, printer);
  const double start = Now();
  glyvane::FontSheetLayout layout(surface, glyvane::FontSheet::List, "", &Today);
  layout.Start();
  for (const std::string& name : names) layout.Entry(name);
  surface.EndDocument();
  return Now() - start;
}

// The same page the shortest way: each name in its font at its place, no cut.
double MinimalPage(const std::vector<std::string>& names, const std::string& printer) {
  const HDC dc = CreateDCA("winspool", printer.c_str(), nullptr, nullptr);
  const double px = GetDeviceCaps(dc, LOGPIXELSX) / 1440.0;
  const double py = GetDeviceCaps(dc, LOGPIXELSY) / 1440.0;
  SetBkMode(dc, TRANSPARENT);
  const double start = Now();
  DOCINFOA info{sizeof info, "bench_sheet_minimal", nullptr, nullptr, 0};
  StartDocA(dc, &info);
  StartPage(dc);
  const HFONT heading = print_bench::MakeFont(dc, "Times New Roman", 15);
  SelectObject(dc, heading);
  const std::string title = "Liste des polices le " + Today() + " page 1";
  TextOutA(dc, static_cast<int>(3300 * px), static_cast<int>(600 * py), title.c_str(), static_cast<int>(title.size()));
  double x = 500;
  double y = 1500;
  for (const std::string& name : names) {
    const HFONT font = print_bench::MakeFont(dc, name.c_str(), 15);
    SelectObject(dc, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    TextOutA(dc, static_cast<int>(x * px), static_cast<int>(y * py), name.c_str(), static_cast<int>(name.size()));
    y += metrics.tmHeight / py;
    if (y >= 14900) {
      x = 5900;
      y = 1500;
    }
    SelectObject(dc, heading);
    DeleteObject(font);
  }
  EndPage(dc);
  EndDoc(dc);
  const double elapsed = Now() - start;
  DeleteObject(heading);
  DeleteDC(dc);
  return elapsed;
}

std::vector<std::string> FontFiles(const std::string& folder) {
  std::vector<std::string> files;
  WIN32_FIND_DATAA found;
  const HANDLE find = FindFirstFileA((folder + "\\*.ttf").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return files;
  do files.push_back(folder + "\\" + found.cFileName);
  while (FindNextFileA(find, &found));
  FindClose(find);
  std::sort(files.begin(), files.end());
  return files;
}

// The folder printout's loop: each file made printable, its entry printed, removed.
double FolderPerFile(const std::vector<std::string>& files, const std::string& printer) {
  glyvane::GdiPrinterSurface surface("bench_sheet_folder");
  UsePrinter(surface, printer);
  const double start = Now();
  const glyvane::InstalledFaces installed(glyvane::ScreenFontNames());
  const glyvane::ExpectedFontFiles expected(files);
  glyvane::FontSheetLayout layout(surface, glyvane::FontSheet::List, "C:\\bench", &Today);
  layout.Start();
  std::optional<glyvane::TemporaryFont> held;
  for (const std::string& file : files) {
    if (held) held->Leave([] {});
    held.reset();
    glyvane::FontFileFace font = glyvane::MakeFontFilePrintable(file, installed);
    if (font.font) held.emplace(std::move(*font.font));
    if (font.outcome == glyvane::FontFileFace::Outcome::Usable) layout.Entry(font.face);
  }
  held.reset();
  surface.EndDocument();
  return (Now() - start) / static_cast<double>(files.size());
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "page" && argc == 4) {
    const std::vector<std::string> names = print_bench::PrintableFonts(std::atoi(argv[3]));
    const double program = ProgramPage(names, argv[2]);
    const double minimal = MinimalPage(names, argv[2]);
    std::printf("page names=%zu program_ms=%.1f minimal_ms=%.1f\n", names.size(), 1000 * program, 1000 * minimal);
    return 0;
  }
  if (mode == "folder" && argc == 6) {
    const std::vector<std::string> all = FontFiles(argv[3]);
    const size_t count = std::min(all.size(), static_cast<size_t>(std::atoi(argv[4])));
    const size_t extra = std::min(all.size() - count, static_cast<size_t>(std::atoi(argv[5])));
    const std::vector<std::string> files(all.begin(), all.begin() + static_cast<long>(count));
    WaitForIdleQueues();
    const double normal = FolderPerFile(files, argv[2]);
    for (size_t i = count; i < count + extra; ++i) AddFontResourceA(all[i].c_str());
    WaitForIdleQueues();
    const double crowded = FolderPerFile(files, argv[2]);
    for (size_t i = count; i < count + extra; ++i) RemoveFontResourceA(all[i].c_str());
    std::printf("folder files=%zu extra_fonts=%zu normal_ms=%.2f crowded_ms=%.2f ratio=%.2f\n", count, extra,
                1000 * normal, 1000 * crowded, crowded / normal);
    return 0;
  }
  if (mode == "trial" && argc == 5) {
    const std::vector<std::string> all = FontFiles(argv[3]);
    const size_t count = std::min(all.size(), static_cast<size_t>(std::atoi(argv[4])));
    const std::vector<std::string> files(all.begin(), all.begin() + static_cast<long>(count));
    WaitForIdleQueues();
    const double tried = FolderPerFile(files, argv[2]);
    WaitForIdleQueues();
    const double known = FolderPerFile(files, argv[2]);
    std::printf("trial files=%zu tried_ms=%.2f known_ms=%.2f ratio=%.2f\n", count, 1000 * tried, 1000 * known,
                tried / known);
    return 0;
  }
  std::fprintf(stderr,
               "usage: bench_font_sheets page PRINTER NAMES | folder PRINTER FOLDER FILES EXTRA"
               " | trial PRINTER FOLDER FILES\n");
  return 2;
}
