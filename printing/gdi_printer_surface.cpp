#include "printing/gdi_printer_surface.h"

#include <winspool.h>

#include <cmath>
#include <cstring>
#include <utility>

#include "common/system/font_trial.h"
#include "common/win/fonts.h"

namespace glyvane {

namespace {

using UniquePrinter = Unique<HANDLE, ClosePrinter>;

UniquePrinter OpenPrinterNamed(const std::string& device) {
  HANDLE printer = nullptr;
  if (device.empty() || !OpenPrinterA(const_cast<char*>(device.c_str()), &printer, nullptr)) return {};
  return UniquePrinter(printer);
}

// The printer's full settings as its driver gives them, or with `merge` (a DEVMODE
// of the same printer) merged in and checked by the driver.
std::vector<char> ReadPrinterMode(const std::string& device, const std::vector<char>* merge = nullptr) {
  const UniquePrinter printer = OpenPrinterNamed(device);
  if (!printer) return {};
  char* name = const_cast<char*>(device.c_str());
  const LONG size = DocumentPropertiesA(nullptr, printer.get(), name, nullptr, nullptr, 0);
  if (size < static_cast<LONG>(sizeof(DEVMODEA))) return {};
  std::vector<char> mode(static_cast<std::size_t>(size));
  auto* out = reinterpret_cast<DEVMODEA*>(mode.data());
  auto* in = merge ? reinterpret_cast<DEVMODEA*>(const_cast<char*>(merge->data())) : nullptr;
  const DWORD how = merge ? DM_IN_BUFFER | DM_OUT_BUFFER : DM_OUT_BUFFER;
  if (DocumentPropertiesA(nullptr, printer.get(), name, out, in, how) != IDOK) return {};
  return mode;
}

// The DEVMODE member of each setting, and the field flag that says it is set.
short& Member(DEVMODEA& mode, PrinterSetting setting) {
  switch (setting) {
    case PrinterSetting::ColourMode: return mode.dmColor;
    case PrinterSetting::Orientation: return mode.dmOrientation;
    case PrinterSetting::PaperSize: return mode.dmPaperSize;
    case PrinterSetting::Copies: return mode.dmCopies;
    case PrinterSetting::Duplex: return mode.dmDuplex;
    case PrinterSetting::PrintQuality: return mode.dmPrintQuality;
    case PrinterSetting::PaperSource: return mode.dmDefaultSource;
  }
  return mode.dmColor;
}

DWORD FieldFlag(PrinterSetting setting) {
  static const DWORD flags[kPrinterSettingCount] = {DM_COLOR,  DM_ORIENTATION,   DM_PAPERSIZE,    DM_COPIES,
                                                    DM_DUPLEX, DM_PRINTQUALITY, DM_DEFAULTSOURCE};
  return flags[static_cast<std::size_t>(setting)];
}

std::string DefaultPrinterName() {
  DWORD size = 0;
  GetDefaultPrinterA(nullptr, &size);
  if (size == 0) return {};
  std::string name(size, '\0');
  if (!GetDefaultPrinterA(name.data(), &size)) return {};
  name.resize(std::strlen(name.c_str()));
  return name;
}

std::string ProgramName() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string name = path;
  name = name.substr(name.find_last_of("\\/") + 1);
  return name.substr(0, name.rfind('.'));
}

}  // namespace

GdiPrinterSurface::GdiPrinterSurface(std::string documentName) : documentName_(std::move(documentName)) {
  const std::string device = DefaultPrinterName();
  for (const PrinterInfo& printer : InstalledPrinters()) {
    if (printer.device == device) current_ = printer;
  }
}

GdiPrinterSurface::~GdiPrinterSurface() {
  if (DocumentOpen()) EndDocument();
}

