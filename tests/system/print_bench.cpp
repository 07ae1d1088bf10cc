#include "print_bench.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace glyvane::test {

namespace {

constexpr int kPrinterComboId = 1139;
constexpr int kCopiesEditId = 1154;

// "Z:" maps the Unix root, which the tests' prefix keeps.
std::string DosPath(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

std::string ReadFile(const std::string& dosPath) {
  std::ifstream in(dosPath, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Utf8ToAnsi(const std::string& utf8) {
  const int wideSize = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), wideSize);
  const int size = WideCharToMultiByte(1252, 0, wide.data(), wideSize, nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(1252, 0, wide.data(), wideSize, ansi.data(), size, nullptr, nullptr);
  return ansi;
}

std::string Unique() {
  static std::atomic<unsigned> counter{0};
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  char text[64];
  std::snprintf(text, sizeof text, "%lx%llx%x", GetCurrentProcessId() & 0xFFF,
                static_cast<unsigned long long>(now.QuadPart) & 0xFFFFFFFFFFull, counter++);
  return text;
}

// An attribute's number in a pdftotext -bbox tag: name="value".
double Attribute(const std::string& tag, const std::string& name) {
  const std::size_t at = tag.find(" " + name + "=\"");
  return at == std::string::npos ? 0 : std::atof(tag.c_str() + at + name.size() + 3);
}

std::string HtmlText(std::string text) {
  const std::pair<const char*, const char*> entities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&#39;", "'"}, {"&amp;", "&"}};
  for (const auto& [entity, plain] : entities) {
    for (std::size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1)) {
      text.replace(at, std::strlen(entity), plain);
    }
  }
  return text;
}

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

struct ButtonSearch {
  const char* text;
  HWND found;
};

BOOL CALLBACK MatchButtonText(HWND window, LPARAM data) {
  auto* search = static_cast<ButtonSearch*>(reinterpret_cast<void*>(data));
  char className[32] = {};
  GetClassNameA(window, className, sizeof className);
  std::string caption = WindowText(window);
  caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
  if (lstrcmpiA(className, "Button") == 0 && caption == search->text) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindButton(HWND root, const char* text) {
  ButtonSearch search{text, nullptr};
  EnumChildWindows(root, &MatchButtonText, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Opens the printer's properties from the print dialog ("Options", Wine's
// PostScript driver), checks landscape on their paper page ("Papier") and closes
// them with OK. True when landscape was checked.
bool ChooseLandscape(HWND printDialog) {
  constexpr int kPropertiesButtonId = 1025;
  PostMessageA(printDialog, WM_COMMAND, MAKEWPARAM(kPropertiesButtonId, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(printDialog, kPropertiesButtonId)));
  HWND sheet = nullptr;
  WaitUntil([&] {
    for (const HWND window : ProcessWindows(GetCurrentProcessId(), "#32770")) {
      if (window != printDialog) sheet = window;
    }
    return sheet != nullptr;
  });
  if (!sheet) return false;
  Sleep(200);
  HWND landscape = nullptr;
  for (const char* text : {"Paysage", "Landscape"}) {
    if (!landscape) landscape = FindButton(sheet, text);
  }
  bool checked = false;
  if (landscape) {
    SendMessageA(landscape, BM_CLICK, 0, 0);
    checked = SendMessageA(landscape, BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  PostMessageA(sheet, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(sheet, IDOK)));
  WaitUntil([sheet] { return !IsWindow(sheet); });
  return checked;
}

}  // namespace

// cups-pdf cuts titles at 64 characters: this one stays under 40.
// The final "_" keeps one title from starting another.
std::string UniqueJobTitle(const std::string& what) { return "gly_" + what.substr(0, 16) + "_" + Unique() + "_"; }

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
  // Wine runs a Unix program named by its path, but its process handle does not
  // wait for it: the output file tells when it has ended.
  std::string line = "/bin/sh " + script;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string text;
  if (CreateProcessA("Z:\\bin\\sh", line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    const std::string done = DosPath(output);
    WaitUntil([&] { return GetFileAttributesA(done.c_str()) != INVALID_FILE_ATTRIBUTES; }, std::chrono::seconds(60));
    text = ReadFile(done);
    DeleteFileA(done.c_str());
  }
  DeleteFileA(DosPath(script).c_str());
  return text;
}

std::string PdfFolder() {
  // cups-pdf's "Out" folder, with ${HOME} and ${USER} of the user the jobs are
  // printed for: the Unix user this Wine runs as.
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

namespace {

// The job's number in a cups-pdf file name ("...-job_17.pdf").
int JobNumber(const std::string& name) {
  const std::size_t at = name.rfind("-job_");
  return at == std::string::npos ? 0 : std::atoi(name.c_str() + at + 5);
}

// The PDFs of the jobs with this title, in the order they were printed.
std::vector<std::string> PdfsTitled(const std::string& title) {
  // Some titles come back with a tail that cups-pdf adds.
  const std::string pattern = DosPath(PdfFolder() + "/" + title + "*-job_*.pdf");
  std::vector<std::string> found;
  WIN32_FIND_DATAA data;
  const HANDLE find = FindFirstFileA(pattern.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return found;
  do {
    found.push_back(PdfFolder() + "/" + data.cFileName);
  } while (FindNextFileA(find, &data));
  FindClose(find);
  std::sort(found.begin(), found.end(),
            [](const std::string& a, const std::string& b) { return JobNumber(a) < JobNumber(b); });
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
          if (line.rfind("Page size:", 0) == 0) std::sscanf(line.c_str() + 10, "%lf x %lf", &pdf.width, &pdf.height);
          if (line.rfind("Page rot:", 0) == 0) pdf.rotation = std::atoi(line.c_str() + 9);
        }
        return pdf.pages > 0;
      },
      std::chrono::seconds(20));
  return pdf;
}

}  // namespace

std::optional<PrintedPdf> WaitForPdf(const std::string& title, std::chrono::milliseconds timeout) {
  std::vector<PrintedPdf> pdfs = WaitForPdfs(title, 1, timeout);
  if (pdfs.empty()) return std::nullopt;
  return pdfs.front();
}

std::vector<PrintedPdf> WaitForPdfs(const std::string& title, std::size_t count, std::chrono::milliseconds timeout) {
  std::vector<std::string> found;
  WaitUntil(
      [&] {
        found = PdfsTitled(title);
        return found.size() >= count;
      },
      timeout);
  std::vector<PrintedPdf> pdfs;
  for (const std::string& path : found) pdfs.push_back(ReadPdf(path));
  return pdfs;
}

bool NoPdfTitled(const std::string& title, std::chrono::milliseconds wait) {
  Sleep(static_cast<DWORD>(wait.count()));  // a job that would come has had its time
  return PdfsTitled(title).empty();
}

std::string PrintedPdf::Text(int page) const {
  const std::string number = std::to_string(page);
  return Utf8ToAnsi(RunUnix("pdftotext -layout -enc UTF-8 -f " + number + " -l " + number + " " + Quoted(path) + " -"));
}

std::vector<PdfWord> PrintedPdf::Words(int page) const {
  const std::string number = std::to_string(page);
  const std::string html =
      RunUnix("pdftotext -bbox -enc UTF-8 -f " + number + " -l " + number + " " + Quoted(path) + " -");
  std::vector<PdfWord> words;
  for (std::size_t at = html.find("<word "); at != std::string::npos; at = html.find("<word ", at + 1)) {
    const std::size_t tagEnd = html.find('>', at);
    const std::size_t close = html.find("</word>", tagEnd);
    if (tagEnd == std::string::npos || close == std::string::npos) break;
    const std::string tag = html.substr(at, tagEnd - at);
    words.push_back({Utf8ToAnsi(HtmlText(html.substr(tagEnd + 1, close - tagEnd - 1))), Attribute(tag, "xMin"),
                     Attribute(tag, "yMin"), Attribute(tag, "xMax"), Attribute(tag, "yMax")});
  }
  return words;
}

GreyImage PrintedPdf::Grey(int page, int dpi) const {
  const std::string number = std::to_string(page);
  const std::string pgm = RunUnix("pdftoppm -gray -singlefile -r " + std::to_string(dpi) + " -f " + number +
                                  " -l " + number + " " + Quoted(path));
  // Binary PGM: "P5\n<width> <height>\n<maxval>\n" and the pixels.
  GreyImage image;
  int maxValue = 0;
  int headerLength = 0;
  if (std::sscanf(pgm.c_str(), "P5 %d %d %d%n", &image.width, &image.height, &maxValue, &headerLength) != 3) {
    return {};
  }
  const std::size_t start = static_cast<std::size_t>(headerLength) + 1;
  if (pgm.size() < start + static_cast<std::size_t>(image.width) * image.height) return {};
  image.pixels.assign(pgm.begin() + static_cast<std::ptrdiff_t>(start), pgm.end());
  return image;
}

std::string DefaultPrinterEntry() {
  char entry[512] = {};
  GetProfileStringA("windows", "device", "", entry, sizeof entry);
  return entry;
}

PrintDialogAnswer::PrintDialogAnswer(PrintDialogChoice choice)
    : thread_([this, choice] { Run(choice); }) {}

PrintDialogAnswer::~PrintDialogAnswer() {
  stop_ = true;
  thread_.join();
}

bool PrintDialogAnswer::Wait(std::chrono::milliseconds timeout) {
  return WaitUntil([this] { return done_.load(); }, timeout) && answered_;
}

void PrintDialogAnswer::Run(PrintDialogChoice choice) {
  HWND dialog = nullptr;
  while (!stop_ && !dialog) {
    for (const HWND window : ProcessWindows(GetCurrentProcessId(), "#32770")) {
      if (WindowText(window) == "Imprimer") dialog = window;
    }
    if (!dialog) Sleep(20);
  }
  if (!dialog) return;
  Sleep(100);  // let the dialog finish WM_INITDIALOG
  title = WindowText(dialog);
  const HWND combo = GetDlgItem(dialog, kPrinterComboId);
  printerShown = WindowText(combo);
  const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    char name[260] = {};
    if (SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0) < static_cast<LRESULT>(sizeof name)) {
      SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(name));
    }
    printersOffered.emplace_back(name);
  }
  bool offered = true;
  if (choice.printer) {
    const LRESULT index = SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(choice.printer->c_str()));
    offered = index != CB_ERR;
    if (offered) {
      SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
      SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kPrinterComboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    }
  }
  if (choice.landscape) landscapeChosen = ChooseLandscape(dialog);
  if (choice.copies) {
    SetDlgItemInt(dialog, kCopiesEditId, static_cast<UINT>(*choice.copies), FALSE);
  }
  const int button = offered && choice.ok ? IDOK : IDCANCEL;
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
  answered_ = offered;
  done_ = true;
}

}  // namespace glyvane::test
