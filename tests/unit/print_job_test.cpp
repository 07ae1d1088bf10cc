#include "printing/print_job.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "printing/recording_surface.h"

namespace glyvane {
namespace {

// The windows around a job, as a log; the user cancels at a chosen pump.
class FakeWindows : public JobWindows, public JobProgress {
 public:
  void JobStarted() override { log.push_back("started"); }
  void JobEnded() override { log.push_back("ended"); }
  void LetEventsRun() override {
    if (++pumps == cancelAtPump) cancelled = true;
  }
  JobProgress* ShowProgressWindow() override {
    log.push_back("window");
    return this;
  }
  void ShowProgress(const std::string& name, double fraction, bool exact) override {
    log.push_back(name + " " + std::to_string(static_cast<int>(fraction * 100)) + (exact ? " exact" : ""));
  }
  void CloseProgressWindow() override { log.push_back("close"); }
  bool UserCancelled() const override { return cancelled; }
  void ReportFailure(const std::string& message) override {
    failures.push_back(message);
    log.push_back("told");
  }

  std::vector<std::string> log;
  std::vector<std::string> failures;
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
  EXPECT_EQ(windows.log, (std::vector<std::string>{"started", "window", "f0 0", "f1 33", "f2 66", " 100 exact", "close",
                                                   "window", "f0 0", "f1 33", "f2 66", " 100 exact", "close",
                                                   "ended"}));
}

TEST_F(PrintJobTest, ACancelPrintsThePagesDoneAndNoFurtherCopy) {
  windows.cancelAtPump = 6;  // while the sixth font's page is about to start
  EXPECT_FALSE(Print(2, 10));
  EXPECT_EQ(printer.DocumentsSent(), std::vector<int>{5});
  EXPECT_EQ(windows.log.back(), "ended");
  EXPECT_EQ(std::count(windows.log.begin(), windows.log.end(), " 100 exact"), 0);
  EXPECT_TRUE(windows.failures.empty());
}

TEST_F(PrintJobTest, ACancelAtThePumpAfterACopyStopsTheCopiesToCome) {
  windows.cancelAtPump = 4;  // the pump after the first copy's document of three pages
  EXPECT_FALSE(Print(3, 3));
  EXPECT_EQ(printer.DocumentsSent(), std::vector<int>{3});
}

TEST_F(PrintJobTest, APrinterThatRefusesTheDocumentStopsTheJobAndSaysSo) {
  printer.RefuseToStart(true);
  EXPECT_FALSE(Print(2, 10));
  EXPECT_TRUE(printer.DocumentsSent().empty());
  EXPECT_EQ(printer.DocumentsAbandoned(), 1);
  EXPECT_EQ(windows.failures, std::vector<std::string>{kPrinterRefusedMessage});
  EXPECT_EQ(std::count(windows.log.begin(), windows.log.end(), " 100 exact"), 0);
  EXPECT_EQ(windows.pumps, 2);  // stopped at the item after the refusal
  EXPECT_EQ(windows.log.back(), "told");
}

TEST_F(PrintJobTest, APrinterThatRefusesToFinishIsNoSuccess) {
  printer.RefuseToFinish(true);
  EXPECT_FALSE(Print(2, 2));
  EXPECT_EQ(windows.failures.size(), 1u);
  EXPECT_EQ(std::count(windows.log.begin(), windows.log.end(), " 100 exact"), 0);
  EXPECT_EQ(std::count(windows.log.begin(), windows.log.end(), "window"), 1);
}

// The user reads why only once the windows are back and the pages drawn are printed.
TEST_F(PrintJobTest, ABodyThatStopsTheJobPrintsItsPagesAndTellsTheUserLast) {
  PrintJob* running = nullptr;
  {
    PrintJob job(printer, windows);
    running = &job;
    EXPECT_FALSE(job.Run(2, [&] {
      printer.Print("page 1");
      printer.NewPage();
      running->Stop("Arrêt");
      return false;
    }));
  }
  EXPECT_EQ(printer.DocumentsSent(), std::vector<int>{2});
  EXPECT_EQ(windows.log, (std::vector<std::string>{"started", "window", "close", "ended", "told"}));
  EXPECT_EQ(windows.failures, std::vector<std::string>{"Arrêt"});
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
  EXPECT_EQ(windows.log, (std::vector<std::string>{"started", "window", "close", "ended"}));
}

TEST_F(PrintJobTest, NoCopyPrintsNothingAndStillClosesTheDialog) {
  EXPECT_TRUE(Print(0, 3));
  EXPECT_TRUE(printer.Calls().empty());
  EXPECT_EQ(windows.log, (std::vector<std::string>{"started", "ended"}));
}

}  // namespace
}  // namespace glyvane
