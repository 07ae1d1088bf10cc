#pragma once
// The bench for printouts: the system's print dialog answered from a helper thread,
// the PDF a job produced on the CUPS PDF printers read back with poppler. Others print
// to the same CUPS at the same time, so a job is found by its title, which
// UniqueJobTitle makes unlike any other (cups-pdf names each file "<title>-job_<N>.pdf",
// at times with a tail after the title).
#include "support.h"

namespace glyvane::test {

// The test prefix's default printer (scripts/cups-printer).
inline const std::string kPdfPrinter = "PDF";

// A job title no other job has, starting with the first 16 characters of `what`.
std::string UniqueJobTitle(const std::string& what);
// The job's number in a cups-pdf file name ("...-job_17.pdf").
int JobNumber(const std::string& name);

// What to do in this process's print dialog ("Imprimer").
struct PrintDialogChoice {
  std::optional<std::string> printer = kPdfPrinter;  // picked in the printer combo
  std::optional<int> copies{};                      // typed in the copies box
  bool ok = true;                                   // "OK", or "Annuler"
};

class PrintDialogAnswer {
 public:
  explicit PrintDialogAnswer(PrintDialogChoice choice);
  // False when no dialog came or the printer to pick was not offered.
  bool Wait(std::chrono::milliseconds timeout = kPatience) const { return thread_.Wait(timeout) && offered_; }

 private:
  std::atomic<bool> offered_{false};
  DialogThread thread_;
};

// A word that pdftotext -tsv read, in points from the page's top-left corner.
struct PdfWord {
  std::string text;  // in code page 1252
  double xMin, yMin, xMax, yMax;
};

// A page rendered in grey levels, one byte a pixel (0 black), rows from the top.
struct GreyImage {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;
  // The pixels of the area (right and bottom excluded) darker than `below`; those off the page count as white.
  int Dark(RECT area, int below = 128) const;
};

struct PrintedPdf {
  std::string path;  // Unix path
  int pages = 0;
  int rotation = 0;  // degrees ("Page rot")

  std::string Text(int page) const;  // pdftotext -layout, code page 1252
  std::vector<PdfWord> Words(int page) const;
  // The first word on the page that reads `text`; when there is none, a word without a place
  // reading "<text> is not printed", so that a check of its text says what is missing.
  PdfWord Word(int page, const std::string& text) const;
  GreyImage Grey(int page, int dpi) const;
};

// Waits for `count` PDFs of jobs with this title (one job per copy); returns those
// there are by then, in the order they were printed.
std::vector<PrintedPdf> WaitForPdfs(const std::string& title, std::size_t count,
                                    std::chrono::milliseconds timeout = 60s);
inline std::optional<PrintedPdf> WaitForPdf(const std::string& title, std::chrono::milliseconds timeout = 60s) {
  std::vector<PrintedPdf> pdfs = WaitForPdfs(title, 1, timeout);
  return pdfs.empty() ? std::nullopt : std::optional(pdfs.front());
}
// Runs a Unix command line through /bin/sh and returns its standard output.
std::string RunUnix(const std::string& command);

// Section "windows", key "device".
std::string DefaultPrinterEntry();

// The default printer, which the tests choose, back as it was when the object was made.
struct KeptDefaultPrinter {
  ~KeptDefaultPrinter() { WriteProfileStringA("windows", "device", entry.c_str()); }
  const std::string entry = DefaultPrinterEntry();
};

}  // namespace glyvane::test