std::vector<PrinterInfo> GdiPrinterSurface::InstalledPrinters() const {
  const DWORD which = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
  DWORD needed = 0;
  DWORD count = 0;
  EnumPrintersA(which, nullptr, 2, nullptr, 0, &needed, &count);
  std::vector<PrinterInfo> printers;
  if (needed == 0) return printers;
  std::vector<BYTE> buffer(needed);
  if (!EnumPrintersA(which, nullptr, 2, buffer.data(), needed, &needed, &count)) return printers;
  const auto* info = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) {
    // The system's printer entries name the spooler as every printer's driver.
    printers.push_back({info[i].pPrinterName ? info[i].pPrinterName : "", "winspool",
                        info[i].pPortName ? info[i].pPortName : ""});
  }
  return printers;
}

void GdiPrinterSurface::MakeCurrent(const PrinterInfo& printer) {
  if (DocumentOpen()) EndDocument();
  DropDc();
  printerMode_.clear();
  current_ = printer;
}

const std::vector<char>& GdiPrinterSurface::PrinterMode() const {
  if (printerMode_.empty()) printerMode_ = ReadPrinterMode(current_.device);
  return printerMode_;
}

int GdiPrinterSurface::PrinterDefault(PrinterSetting setting) const {
  const std::vector<char>& mode = PrinterMode();
  if (mode.empty()) return 0;
  DEVMODEA copy;
  std::memcpy(&copy, mode.data(), sizeof copy);
  return Member(copy, setting);
}

std::vector<char> GdiPrinterSurface::DocumentMode() const {
  std::vector<char> mode = PrinterMode();
  if (mode.empty()) return mode;
  auto* devmode = reinterpret_cast<DEVMODEA*>(mode.data());
  for (std::size_t i = 0; i < kPrinterSettingCount; ++i) {
    const auto setting = static_cast<PrinterSetting>(i);
    if (const std::optional<int> value = Chosen(setting)) {
      Member(*devmode, setting) = static_cast<short>(*value);
      devmode->dmFields |= FieldFlag(setting);
    }
  }
  std::vector<char> checked = ReadPrinterMode(current_.device, &mode);
  return checked.empty() ? mode : checked;
}

HDC GdiPrinterSurface::Dc() const {
  if (!dc_ && !current_.device.empty()) {
    const std::vector<char> mode = DocumentMode();
    const auto* devmode = mode.empty() ? nullptr : reinterpret_cast<const DEVMODEA*>(mode.data());
    dc_.reset(CreateDCA(current_.driver.c_str(), current_.device.c_str(), nullptr, devmode));
    if (dc_) {
      pixelsPerInchX_ = GetDeviceCaps(dc_.get(), LOGPIXELSX);
      pixelsPerInchY_ = GetDeviceCaps(dc_.get(), LOGPIXELSY);
      SetBkMode(dc_.get(), TRANSPARENT);
      SetTextAlign(dc_.get(), TA_LEFT | TA_TOP | TA_NOUPDATECP);
      fontStale_ = true;
    }
  }
  if (dc_ && fontStale_) SelectFont();
  return dc_.get();
}

void GdiPrinterSurface::SelectFont() const {
  const PrinterFont& font = Font();
  LOGFONTA logFont{};
  logFont.lfHeight = -static_cast<LONG>(std::lround(font.size * pixelsPerInchY_ / 72.0));
  logFont.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  logFont.lfItalic = font.italic;
  logFont.lfUnderline = font.underline;
  logFont.lfStrikeOut = font.strikethrough;
  // The face decides its character set, so a symbol font keeps its own glyph for
  // every byte.
  logFont.lfCharSet = DEFAULT_CHARSET;
  logFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
  logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  logFont.lfQuality = DEFAULT_QUALITY;
  std::strncpy(logFont.lfFaceName, font.name.c_str(), LF_FACESIZE - 1);
  UniqueFont made(CreateFontIndirectA(&logFont));
  if (!made) return;  // the previous font stays
  SelectObject(dc_.get(), made.get());
  font_ = std::move(made);  // the font it replaced is no longer selected: deleted
  fontStale_ = false;
  drawAsOutlines_ = PrintsAsOutlines(dc_.get());
}

void GdiPrinterSurface::DropDc() {
  dc_.reset();
  font_.reset();
  fontStale_ = true;
}

void GdiPrinterSurface::SettingsChanged() {
  // A new document takes the settings from a new DC; the open one keeps its own.
  if (!DocumentOpen()) DropDc();
}

