#pragma once
// The two printouts of a whole font source, on A4 portrait under a dated, numbered
// heading: the font list (each name in its own font, in two columns) and the sample
// sheet (each name followed by three lines of characters in its font, one column).
#include <functional>
#include <string>

#include "printing/printer_surface.h"

namespace glyvane {

enum class FontSheet { List, Samples };

// The three sample lines, printed in the entry's font.
extern const char* const kSampleLines[3];

// The longest beginning of name narrower than `width` in the printer's current font;
// the whole name when not even its first character is.
std::string LongestFittingBeginning(const PrinterSurface& printer, const std::string& name, double width);

// The folder path as the heading shows it: whole, or with its middle replaced by
// "..." so that a heading of `width` for the rest (in the current font) plus the
// path, started at `left`, stays within `printable`.
std::string ShortenedFolder(const PrinterSurface& printer, const std::string& folder, double width, double left,
                            double printable);

class FontSheetLayout {
 public:
  // folder: empty for the installed fonts, otherwise the folder the files come
  // from, as the heading names it. today: the date as the heading writes it, asked
  // anew at each page.
  FontSheetLayout(PrinterSurface& printer, FontSheet sheet, std::string folder, std::function<std::string()> today);

  // Sets the printer up and prints the first page's heading.
  void Start();
  // One font, drawn in its own font; a new column or page follows when this one is
  // full.
  void Entry(const std::string& name);

 private:
  void Heading(int page);
  void ListEntry(const std::string& name);
  void SampleEntry(const std::string& name);
  void NewPage();

  PrinterSurface& printer_;
  FontSheet sheet_;
  std::string folder_;
  std::function<std::string()> today_;
  double column_ = 0;
  double y_ = 0;  // where the next entry begins
};

}  // namespace glyvane
