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
  // A printout of `pages` pages, one item each.
  bool Print(int copies, int pages) {
    PrintJob job(printer, windows);
    return job.Run(copies, [&] {
      for (int i = 0; i < pages; ++i) {
        if (!job.Step("f" + std::to_string(i), static_cast<double>(i) / pages)) return false;
        if (i > 0) printer.NewPage();
        printer.Print("page " + std::to_string(i));
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
}

// A cancel is seen at the next pump: the pages drawn are printed, no further copy.
TEST_F(PrintJobTest, ACancelPrintsThePagesDoneAndNoFurtherCopy) {
  struct Case {
    int copies, pages, cancelAtPump;
    std::vector<int> sent;
    int completed;  // copies that reached 100 %
  };
  for (const Case& c : {Case{2, 10, 6, {5}, 0},   // as the sixth font's page is about to start
                        Case{3, 3, 4, {3}, 1}}) {  // at the pump after the first copy
    printer = RecordingSurface();
    windows = FakeWindows();
    windows.cancelAtPump = c.cancelAtPump;
    EXPECT_FALSE(Print(c.copies, c.pages));
    EXPECT_EQ(printer.DocumentsSent(), c.sent);
    EXPECT_EQ(windows.Count("window"), 1) << "no further copy starts";
    EXPECT_EQ(windows.log.back(), "ended") << "nothing told";
    EXPECT_EQ(windows.Count(" 100 exact"), c.completed);
  }
}

// Refused at the start (the job stops at the item after) or at the end: the document
// is no success, and the user reads why once the windows are back.
TEST_F(PrintJobTest, APrinterThatRefusesTheDocumentStopsTheJobAndSaysSoLast) {
  for (const bool atTheStart : {true, false}) {
    printer = RecordingSurface();
    windows = FakeWindows();
    printer.RefuseToStart(atTheStart);
    printer.RefuseToFinish(!atTheStart);
    EXPECT_FALSE(Print(2, 10));
    EXPECT_TRUE(printer.DocumentsSent().empty());
    EXPECT_EQ(printer.DocumentsAbandoned(), atTheStart ? 1 : 0);
    EXPECT_EQ(windows.pumps, atTheStart ? 2 : 10);
    EXPECT_EQ(windows.Count("window"), 1);
    EXPECT_EQ(windows.Count(" 100 exact"), 0);
    EXPECT_EQ(windows.log.back(), std::string("told: ") + kPrinterRefusedMessage);
  }
}

TEST_F(PrintJobTest, ABodyThatStopsTheJobPrintsItsPagesAndTellsTheUserLast) {
  {
    PrintJob job(printer, windows);
    EXPECT_FALSE(job.Run(2, [&] {
      printer.Print("page 1");
      printer.NewPage();
      job.Stop("Arrêt");
      return false;
    }));
  }
  EXPECT_EQ(printer.DocumentsSent(), std::vector<int>{2});
  EXPECT_EQ(windows.log, (Log{"started", "window", "close", "ended", "told: Arrêt"}));
}

TEST_F(PrintJobTest, AnErrorInAPageAbandonsTheDocumentAndGivesTheWindowsBack) {
  EXPECT_THROW(
      {
        PrintJob job(printer, windows);
        job.Run(1, [&]() -> bool {
          printer.Print("half a page");
          throw std::runtime_error("font");
        });
      },
      std::runtime_error);
  EXPECT_EQ(printer.DocumentsAbandoned(), 1);
  EXPECT_TRUE(printer.DocumentsSent().empty());
  EXPECT_EQ(windows.log, (Log{"started", "window", "close", "ended"}));
}

TEST_F(PrintJobTest, NoCopyPrintsNothingAndStillClosesTheDialog) {
  EXPECT_TRUE(Print(0, 3));
  EXPECT_TRUE(printer.Calls().empty());
  EXPECT_EQ(windows.log, (Log{"started", "ended"}));
}

}  // namespace
}  // namespace glyvane
