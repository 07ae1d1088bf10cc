// FontTrial.exe: tries font files for Glyvane, apart from it. Some damaged fonts
// corrupt the memory of the process that draws them (the system's font code runs
// inside that process), so Glyvane hands each file to this program first and adds
// the file itself only when this program survived it.
//
// Glyvane starts it with one pipe as its standard input and output. It answers
// "ready" once set up, then reads one file path a line (ANSI code page) and answers
// "ok" after it has added the file privately, made each face the file brings
// (vertical "@" faces too), measured and drawn the characters 33 to 255 in each, on
// the screen and on the default printer (in a document it drops), and taken the file
// out again. A file that kills or stalls this program gets no answer:
// that silence is the verdict. It ends when the pipe closes.
#include <windows.h>
#include <winspool.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "common/system/font_file_names.h"
#include "common/win/fonts.h"
#include "common/win/unique.h"

namespace {

using glyvane::SelectObjectGuard;
using glyvane::UniqueBitmap;
using glyvane::UniqueDC;
using glyvane::UniqueFont;

constexpr int kFirst = 33;
constexpr int kLast = 255;
// Pixel heights on the screen: a grid cell, and the magnifier.
constexpr int kScreenHeights[] = {15, 49};
// A character table's characters, in points.
constexpr int kTablePoints = 17;
constexpr int kCanvas = 256;

// No error box and no debugger: a fault ends this program at once, which Glyvane sees.
LONG WINAPI EndQuietly(EXCEPTION_POINTERS* fault) {
  TerminateProcess(GetCurrentProcess(), fault->ExceptionRecord->ExceptionCode);
  return EXCEPTION_EXECUTE_HANDLER;
}

int CALLBACK CollectFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM data) {
  reinterpret_cast<std::set<std::string>*>(data)->insert(font->lfFaceName);
  return 1;
}

std::set<std::string> Families(HDC dc) {
  LOGFONTA query{};
  query.lfCharSet = DEFAULT_CHARSET;
  std::set<std::string> names;
  EnumFontFamiliesExA(dc, &query, &CollectFamily, reinterpret_cast<LPARAM>(&names), 0);
  return names;
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// Every use Glyvane makes of a face, at each height: its metrics, the widths and
// outlines of the characters and their drawing. The characters go to the system in
// one string: each glyph is still loaded, hinted and drawn, without one call per
// character. On a printer they are drawn as the program prints them: as text, or as
// filled outlines where the driver must not be sent the font.
void Exercise(HDC dc, const std::string& face, const std::vector<int>& heights, bool printer) {
  std::string characters;
  for (int code = kFirst; code <= kLast; ++code) characters += static_cast<char>(code);
  const int count = static_cast<int>(characters.size());
  for (const int height : heights) {
    LOGFONTA wanted{};
    wanted.lfHeight = -height;
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(wanted.lfFaceName, face.c_str(), LF_FACESIZE);
    const UniqueFont font(CreateFontIndirectA(&wanted));
    if (!font) continue;
    const SelectObjectGuard selected(dc, font.get());
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    GetOutlineTextMetricsA(dc, 0, nullptr);
    INT widths[kLast - kFirst + 1];
    GetCharWidth32A(dc, kFirst, kLast, widths);
    ABC abc[kLast - kFirst + 1];
    GetCharABCWidthsA(dc, kFirst, kLast, abc);
    SIZE size{};
    GetTextExtentPoint32A(dc, characters.data(), count, &size);
    if (printer && glyvane::PrintsAsOutlines(dc)) {
      BeginPath(dc);
      TextOutA(dc, 0, 0, characters.data(), count);
      EndPath(dc);
      FillPath(dc);
    } else {
      TextOutA(dc, 0, 0, characters.data(), count);
    }
    if (height == heights.back()) {
      const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
      for (int code = kFirst; code <= kLast; ++code) {
        GLYPHMETRICS glyph{};
        GetGlyphOutlineA(dc, static_cast<UINT>(code), GGO_NATIVE, &glyph, 0, nullptr, &identity);
      }
    }
  }
}

// The default printer's DC, nullptr without a printer: a table printed from Glyvane
// draws the font through the printer's driver, which reads the font's outlines in
// its own way (a PostScript driver sends them to the printer).
UniqueDC DefaultPrinter() {
  char name[MAX_PATH] = {};
  DWORD size = sizeof name;
  if (!GetDefaultPrinterA(name, &size)) return UniqueDC();
  return UniqueDC(CreateDCA(nullptr, name, nullptr, nullptr));
}

// Draws the faces on the printer in a document written to a scratch file and
// dropped: no printer queue sees it.
void Print(HDC printer, const std::vector<std::string>& faces) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const std::string scratch = std::string(folder) + "FontTrial-" + std::to_string(GetCurrentProcessId()) + ".prn";
  DOCINFOA document{};
  document.cbSize = sizeof document;
  document.lpszDocName = "FontTrial";
  document.lpszOutput = scratch.c_str();
  if (StartDocA(printer, &document) > 0) {
    if (StartPage(printer) > 0) {
      const std::vector<int> heights = {MulDiv(kTablePoints, GetDeviceCaps(printer, LOGPIXELSY), 72)};
      for (const std::string& face : faces) Exercise(printer, face, heights, true);
    }
    AbortDoc(printer);
  }
  DeleteFileA(scratch.c_str());
}

