// The printer surface's bookkeeping (position, pages, documents, settings), read
// through the recording surface.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "printing/recording_surface.h"

namespace glyvane {
namespace {

TEST(PrinterSurface, PrintMovesToTheNextLineAndLineToItsEnd) {
  RecordingSurface printer;
  printer.SetFontSize(10);
  printer.SetCurrentX(500);
  printer.SetCurrentY(100);
  EXPECT_TRUE(printer.Print("abc"));
  EXPECT_EQ(printer.CurrentX(), 0);
  EXPECT_EQ(printer.CurrentY(), 100 + 240);
  EXPECT_TRUE(printer.Line(10, 20, 300, 400, kBlack));
  EXPECT_EQ(printer.CurrentX(), 300);
  EXPECT_EQ(printer.CurrentY(), 400);
}

TEST(PrinterSurface, PagesCountFromOneInEveryDocumentSentWhenItEndsWithSomethingDrawn) {
  RecordingSurface printer;
  printer.SetFontName("Arial");
  printer.SetCurrentY(1000);
  EXPECT_TRUE(printer.EndDocument());
  EXPECT_TRUE(printer.DocumentsSent().empty()) << "nothing was drawn";
  EXPECT_EQ(printer.CurrentY(), 0);
  printer.Print("a");
  printer.SetCurrentX(700);
  printer.NewPage();
  EXPECT_EQ(printer.Page(), 2);
  EXPECT_EQ(printer.CurrentX(), 0) << "a new page starts at its top-left corner";
  printer.NewPage();
  EXPECT_TRUE(printer.DocumentsSent().empty()) << "sent only when it ends";
  printer.SetOrientation(kLandscape);
  EXPECT_TRUE(printer.EndDocument());
  EXPECT_EQ(printer.Page(), 1);
  EXPECT_EQ(printer.Orientation(), kLandscape) << "settings last from one document to the next";
  printer.Print("b");
  printer.EndDocument();
  EXPECT_EQ(printer.DocumentsSent(), (std::vector<int>{3, 1}));
}

}  // namespace
}  // namespace glyvane
