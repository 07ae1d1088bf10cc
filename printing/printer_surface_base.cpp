#include "printing/printer_surface_base.h"

#include <cmath>
#include <cstdio>

namespace glyvane {

std::string CallNumber(double value) {
  char text[32];
  if (value == std::floor(value) && std::fabs(value) < 1e15) {
    std::snprintf(text, sizeof text, "%.0f", value);
  } else {
    std::snprintf(text, sizeof text, "%g", value);
  }
  return text;
}

int PrinterSurfaceBase::Setting(PrinterSetting setting) const {
  const std::optional<int>& chosen = settings_[Index(setting)];
  return chosen ? *chosen : PrinterDefault(setting);
}

void PrinterSurfaceBase::Set(PrinterSetting setting, int value, const char* call) {
  Notice(std::string(call) + "(" + CallNumber(value) + ")");
  settings_[Index(setting)] = value;
  SettingsChanged();
}

void PrinterSurfaceBase::ChangeFont(const std::string& call) {
  Notice(call);
  FontChanged();
}

void PrinterSurfaceBase::SetFontName(const std::string& name) {
  font_.name = name;
  ChangeFont("SetFontName(" + name + ")");
}

void PrinterSurfaceBase::SetFontSize(double points) {
  font_.size = points;
  ChangeFont("SetFontSize(" + CallNumber(points) + ")");
}

void PrinterSurfaceBase::SetFontFlag(bool PrinterFont::*flag, bool value, const char* call) {
  font_.*flag = value;
  ChangeFont(std::string(call) + "(" + (value ? "true" : "false") + ")");
}

void PrinterSurfaceBase::SetCurrentX(double x) {
  Notice("SetCurrentX(" + CallNumber(x) + ")");
  x_ = x;
}

void PrinterSurfaceBase::SetCurrentY(double y) {
  Notice("SetCurrentY(" + CallNumber(y) + ")");
  y_ = y;
}

bool PrinterSurfaceBase::BeginOutput() {
  if (!open_) {
    open_ = true;
    failed_ = !StartDocument();
  }
  return !failed_;
}

bool PrinterSurfaceBase::Print(const std::string& text) {
  Notice("Print(" + text + ")");
  const bool printed = BeginOutput() && DrawText(x_, y_, text);
  x_ = 0;
  y_ += TextHeight(text);
  return printed;
}

bool PrinterSurfaceBase::Line(double x1, double y1, double x2, double y2, Colour colour) {
  char rgb[16];
  std::snprintf(rgb, sizeof rgb, "#%06X", static_cast<unsigned>(colour & 0xFFFFFF));
  Notice("Line(" + CallNumber(x1) + ", " + CallNumber(y1) + ", " + CallNumber(x2) + ", " + CallNumber(y2) +
         ", " + rgb + ")");
  const bool drawn = BeginOutput() && DrawLine(x1, y1, x2, y2, colour);
  x_ = x2;
  y_ = y2;
  return drawn;
}

bool PrinterSurfaceBase::NewPage() {
  Notice("NewPage()");
  const bool broken = BeginOutput() && BreakPage();
  ++page_;
  x_ = 0;
  y_ = 0;
  return broken;
}

bool PrinterSurfaceBase::EndDocument() {
  Notice("EndDocument()");
  bool ended = true;
  if (open_) {
    if (failed_) {
      AbandonDocument();
      ended = false;
    } else {
      ended = FinishDocument();
    }
  }
  Reset();
  return ended;
}

void PrinterSurfaceBase::AbortDocument() {
  Notice("AbortDocument()");
  if (open_) AbandonDocument();
  Reset();
}

void PrinterSurfaceBase::Reset() {
  open_ = false;
  failed_ = false;
  page_ = 1;
  x_ = 0;
  y_ = 0;
}

}  // namespace glyvane
