#pragma once
// The printer surface on a real printer: a printer DC made from the printer's own
// full settings (DocumentPropertiesA) with the surface's settings merged in, drawn
// on with GDI in the printer's pixels, from twips.
#include <windows.h>

#include <string>
#include <vector>

#include "common/win/unique.h"
#include "printing/printer_surface_base.h"

namespace glyvane {

class GdiPrinterSurface final : public PrinterSurfaceBase {
 public:
  // Starts on the system's default printer; documentName titles every job (it is
  // the name the spooler and the printer's queue show).
  explicit GdiPrinterSurface(std::string documentName);
  // A document still open is sent.
  ~GdiPrinterSurface() override;
  GdiPrinterSurface(const GdiPrinterSurface&) = delete;
  GdiPrinterSurface& operator=(const GdiPrinterSurface&) = delete;

  void SetDocumentName(std::string name) { documentName_ = std::move(name); }
  const std::string& DocumentName() const { return documentName_; }

  PrinterInfo Current() const override { return current_; }
  std::vector<PrinterInfo> InstalledPrinters() const override;
  // Ends the open document first: it belongs to the previous printer.
  void MakeCurrent(const PrinterInfo& printer) override;

  double TextWidth(const std::string& text) const override;
  double TextHeight(const std::string& text) const override;
  double PrintableWidth() const override;

  // The settings the next document is made with: the printer's own, the surface's
  // merged in. Empty when the printer cannot be opened.
  std::vector<char> DocumentMode() const;

 protected:
  void SettingsChanged() override;
  void FontChanged() override;
  int PrinterDefault(PrinterSetting setting) const override;
  bool StartDocument() override;
  bool DrawText(double x, double y, const std::string& text) override;
  bool DrawLine(double x1, double y1, double x2, double y2, Colour colour) override;
  bool BreakPage() override;
  bool FinishDocument() override;
  void AbandonDocument() override;

 private:
  // The printer's DC, made on first need; nullptr when the printer has none.
  HDC Dc() const;
  void SelectFont() const;
  void DropDc();
  const std::vector<char>& PrinterMode() const;
  int ToPixelsX(double twips) const;
  int ToPixelsY(double twips) const;

  std::string documentName_;
  PrinterInfo current_;
  int jobId_ = 0;
  mutable std::vector<char> printerMode_;  // the printer's own DEVMODE, read once per printer
  // Declared before the DC: destroyed after it, once the DC no longer holds it.
  mutable UniqueFont font_;
  mutable bool fontStale_ = true;
  mutable bool drawAsOutlines_ = false;  // the font is one the driver cannot be sent
  mutable UniqueDC dc_;
  mutable int pixelsPerInchX_ = 0;
  mutable int pixelsPerInchY_ = 0;
};

// The program's current printer: one per process, made on first use, on the
// system's default printer, its jobs titled with the program's name.
GdiPrinterSurface& ProgramPrinter();

}  // namespace glyvane
