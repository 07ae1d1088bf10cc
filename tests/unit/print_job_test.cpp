#include "printing/print_job.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "printing/recording_surface.h"

namespace glyvane {
namespace {

using Log = std::vector<std::string>;

// The windows around a job, as a log; the user cancels at a chosen pump.
class FakeWindows : public JobWindows, public JobProgress {
 public:
  void JobStarted() override { log.push_back("started"); }
  void JobEnded() override { log.push_back("ended"); }
  void LetEventsRun() override { cancelled = cancelled || ++pumps == cancelAtPump; }
  JobProgress* ShowProgressWindow() override {
    log.push_back("window");
    return this;
  }
  void ShowProgress(const std::string& name, double fraction, bool exact) override {
    log.push_back(name + " " + std::to_string(static_cast<int>(fraction * 100)) + (exact ? " exact" : ""));
  }
  void CloseProgressWindow() override { log.push_back("close"); }
  bool UserCancelled() const override { return cancelled; }
  void ReportFailure(const std::string& message) override { log.push_back("told: " + message); }
  int Count(const std::string& entry) const { return static_cast<int>(std::count(log.begin(), log.end(), entry)); }

  Log log;
  int pumps = 0;
  int cancelAtPump = -1;
  bool cancelled = false;
};

class PrintJobTest : public ::testing::Test {
 protected:
  // A printout of `pages` pages, one item each; page `failAt` ends in an error.
  bool Print(int copies, int pages, int failAt = -1) {
    PrintJob job(printer, windows);
    return job.Run(copies, [&] {
      for (int i = 0; i < pages; ++i) {
        if (!job.Step("f" + std::to_string(i), static_cast<double>(i) / pages)) return false;
        if (i > 0) printer.NewPage();
        printer.Print("page " + std::to_string(i));
        if (i == failAt) throw std::runtime_error("font");
      }
      return true;
    });
  }
  RecordingSurface printer;
  FakeWindows windows;
};

TEST_F(PrintJobTest, EachCopyIsADocumentOfItsOwnInItsOwnProgressWindow) {
  EXPECT_TRUE(Print(2, 3));
  EXPECT_EQ(printer.DocumentsSent(), (std::vector<int>{3, 3}));
  EXPECT_EQ(windows.log, (Log{"started", "window", "f0 0", "f1 33", "f2 66", " 100 exact", "close", "window", "f0 0",
                              "f1 33", "f2 66", " 100 exact", "close", "ended"}));
  windows = FakeWindows();
  EXPECT_TRUE(Print(0, 3));
  EXPECT_EQ(windows.log, (Log{"started", "ended"})) << "no copy prints nothing and still closes the dialog";
}

// A cancel is seen at the next pump: the pages drawn are printed, no further copy. A
// document the printer refuses at its start (the job stops at the item after) or at
// its end is no success, and the user reads why once the windows are back.
TEST_F(PrintJobTest, ACancelOrARefusedDocumentStopsTheJobAfterThePagesDrawn) {
  const std::string refused = std::string("told: ") + kPrinterRefusedMessage;
  struct Case {
    int copies, pages, cancelAtPump;
    bool refuseAtStart, refuseAtEnd;
    std::vector<int> sent;
    int abandoned, pumps, completed;  // completed: copies that reached 100 %
    std::string last;
  };
  for (const Case& c : {Case{2, 10, 6, false, false, {5}, 0, 6, 0, "ended"},  // as the sixth page is about to start
                        Case{3, 3, 4, false, false, {3}, 0, 4, 1, "ended"},   // at the pump after the first copy
                        Case{2, 10, -1, true, false, {}, 1, 2, 0, refused},
                        Case{2, 10, -1, false, true, {}, 0, 10, 0, refused}}) {
    SCOPED_TRACE(c.pumps);
    printer = RecordingSurface();
    windows = FakeWindows();
    windows.cancelAtPump = c.cancelAtPump;
    printer.RefuseToStart(c.refuseAtStart);
    printer.RefuseToFinish(c.refuseAtEnd);
    EXPECT_FALSE(Print(c.copies, c.pages));
    EXPECT_EQ(printer.DocumentsSent(), c.sent);
    EXPECT_EQ(printer.DocumentsAbandoned(), c.abandoned);
    EXPECT_EQ(windows.pumps, c.pumps);
    EXPECT_EQ(windows.Count("window"), 1) << "no further copy starts";
    EXPECT_EQ(windows.Count(" 100 exact"), c.completed);
    EXPECT_EQ(windows.log.back(), c.last);
  }
}

TEST_F(PrintJobTest, AnErrorInAPageAbandonsTheDocumentAndGivesTheWindowsBack) {
  EXPECT_THROW(Print(1, 3, 1), std::runtime_error);
  EXPECT_EQ(printer.DocumentsAbandoned(), 1);
  EXPECT_EQ(windows.log, (Log{"started", "window", "f0 0", "f1 33", "close", "ended"}));
}

}  // namespace
}  // namespace glyvane
