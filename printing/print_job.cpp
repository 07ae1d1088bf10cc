#include "printing/print_job.h"

namespace glyvane {

const char* const kPrinterRefusedMessage =
    "L'imprimante n'a pas accepté le document : l'impression est arrêtée. Vérifiez que l'imprimante "
    "est allumée et disponible, puis recommencez.";

PrintJob::PrintJob(PrinterSurface& printer, JobWindows& windows) : printer_(printer), windows_(windows) {
  windows_.JobStarted();
}

PrintJob::~PrintJob() {
  windows_.JobEnded();
  if (!message_.empty()) windows_.ReportFailure(message_);
}

bool PrintJob::Run(int copies, const std::function<bool()>& body) {
  for (int copy = 1; copy <= copies; ++copy) {
    progress_ = windows_.ShowProgressWindow();
    bool finished = false;
    try {
      finished = body();
    } catch (...) {
      printer_.AbortDocument();
      windows_.CloseProgressWindow();
      throw;
    }
    // After a cancel too: the pages drawn before it are printed. A document the
    // printer refused is abandoned instead, and said so, without a 100 %.
    if (!printer_.EndDocument()) {
      failed_ = true;
      windows_.CloseProgressWindow();
      message_ = kPrinterRefusedMessage;
      return false;
    }
    if (!finished) {
      windows_.CloseProgressWindow();
      return false;
    }
    windows_.LetEventsRun();
    if (progress_) progress_->ShowProgress("", 1, true);
    windows_.CloseProgressWindow();
    // A cancel handled at the pump above stops the copies still to come.
    if (UserCancelled()) {
      cancelled_ = true;
      return false;
    }
  }
  return true;
}

bool PrintJob::Step(const std::string& name, double fraction) {
  windows_.LetEventsRun();
  if (progress_) progress_->ShowProgress(name, fraction, false);
  return GoesOn();
}

bool PrintJob::Pump() {
  windows_.LetEventsRun();
  return GoesOn();
}

bool PrintJob::GoesOn() {
  if (UserCancelled()) cancelled_ = true;
  if (printer_.DocumentFailed()) failed_ = true;
  return !cancelled_ && !failed_;
}

}  // namespace glyvane
