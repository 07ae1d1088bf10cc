#pragma once
// A printer surface that prints nothing and writes down every call that changes it
// or puts something on paper, with its arguments, so that a layout is tested by
// reading what it asked for: "SetFontName(Times New Roman)", "SetCurrentX(6125)",
// "Print(Table ...)", "Line(750, 550, 15150, 550, #000000)", "NewPage()". Reads
// (positions, sizes, settings) are not written down.
//
// Text metrics follow a fixed model so that layouts that measure can be checked by
// hand: every byte is half an em wide (size in points x 10 twips) and a line is
// 1.2 em high (size x 24 twips), whatever the font's style; a font can be made
// larger than that by a factor (a tall font). The printable width is 11,000 twips in
// portrait, 16,000 in landscape.
#include <map>
#include <string>
#include <vector>

#include "printing/printer_surface_base.h"

namespace glyvane {

class RecordingSurface final : public PrinterSurfaceBase {
 public:
  // The installed printers; the first one is current. Never set, the settings read
  // as an A4 portrait colour printer printing one copy.
  explicit RecordingSurface(std::vector<PrinterInfo> printers = {{"PDF", "winspool", "CUPS:PDF"}});

  const std::vector<std::string>& Calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }
  // Documents sent by EndDocument and pages in each, and documents abandoned.
  const std::vector<int>& DocumentsSent() const { return sent_; }
  int DocumentsAbandoned() const { return abandoned_; }
  // A printer that refuses to start documents, or to finish them.
  void RefuseToStart(bool refuse) { refuseStart_ = refuse; }
  void RefuseToFinish(bool refuse) { refuseFinish_ = refuse; }

  PrinterInfo Current() const override { return current_; }
  std::vector<PrinterInfo> InstalledPrinters() const override { return printers_; }
  void MakeCurrent(const PrinterInfo& printer) override;

  double TextWidth(const std::string& text) const override;
  double TextHeight(const std::string& text) const override;
  void SetFontScale(const std::string& font, double scale) { scales_[font] = scale; }

 protected:
  void Notice(const std::string& call) override { calls_.push_back(call); }
  int PrinterDefault(PrinterSetting setting) const override;
  bool StartDocument() override;
  bool DrawText(double, double, const std::string&) override { return true; }
  bool DrawLine(double, double, double, double, Colour) override { return true; }
  bool BreakPage() override;
  bool FinishDocument() override;
  void AbandonDocument() override { ++abandoned_; }

 private:
  double Scale() const;

  std::vector<PrinterInfo> printers_;
  std::map<std::string, double> scales_;
  PrinterInfo current_;
  std::vector<std::string> calls_;
  std::vector<int> sent_;
  int pages_ = 0;
  int abandoned_ = 0;
  bool refuseStart_ = false;
  bool refuseFinish_ = false;
};

}  // namespace glyvane
