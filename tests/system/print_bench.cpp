#include "print_bench.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace glyvane::test {

namespace {

constexpr int kPrinterComboId = 1139;
constexpr int kCopiesEditId = 1154;

std::string Unique() {
  static std::atomic<unsigned> counter{0};
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  char text[64];
  std::snprintf(text, sizeof text, "%lx%llx%x", GetCurrentProcessId() & 0xFFF,
                static_cast<unsigned long long>(now.QuadPart) & 0xFFFFFFFFFFull, counter++);
  return text;
}

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

// pdftotext's text to standard output, in the tests' code page.
const char* const kInCodePage1252 = " - | iconv -f UTF-8 -t CP1252//TRANSLIT";

// cups-pdf's "Out" folder, with ${HOME} and ${USER} of the user the jobs are
// printed for: the Unix user this Wine runs as.
std::string PdfFolder() {
  static const std::string folder = [] {
    std::string text = RunUnix(
        "out=$(sed -n 's/^Out[[:space:]]*//p' /etc/cups/cups-pdf.conf | tail -n 1)\n"
        "[ -n \"$out\" ] || out='${HOME}/PDF'\n"
        "user=$(id -un); home=$(getent passwd \"$user\" | cut -d: -f6)\n"
        "printf '%s' \"$out\" | sed \"s|\\${HOME}|$home|g; s|\\${USER}|$user|g\"\n");
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    return text;
  }();
  return folder;
}

// The PDFs of the jobs with this title, in the order they were printed. Some titles
// come back with a tail that cups-pdf adds.
std::vector<std::string> PdfsTitled(const std::string& title) {
  std::vector<std::string> found = FilesIn(DosPath(PdfFolder()), (title + "*-job_*.pdf").c_str());
  std::sort(found.begin(), found.end(),
            [](const std::string& a, const std::string& b) { return JobNumber(a) < JobNumber(b); });
  for (std::string& name : found) name = PdfFolder() + "/" + name;
  return found;
}

PrintedPdf ReadPdf(const std::string& path) {
  // cups-pdf writes the file as it converts: wait until pdfinfo reads it whole.
  PrintedPdf pdf;
  pdf.path = path;
  WaitUntil(
      [&] {
        std::istringstream info(RunUnix("pdfinfo " + Quoted(path)));
        for (std::string line; std::getline(info, line);) {
          if (line.rfind("Pages:", 0) == 0) pdf.pages = std::atoi(line.c_str() + 6);
          if (line.rfind("Page rot:", 0) == 0) pdf.rotation = std::atoi(line.c_str() + 9);
        }
        return pdf.pages > 0;
      },
      std::chrono::seconds(20));
  return pdf;
}

std::string OnePage(const std::string& tool, const std::string& path, int page, const std::string& tail = "") {
  const std::string number = std::to_string(page);
  return RunUnix(tool + " -f " + number + " -l " + number + " " + Quoted(path) + tail);
}

}  // namespace

// cups-pdf cuts titles at 64 characters: this one stays under 40, in letters, digits
// and "_" that it keeps as they are. The final "_" keeps one title from starting another.
std::string UniqueJobTitle(const std::string& what) { return "gly_" + what.substr(0, 16) + "_" + Unique() + "_"; }

int JobNumber(const std::string& name) { return std::atoi(name.c_str() + name.rfind("-job_") + 5); }