// `system` is the font list as this program found it: each file is taken out again
// after its trial, so the families beyond it are the file's own. A system with
// thousands of fonts makes this a lookup per family, not a list read per file.
void Try(HDC dc, HDC printer, const std::set<std::string>& system, const std::string& path) {
  if (AddFontResourceExA(path.c_str(), FR_PRIVATE, nullptr) <= 0) return;
  const std::set<std::string> after = Families(dc);
  std::vector<std::string> faces;
  for (const std::string& name : after) {
    if (!system.contains(name)) faces.push_back(name);
  }
  // A file that repeats an installed family brings no new name; its own face is
  // still the one the reader names, and its vertical twin when the system made one.
  if (const auto names = glyvane::ReadFontNamesForSystem(path)) {
    if (!Contains(faces, names->family)) faces.push_back(names->family);
    const std::string vertical = "@" + names->family;
    if (after.contains(vertical) && !Contains(faces, vertical)) faces.push_back(vertical);
  }
  const std::vector<int> heights(std::begin(kScreenHeights), std::end(kScreenHeights));
  for (const std::string& face : faces) Exercise(dc, face, heights, false);
  if (printer) Print(printer, faces);
  RemoveFontResourceExA(path.c_str(), FR_PRIVATE, nullptr);
}

bool Say(HANDLE out, const char* line) {
  DWORD written = 0;
  const DWORD length = lstrlenA(line);
  return WriteFile(out, line, length, &written, nullptr) && written == length;
}

// One line without its end; false at the end of the input.
bool ReadLine(HANDLE in, std::string& line) {
  line.clear();
  for (;;) {
    char c = 0;
    DWORD got = 0;
    if (!ReadFile(in, &c, 1, &got, nullptr) || got == 0) return false;
    if (c == '\n') return true;
    if (c != '\r') line += c;
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  SetUnhandledExceptionFilter(&EndQuietly);
  const HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);

  const UniqueDC dc(CreateCompatibleDC(nullptr));
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = kCanvas;
  format.bmiHeader.biHeight = kCanvas;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const UniqueBitmap canvas(CreateDIBSection(dc.get(), &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  const SelectObjectGuard drawnOn(dc.get(), canvas.get());
  const std::set<std::string> system = Families(dc.get());
  const UniqueDC printer = DefaultPrinter();

  if (!Say(out, "ready\n")) return 1;
  for (std::string path; ReadLine(in, path);) {
    Try(dc.get(), printer.get(), system, path);
    if (!Say(out, "ok\n")) return 1;
  }
  return 0;
}