void GdiPrinterSurface::FontChanged() { fontStale_ = true; }

int GdiPrinterSurface::ToPixelsX(double twips) const {
  return static_cast<int>(std::lround(twips * pixelsPerInchX_ / 1440.0));
}

int GdiPrinterSurface::ToPixelsY(double twips) const {
  return static_cast<int>(std::lround(twips * pixelsPerInchY_ / 1440.0));
}

double GdiPrinterSurface::TextWidth(const std::string& text) const {
  const HDC dc = Dc();
  SIZE size{};
  if (!dc || pixelsPerInchX_ <= 0 ||
      !GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size)) {
    return 0;
  }
  return size.cx * 1440.0 / pixelsPerInchX_;
}

double GdiPrinterSurface::TextHeight(const std::string&) const {
  const HDC dc = Dc();
  TEXTMETRICA metrics{};
  if (!dc || pixelsPerInchY_ <= 0 || !GetTextMetricsA(dc, &metrics)) return 0;
  return metrics.tmHeight * 1440.0 / pixelsPerInchY_;
}

double GdiPrinterSurface::PrintableWidth() const {
  const HDC dc = Dc();
  if (!dc || pixelsPerInchX_ <= 0) return 0;
  return GetDeviceCaps(dc, HORZRES) * 1440.0 / pixelsPerInchX_;
}

bool GdiPrinterSurface::StartDocument() {
  const HDC dc = Dc();
  if (!dc) return false;
  RestartFontTrials();
  DOCINFOA info{};
  info.cbSize = sizeof info;
  info.lpszDocName = documentName_.c_str();
  const int job = StartDocA(dc, &info);
  if (job <= 0) return false;
  jobId_ = job;
  if (StartPage(dc) <= 0) {
    AbortDoc(dc);
    jobId_ = 0;
    return false;
  }
  return true;
}

bool GdiPrinterSurface::DrawText(double x, double y, const std::string& text) {
  const HDC dc = Dc();
  const int count = static_cast<int>(text.size());
  if (!drawAsOutlines_) return TextOutA(dc, ToPixelsX(x), ToPixelsY(y), text.data(), count) != FALSE;
  // The text's outlines, filled: the same letters, without the font being sent.
  if (!BeginPath(dc)) return false;
  const bool drawn = TextOutA(dc, ToPixelsX(x), ToPixelsY(y), text.data(), count) != FALSE;
  EndPath(dc);
  const UniqueBrush ink(CreateSolidBrush(GetTextColor(dc)));
  const SelectObjectGuard select(dc, ink.get());
  return FillPath(dc) != FALSE && drawn;
}

bool GdiPrinterSurface::DrawLine(double x1, double y1, double x2, double y2, Colour colour) {
  const HDC dc = Dc();
  const UniquePen pen(CreatePen(PS_SOLID, 1, colour));
  if (!pen) return false;
  const SelectObjectGuard select(dc, pen.get());
  return MoveToEx(dc, ToPixelsX(x1), ToPixelsY(y1), nullptr) && LineTo(dc, ToPixelsX(x2), ToPixelsY(y2));
}

bool GdiPrinterSurface::BreakPage() {
  const HDC dc = Dc();
  const bool ended = EndPage(dc) > 0;
  // The new page needs the font again: some drivers reset the DC with each page.
  fontStale_ = true;
  return StartPage(dc) > 0 && ended;
}

bool GdiPrinterSurface::FinishDocument() {
  const HDC dc = Dc();
  const bool sent = EndPage(dc) > 0 && EndDoc(dc) > 0;
  if (!sent) AbortDoc(dc);
  jobId_ = 0;
  DropDc();
  return sent;
}

void GdiPrinterSurface::AbandonDocument() {
  if (dc_ && jobId_ > 0) AbortDoc(dc_.get());
  jobId_ = 0;
  DropDc();
}

GdiPrinterSurface& ProgramPrinter() {
  static GdiPrinterSurface printer(ProgramName());
  return printer;
}

}  // namespace glyvane
