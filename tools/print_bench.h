#pragma once
// What the printing benchmarks share: a clock, the fonts both the program and the
// minimal GDI program can print, the printer to use, and the minimal program's fonts.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/system/screen_fonts.h"
#include "common/win/fonts.h"
#include "printing/gdi_printer_surface.h"

namespace print_bench {

inline double Now() {
  LARGE_INTEGER counter;
  LARGE_INTEGER frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// `count` screen fonts, taken in turn. Fonts with PostScript outlines are left out:
// the minimal program would crash Wine's printer driver with them (the program
// draws their outlines instead).
inline std::vector<std::string> PrintableFonts(int count) {
  std::vector<std::string> usable;
  for (const std::string& face : glyvane::ScreenFontNames()) {
    const glyvane::UniqueFont font = glyvane::CreateScreenFont(glyvane::FontStyle{face, 15});
    glyvane::WindowDC screen(nullptr);
    glyvane::SelectObjectGuard select(screen.get(), font.get());
    if (!glyvane::PrintsAsOutlines(screen.get())) usable.push_back(face);
  }
  std::vector<std::string> fonts;
  for (int i = 0; i < count && !usable.empty(); ++i) fonts.push_back(usable[static_cast<size_t>(i) % usable.size()]);
  return fonts;
}

inline void UsePrinter(glyvane::GdiPrinterSurface& surface, const std::string& printer) {
  for (const glyvane::PrinterInfo& info : surface.InstalledPrinters()) {
    if (info.device == printer) surface.MakeCurrent(info);
  }
}

// A font for the minimal program, the plain GDI way.
inline HFONT MakeFont(HDC dc, const char* face, double points) {
  LOGFONTA font{};
  font.lfHeight = -static_cast<LONG>(points * GetDeviceCaps(dc, LOGPIXELSY) / 72.0 + 0.5);
  font.lfCharSet = DEFAULT_CHARSET;
  std::strncpy(font.lfFaceName, face, LF_FACESIZE - 1);
  return CreateFontIndirectA(&font);
}

}  // namespace print_bench