std::string RunUnix(const std::string& command) {
  const std::string base = "/tmp/glyvane-bench-" + Unique();
  const std::string script = base + ".sh";
  const std::string output = base + ".out";
  {
    // The output appears whole, once the command has ended.
    std::ofstream out(DosPath(script), std::ios::binary);
    out << "{\n" << command << "\n} >" << Quoted(output + ".part") << " 2>/dev/null </dev/null\n"
        << "mv " << Quoted(output + ".part") << " " << Quoted(output) << "\n";
  }
  // Wine runs a Unix program named by its path but gives no handles for it: the
  // output file tells when it has ended. The handles it fills in are whatever its
  // stack held, at times one of this process's own (standard output, whose loss
  // silenced every later line of the test's report), so they are never closed.
  std::string line = "/bin/sh " + script;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::ostringstream text;
  if (CreateProcessA("Z:\\bin\\sh", line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    const std::string done = DosPath(output);
    WaitUntil([&] { return GetFileAttributesA(done.c_str()) != INVALID_FILE_ATTRIBUTES; }, std::chrono::seconds(60));
    text << std::ifstream(done, std::ios::binary).rdbuf();
    DeleteFileA(done.c_str());
  }
  DeleteFileA(DosPath(script).c_str());
  return text.str();
}

std::vector<PrintedPdf> WaitForPdfs(const std::string& title, std::size_t count, std::chrono::milliseconds timeout) {
  std::vector<std::string> found;
  WaitUntil([&] { return (found = PdfsTitled(title)).size() >= count; }, timeout);
  std::vector<PrintedPdf> pdfs;
  for (const std::string& path : found) pdfs.push_back(ReadPdf(path));
  return pdfs;
}

std::string PrintedPdf::Text(int page) const {
  return OnePage("pdftotext -layout -enc UTF-8", path, page, kInCodePage1252);
}

std::vector<PdfWord> PrintedPdf::Words(int page) const {
  std::istringstream table(OnePage("pdftotext -tsv -enc UTF-8", path, page, kInCodePage1252));
  std::vector<PdfWord> words;
  // level page paragraph block line word left top width height confidence text; words are level 5.
  for (std::string row; std::getline(table, row);) {
    int level = 0;
    int textAt = 0;
    double left, top, wide, high;
    if (std::sscanf(row.c_str(), "%d %*d %*d %*d %*d %*d %lf %lf %lf %lf %*d %n", &level, &left, &top, &wide, &high,
                    &textAt) == 5 && level == 5) {
      words.push_back({row.substr(static_cast<std::size_t>(textAt)), left, top, left + wide, top + high});
    }
  }
  return words;
}

PdfWord PrintedPdf::Word(int page, const std::string& text) const {
  for (const PdfWord& word : Words(page)) {
    if (word.text == text) return word;
  }
  return {text + " is not printed", 0, 0, 0, 0};
}

int GreyImage::Dark(RECT area, int below) const {
  int dark = 0;
  for (LONG y = std::max(area.top, 0L); y < std::min(area.bottom, static_cast<LONG>(height)); ++y) {
    for (LONG x = std::max(area.left, 0L); x < std::min(area.right, static_cast<LONG>(width)); ++x) {
      dark += pixels[static_cast<std::size_t>(y) * width + x] < below ? 1 : 0;
    }
  }
  return dark;
}

GreyImage PrintedPdf::Grey(int page, int dpi) const {
  const std::string pgm = OnePage("pdftoppm -gray -singlefile -r " + std::to_string(dpi), path, page);
  // Binary PGM: "P5\n<width> <height>\n<maxval>\n" and the pixels.
  GreyImage image;
  int maxValue = 0;
  int header = 0;
  if (std::sscanf(pgm.c_str(), "P5 %d %d %d%n", &image.width, &image.height, &maxValue, &header) != 3 ||
      pgm.size() < static_cast<std::size_t>(header + 1 + image.width * image.height)) {
    return {};
  }
  image.pixels.assign(pgm.begin() + header + 1, pgm.end());
  return image;
}

std::string DefaultPrinterEntry() {
  char entry[512] = {};
  GetProfileStringA("windows", "device", "", entry, sizeof entry);
  return entry;
}

PrintDialogAnswer::PrintDialogAnswer(PrintDialogChoice choice)
    : thread_(GetCurrentProcessId(), "Imprimer", [this, choice](HWND dialog) {
        const HWND combo = GetDlgItem(dialog, kPrinterComboId);
        LRESULT index = 0;
        if (choice.printer) {
          index = SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(choice.printer->c_str()));
          SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
          SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kPrinterComboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
        }
        if (choice.copies) SetDlgItemInt(dialog, kCopiesEditId, static_cast<UINT>(*choice.copies), FALSE);
        offered_ = index != CB_ERR;
        Press(dialog, offered_ && choice.ok ? IDOK : IDCANCEL);
      }) {}

}  // namespace glyvane::test
