#pragma once
// The program's current printer as the printouts see it: a page in twips from the
// top-left corner of the printable area, y downwards, a current position and font,
// and the printer's settings, kept from one document to the next.
//
// A document starts with the first output (a text, a line or a new page) and lasts
// until EndDocument, after which the page number is 1 again. Ending a document in
// which nothing was drawn sends nothing.
#include <cstdint>
#include <string>
#include <vector>

namespace glyvane {

// A printer of the system as its default-printer entry names it.
struct PrinterInfo {
  std::string device;  // the name the user knows it by
  std::string driver;
  std::string port;

  bool operator==(const PrinterInfo& other) const {
    return device == other.device && driver == other.driver && port == other.port;
  }
};

// Colours as the system's colour references: 0x00BBGGRR.
using Colour = std::uint32_t;
constexpr Colour Rgb(unsigned red, unsigned green, unsigned blue) {
  return static_cast<Colour>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr Colour kBlack = 0;

// The settings take the system's printer codes.
constexpr int kMonochrome = 1;
constexpr int kColour = 2;
constexpr int kPortrait = 1;
constexpr int kLandscape = 2;
constexpr int kPaperA4 = 9;

class PrinterSurface {
 public:
  virtual ~PrinterSurface() = default;

  // The current printer.
  virtual PrinterInfo Current() const = 0;
  std::string DeviceName() const { return Current().device; }
  std::string DriverName() const { return Current().driver; }
  std::string Port() const { return Current().port; }
  // The installed printers in the system's order, and the choice of one of them.
  // The surface's settings and font stay as they are.
  virtual std::vector<PrinterInfo> InstalledPrinters() const = 0;
  virtual void MakeCurrent(const PrinterInfo& printer) = 0;

  // Settings. A value never set reads as the printer's own; a change made while a
  // document runs applies from the next document on.
  virtual int ColourMode() const = 0;
  virtual void SetColourMode(int mode) = 0;
  virtual int Orientation() const = 0;
  virtual void SetOrientation(int orientation) = 0;
  virtual int PaperSize() const = 0;
  virtual void SetPaperSize(int paperSize) = 0;
  virtual int Copies() const = 0;
  virtual void SetCopies(int copies) = 0;
  virtual int Duplex() const = 0;
  virtual void SetDuplex(int duplex) = 0;
  virtual int PrintQuality() const = 0;
  virtual void SetPrintQuality(int quality) = 0;
  virtual int PaperSource() const = 0;
  virtual void SetPaperSource(int source) = 0;

  // The font of the texts printed and measured from now on.
  virtual void SetFontName(const std::string& name) = 0;
  virtual void SetFontSize(double points) = 0;
  virtual void SetFontBold(bool bold) = 0;
  virtual void SetFontItalic(bool italic) = 0;
  virtual void SetFontStrikethrough(bool strikethrough) = 0;
  virtual void SetFontUnderline(bool underline) = 0;

  // The current position in twips.
  virtual double CurrentX() const = 0;
  virtual double CurrentY() const = 0;
  virtual void SetCurrentX(double x) = 0;
  virtual void SetCurrentY(double y) = 0;

  // Size of a text in twips in the current font. A text is one line, whatever bytes
  // it holds; the empty text is one line high.
  virtual double TextWidth(const std::string& text) const = 0;
  virtual double TextHeight(const std::string& text) const = 0;
  // The width of the printable area of the next page, in twips.
  virtual double PrintableWidth() const = 0;

  // Output. Each returns false when the printer refused it; the job may go on.
  // Print draws the bytes of text as the font's glyphs (codes 0, 9, 10 and 13
  // included) with its top-left corner at the current position, then moves to the
  // start of the next line (x = 0, y + the text's height).
  virtual bool Print(const std::string& text) = 0;
  // A line of the default width; the current position moves to its end.
  virtual bool Line(double x1, double y1, double x2, double y2, Colour colour) = 0;
  virtual bool NewPage() = 0;
  virtual int Page() const = 0;

  // Sends the document to the printer; the next output starts a new one at page 1.
  // False when the document failed (it is then abandoned instead).
  virtual bool EndDocument() = 0;
  // The open document could not be started: nothing of it will print.
  virtual bool DocumentFailed() const = 0;
  // Abandons the document: nothing of it is printed.
  virtual void AbortDocument() = 0;
};

}  // namespace glyvane
