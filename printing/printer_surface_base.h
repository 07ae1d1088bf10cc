#pragma once
// What every printer surface keeps the same way: the settings chosen through it,
// the font, the current position, the page number and the document's life. An
// implementation only says how to put things on paper and what the printer's own
// settings are.
#include <array>
#include <optional>
#include <string>

#include "printing/printer_surface.h"

namespace glyvane {

struct PrinterFont {
  std::string name = "Arial";
  double size = 10;  // points
  bool bold = false;
  bool italic = false;
  bool strikethrough = false;
  bool underline = false;
};

enum class PrinterSetting { ColourMode, Orientation, PaperSize, Copies, Duplex, PrintQuality, PaperSource };
constexpr std::size_t kPrinterSettingCount = 7;

class PrinterSurfaceBase : public PrinterSurface {
 public:
  int ColourMode() const override { return Setting(PrinterSetting::ColourMode); }
  void SetColourMode(int mode) override { Set(PrinterSetting::ColourMode, mode, "SetColourMode"); }
  int Orientation() const override { return Setting(PrinterSetting::Orientation); }
  void SetOrientation(int value) override { Set(PrinterSetting::Orientation, value, "SetOrientation"); }
  int PaperSize() const override { return Setting(PrinterSetting::PaperSize); }
  void SetPaperSize(int value) override { Set(PrinterSetting::PaperSize, value, "SetPaperSize"); }
  int Copies() const override { return Setting(PrinterSetting::Copies); }
  void SetCopies(int value) override { Set(PrinterSetting::Copies, value, "SetCopies"); }
  int Duplex() const override { return Setting(PrinterSetting::Duplex); }
  void SetDuplex(int value) override { Set(PrinterSetting::Duplex, value, "SetDuplex"); }
  int PrintQuality() const override { return Setting(PrinterSetting::PrintQuality); }
  void SetPrintQuality(int value) override { Set(PrinterSetting::PrintQuality, value, "SetPrintQuality"); }
  int PaperSource() const override { return Setting(PrinterSetting::PaperSource); }
  void SetPaperSource(int value) override { Set(PrinterSetting::PaperSource, value, "SetPaperSource"); }

  void SetFontName(const std::string& name) override;
  void SetFontSize(double points) override;
  void SetFontBold(bool bold) override { SetFontFlag(&PrinterFont::bold, bold, "SetFontBold"); }
  void SetFontItalic(bool italic) override { SetFontFlag(&PrinterFont::italic, italic, "SetFontItalic"); }
  void SetFontStrikethrough(bool strikethrough) override {
    SetFontFlag(&PrinterFont::strikethrough, strikethrough, "SetFontStrikethrough");
  }
  void SetFontUnderline(bool underline) override {
    SetFontFlag(&PrinterFont::underline, underline, "SetFontUnderline");
  }

  double CurrentX() const override { return x_; }
  double CurrentY() const override { return y_; }
  void SetCurrentX(double x) override;
  void SetCurrentY(double y) override;

  // Unless the printer says otherwise: an A4 sheet less margins of about 6 mm.
  double PrintableWidth() const override { return Orientation() == kLandscape ? 16000 : 11000; }

  bool Print(const std::string& text) override;
  bool Line(double x1, double y1, double x2, double y2, Colour colour) override;
  bool NewPage() override;
  int Page() const override { return page_; }
  bool EndDocument() override;
  bool DocumentFailed() const override { return failed_; }
  void AbortDocument() override;

 protected:
  const PrinterFont& Font() const { return font_; }
  // The value set through the surface, if any.
  std::optional<int> Chosen(PrinterSetting setting) const { return settings_[Index(setting)]; }
  bool DocumentOpen() const { return open_; }

  // Every call that changes the surface or prints, as "Name(arguments)".
  virtual void Notice(const std::string& /*call*/) {}
  virtual void SettingsChanged() {}
  virtual void FontChanged() {}
  // The printer's own value of a setting never set through the surface.
  virtual int PrinterDefault(PrinterSetting setting) const = 0;
  virtual bool StartDocument() = 0;
  virtual bool DrawText(double x, double y, const std::string& text) = 0;
  virtual bool DrawLine(double x1, double y1, double x2, double y2, Colour colour) = 0;
  virtual bool BreakPage() = 0;
  virtual bool FinishDocument() = 0;
  virtual void AbandonDocument() = 0;

 private:
  static std::size_t Index(PrinterSetting setting) { return static_cast<std::size_t>(setting); }
  int Setting(PrinterSetting setting) const;
  void Set(PrinterSetting setting, int value, const char* call);
  void ChangeFont(const std::string& call);
  void SetFontFlag(bool PrinterFont::*flag, bool value, const char* call);
  // Opens the document when this is its first output; false when it cannot print.
  bool BeginOutput();
  void Reset();

  std::array<std::optional<int>, kPrinterSettingCount> settings_{};
  PrinterFont font_;
  double x_ = 0;
  double y_ = 0;
  int page_ = 1;
  bool open_ = false;
  bool failed_ = false;
};

// A number as the call log writes it: whole numbers without decimals.
std::string CallNumber(double value);

}  // namespace glyvane
