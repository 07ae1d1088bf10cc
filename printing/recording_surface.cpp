#include "printing/recording_surface.h"

#include <utility>

namespace glyvane {

RecordingSurface::RecordingSurface(std::vector<PrinterInfo> printers) : printers_(std::move(printers)) {
  if (!printers_.empty()) current_ = printers_.front();
}

void RecordingSurface::MakeCurrent(const PrinterInfo& printer) {
  Notice("MakeCurrent(" + printer.device + ")");
  current_ = printer;
}

double RecordingSurface::TextWidth(const std::string& text) const {
  return static_cast<double>(text.size()) * Font().size * 10 * Scale();
}

double RecordingSurface::TextHeight(const std::string&) const { return Font().size * 24 * Scale(); }

double RecordingSurface::Scale() const {
  const auto scale = scales_.find(Font().name);
  return scale == scales_.end() ? 1 : scale->second;
}

int RecordingSurface::PrinterDefault(PrinterSetting setting) const {
  switch (setting) {
    case PrinterSetting::ColourMode: return kColour;
    case PrinterSetting::Orientation: return kPortrait;
    case PrinterSetting::PaperSize: return kPaperA4;
    case PrinterSetting::Copies: return 1;
    case PrinterSetting::Duplex: return 1;  // simplex
    case PrinterSetting::PrintQuality: return 300;
    case PrinterSetting::PaperSource: return 7;  // automatic
  }
  return 0;
}

bool RecordingSurface::StartDocument() {
  pages_ = 1;
  return !refuseStart_;
}

bool RecordingSurface::BreakPage() {
  ++pages_;
  return true;
}

bool RecordingSurface::FinishDocument() {
  if (refuseFinish_) return false;
  sent_.push_back(pages_);
  return true;
}

}  // namespace glyvane
