#pragma once
// The frame every printout runs in, written once: the whole job printed once per
// copy, one document each, a progress window shown for each copy, the user's cancel
// honoured before each item and never lost, the document ended (or abandoned) on
// every path out, a printer that refuses the document reported, and the windows that
// must not run under a job disabled for its length and given back after it.
//
// A printout writes only its own part: what it sets up and how it draws its items,
// calling Step before each item, inside the body it gives Run. The job is made
// before the printer is chosen, so that nothing runs under the system's print
// dialog either.
#include <functional>
#include <string>
#include <utility>

#include "printing/printer_surface.h"

namespace glyvane {

// A job's progress as a window shows it: the item under way with the part done, and
// whether the user has asked the job to stop (its "Annuler" or close box). Once the
// user has closed the window, what is written to it goes nowhere.
class JobProgress {
 public:
  virtual ~JobProgress() = default;
  virtual void ShowProgress(const std::string& name, double fraction, bool exact) = 0;
  virtual bool UserCancelled() const = 0;
};

// What a job needs of the windows around it. The print dialog answers for Glyvane's
// printouts, with the progress window; the order form shows no progress.
class JobWindows {
 public:
  virtual ~JobWindows() = default;
  // The windows that must not run under the job (the main window, the print
  // commands) are disabled; at its end, whatever way it ends, the print dialog goes
  // and they are enabled again.
  virtual void JobStarted() = 0;
  virtual void JobEnded() = 0;
  // Lets pending window events run: where the user's cancel can come in.
  virtual void LetEventsRun() = 0;
  virtual void ReportFailure(const std::string& message) = 0;
  // The progress of one copy, shown from its start to its end; none when the job
  // shows none (and then nothing cancels it).
  virtual JobProgress* ShowProgressWindow() { return nullptr; }
  virtual void CloseProgressWindow() {}
};

// The message when the printer does not take a document.
extern const char* const kPrinterRefusedMessage;

class PrintJob {
 public:
  PrintJob(PrinterSurface& printer, JobWindows& windows);
  ~PrintJob();
  PrintJob(const PrintJob&) = delete;
  PrintJob& operator=(const PrintJob&) = delete;

  // Runs body once for each copy, each copy a document of its own shown in its own
  // progress window. The body draws the copy, calling Step before each item, and
  // returns false when Step told it to stop. Returns true when every copy printed.
  bool Run(int copies, const std::function<bool()>& body);

  // Before an item: lets events run, shows the item's name and the part done, and
  // says whether the job goes on (false: the user cancelled, or the printer has
  // refused the document).
  bool Step(const std::string& name, double fraction);
  // Between items that show nothing (a file left out): lets events run and says
  // whether the job goes on.
  bool Pump();
  // Ends the job from its body, which then returns false: the pages drawn are
  // printed, the windows closed and given back, and then the user is told why.
  void Stop(std::string message) { message_ = std::move(message); }

 private:
  bool GoesOn();
  bool UserCancelled() const { return progress_ && progress_->UserCancelled(); }

  PrinterSurface& printer_;
  JobWindows& windows_;
  JobProgress* progress_ = nullptr;  // of the copy under way, or the last one
  std::string message_;  // why the job stopped, for the user
  bool cancelled_ = false;
  bool failed_ = false;
};

}  // namespace glyvane
