#include "printing/font_sheet.h"

#include <algorithm>
#include <utility>

namespace glyvane {

const char* const kSampleLines[3] = {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz",
                                     "0123456789/*-+()[]#éèà@€%&"};

namespace {

constexpr const char* kHeadingFont = "Times New Roman";
constexpr double kSize = 15;
constexpr double kHeadingTop = 600;
constexpr double kHeadingCentre = 3300;
constexpr double kEntriesTop = 1500;
constexpr double kLeftColumn = 500;
constexpr double kRightColumn = 5900;
constexpr double kWidestName = 5100;
constexpr double kColumnBottom = 14900;
constexpr double kSamplesBottom = 13160;

}  // namespace

std::string LongestFittingBeginning(const PrinterSurface& printer, const std::string& name, double width) {
  // The widths grow with the length: most names fit whole, measured once; a longer
  // one is cut where a search by halves finds the last length that fits.
  if (printer.TextWidth(name) < width) return name;
  std::size_t fits = 0;
  std::size_t tooWide = name.size();
  while (tooWide - fits > 1) {
    const std::size_t middle = fits + (tooWide - fits) / 2;
    if (printer.TextWidth(name.substr(0, middle)) < width) {
      fits = middle;
    } else {
      tooWide = middle;
    }
  }
  return fits == 0 ? name : name.substr(0, fits);
}

std::string ShortenedFolder(const PrinterSurface& printer, const std::string& folder, double width, double left,
                            double printable) {
  std::string shown = folder;
  // Characters go from the middle, the drive and the last folders stay readable.
  for (std::size_t kept = folder.size(); kept > 0; --kept) {
    if (left + width + printer.TextWidth(shown) <= printable) return shown;
    const std::size_t head = (kept - 1) / 2;
    shown = folder.substr(0, head) + "..." + folder.substr(folder.size() - (kept - 1 - head));
  }
  return shown;
}

FontSheetLayout::FontSheetLayout(PrinterSurface& printer, FontSheet sheet, std::string folder,
                                 std::function<std::string()> today)
    : printer_(printer), sheet_(sheet), folder_(std::move(folder)), today_(std::move(today)) {}

void FontSheetLayout::Start() {
  column_ = kLeftColumn;
  printer_.SetColourMode(kMonochrome);
  // A character table before leaves the printer in landscape.
  printer_.SetOrientation(kPortrait);
  printer_.SetPaperSize(kPaperA4);
  Heading(1);
  printer_.SetCurrentY(kEntriesTop);
  y_ = kEntriesTop;
}

void FontSheetLayout::Heading(int page) {
  printer_.SetCurrentY(kHeadingTop);
  printer_.SetFontName(kHeadingFont);
  printer_.SetFontSize(kSize);
  const std::string text = "Liste des polices le " + today_() + " page " + std::to_string(page);
  if (folder_.empty()) {
    printer_.SetCurrentX(kHeadingCentre);
    printer_.Print(text);
    return;
  }
  // Centred on the installed fonts' heading as far as the page allows: a long path
  // would push the date off its left edge, or the path off its right one.
  const std::string tail = " du dossier " + folder_;
  const double left = std::max(0.0, kHeadingCentre - printer_.TextWidth(tail) / 2);
  const std::string folder =
      ShortenedFolder(printer_, folder_, printer_.TextWidth(text + " du dossier "), left, printer_.PrintableWidth());
  printer_.SetCurrentX(left);
  printer_.Print(text + " du dossier " + folder);
}

void FontSheetLayout::NewPage() {
  printer_.NewPage();
  Heading(printer_.Page());
  printer_.SetCurrentY(kEntriesTop);
  y_ = kEntriesTop;
}

void FontSheetLayout::Entry(const std::string& name) {
  // Whatever style the previous font left, each entry starts from a regular one.
  printer_.SetFontItalic(true);
  printer_.SetFontBold(true);
  printer_.SetFontStrikethrough(true);
  printer_.SetFontUnderline(true);
  printer_.SetFontItalic(false);
  printer_.SetFontBold(false);
  printer_.SetFontStrikethrough(false);
  printer_.SetFontUnderline(false);
  if (sheet_ == FontSheet::List) {
    ListEntry(name);
  } else {
    SampleEntry(name);
  }
}

void FontSheetLayout::ListEntry(const std::string& name) {
  printer_.SetFontName(name);
  printer_.SetFontSize(kSize);
  printer_.SetCurrentX(column_);
  y_ += printer_.TextHeight(name);
  printer_.Print(LongestFittingBeginning(printer_, name, kWidestName));
  if (column_ == kLeftColumn && y_ >= kColumnBottom) {
    column_ = kRightColumn;
    printer_.SetCurrentY(kEntriesTop);
    y_ = kEntriesTop;
  }
  if (column_ == kRightColumn && y_ >= kColumnBottom) {
    NewPage();
    column_ = kLeftColumn;
  }
}

// Never split: the page is changed only after the whole entry.
void FontSheetLayout::SampleEntry(const std::string& name) {
  printer_.SetFontName(kHeadingFont);
  y_ += printer_.TextHeight("");
  printer_.Print("");
  printer_.SetFontSize(kSize);
  printer_.SetCurrentX(kLeftColumn);
  printer_.Print(name);
  y_ += printer_.TextHeight(name);
  printer_.SetFontName(name);
  for (const char* line : kSampleLines) {
    printer_.SetCurrentX(kLeftColumn);
    printer_.Print(line);
    y_ += printer_.TextHeight(line);
  }
  if (y_ >= kSamplesBottom) NewPage();
}

}  // namespace glyvane
