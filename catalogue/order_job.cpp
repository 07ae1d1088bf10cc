#include "catalogue/order_job.h"

#include "catalogue/order_printout.h"
#include "common/win/dialogs.h"
#include "common/win/form.h"
#include "common/win/unique.h"
#include "printing/print_job.h"

namespace glyvane::catalogue {

namespace {

// The system's tab stops: every eight average character widths of the order's font
// (Times New Roman 12, an em of 240 twips), measured on a font 240 units high.
double DefaultTabStop() {
  const UniqueDC dc(CreateCompatibleDC(nullptr));
  const UniqueFont font(CreateFontA(-240, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_TT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Times New Roman"));
  const SelectObjectGuard selected(dc.get(), font.get());
  TEXTMETRICA metrics{};
  if (!GetTextMetricsA(dc.get(), &metrics) || metrics.tmAveCharWidth <= 0) return 8 * 120.0;
  return 8.0 * metrics.tmAveCharWidth;
}

// Nothing cancels an order, so there is no progress window to answer for.
class OrderJobWindows final : public JobWindows {
 public:
  OrderJobWindows(HWND form, const std::string& caption) : form_(form), caption_(caption) {}
  void JobStarted() override { EnableWindow(form_, FALSE); }
  void JobEnded() override { EnableWindow(form_, TRUE); }
  void LetEventsRun() override { PumpPendingMessages(); }
  void ReportFailure(const std::string& message) override {
    ShowMessage(form_, message, caption_, MessageIcon::Critical);
  }

 private:
  HWND form_;
  std::string caption_;
};

}  // namespace

OtherWindowsDisabled::OtherWindowsDisabled(HWND keep) : keep_(keep) {
  EnumThreadWindows(GetCurrentThreadId(), &OtherWindowsDisabled::Disable, reinterpret_cast<LPARAM>(this));
}

OtherWindowsDisabled::~OtherWindowsDisabled() {
  for (const HWND window : disabled_) EnableWindow(window, TRUE);
}

BOOL CALLBACK OtherWindowsDisabled::Disable(HWND window, LPARAM self) {
  auto* guard = reinterpret_cast<OtherWindowsDisabled*>(self);
  if (window != guard->keep_ && IsWindowVisible(window) && IsWindowEnabled(window)) {
    EnableWindow(window, FALSE);
    guard->disabled_.push_back(window);
  }
  return TRUE;
}

int PrintOrderJob(HWND form, const std::string& caption, PrinterSurface& printer, int copies,
                  const std::vector<std::string>& lines) {
  OrderJobWindows windows(form, caption);
  return PrintOrder(printer, windows, copies, lines, DefaultTabStop());
}

}  // namespace glyvane::catalogue
