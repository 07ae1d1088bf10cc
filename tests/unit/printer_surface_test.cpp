// The printer surface's bookkeeping (position, pages, documents, settings) and the
// recording surface that layout tests read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "printing/recording_surface.h"
#include "tests/shared/sample_page.h"

namespace glyvane {
namespace {

using Calls = std::vector<std::string>;

TEST(RecordingSurface, RecordsTheSamplePagesCallByCall) {
  RecordingSurface printer;
  test::DrawSamplePages(printer);
  const Calls expected = {
      "SetFontName(Times New Roman)", "SetFontSize(15)", "SetCurrentX(1440)", "SetCurrentY(720)",
      "Print(Page d'essai : été 2 €)",
      "SetFontName(Arial)", "SetFontSize(10)", "SetCurrentX(1440)", "SetCurrentY(1800)", "Print(Première ligne)",
      "SetCurrentX(1440)", "Print(Deuxième ligne)", "SetFontBold(true)", "SetCurrentX(2880)",
      "Print(Troisième ligne)", "SetFontBold(false)",
      "Line(1440, 4320, 8640, 4320, #000000)",
      "NewPage()", "SetFontName(Times New Roman)", "SetFontSize(12)", "SetCurrentX(4320)", "SetCurrentY(2880)",
      "Print(Seconde page)"};
  EXPECT_EQ(printer.Calls(), expected);
  EXPECT_TRUE(printer.DocumentsSent().empty()) << "the document is sent only when it ends";
  EXPECT_EQ(printer.Page(), 2);
  EXPECT_TRUE(printer.EndDocument());
  EXPECT_EQ(printer.DocumentsSent(), std::vector<int>{2});
}

TEST(RecordingSurface, MeasuresTextsByTheDocumentedModel) {
  RecordingSurface printer;
  printer.SetFontSize(12);
  EXPECT_EQ(printer.TextWidth("abcd"), 4 * 12 * 10);
  EXPECT_EQ(printer.TextWidth(""), 0);
  EXPECT_EQ(printer.TextHeight("abcd"), 12 * 24);
  EXPECT_EQ(printer.TextHeight(""), 12 * 24) << "the empty text is one line high";
  printer.SetFontBold(true);
  EXPECT_EQ(printer.TextWidth("abcd"), 4 * 12 * 10);
}

TEST(PrinterSurface, PrintMovesToTheStartOfTheNextLine) {
  RecordingSurface printer;
  printer.SetFontSize(10);
  printer.SetCurrentX(500);
  printer.SetCurrentY(100);
  EXPECT_TRUE(printer.Print("abc"));
  EXPECT_EQ(printer.CurrentX(), 0);
  EXPECT_EQ(printer.CurrentY(), 100 + 240);
  // Control codes are glyphs like any other byte: still one line.
  printer.Print(std::string("A\tB\r\nC\0D", 8));
  EXPECT_EQ(printer.CurrentY(), 100 + 2 * 240);
  EXPECT_EQ(printer.Calls().back(), std::string("Print(A\tB\r\nC\0D)", 15));
  printer.Print("");
  EXPECT_EQ(printer.CurrentY(), 100 + 3 * 240) << "the empty text moves one line too";
}

TEST(PrinterSurface, LineLeavesThePositionAtItsEnd) {
  RecordingSurface printer;
  EXPECT_TRUE(printer.Line(10, 20, 300, 400, Rgb(255, 0, 0)));
  EXPECT_EQ(printer.CurrentX(), 300);
  EXPECT_EQ(printer.CurrentY(), 400);
  EXPECT_EQ(printer.Calls().back(), "Line(10, 20, 300, 400, #0000FF)") << "colours are 0x00BBGGRR";
}

TEST(PrinterSurface, PagesCountFromOneInEveryDocument) {
  RecordingSurface printer;
  EXPECT_EQ(printer.Page(), 1);
  printer.Print("a");
  printer.SetCurrentX(700);
  printer.NewPage();
  EXPECT_EQ(printer.Page(), 2);
  EXPECT_EQ(printer.CurrentX(), 0) << "a new page starts at its top-left corner";
  printer.NewPage();
  EXPECT_TRUE(printer.EndDocument());
  EXPECT_EQ(printer.Page(), 1);
  printer.Print("b");
  printer.EndDocument();
  EXPECT_EQ(printer.DocumentsSent(), (std::vector<int>{3, 1}));
}

TEST(PrinterSurface, EndingADocumentWithNothingDrawnSendsNothing) {
  RecordingSurface printer;
  printer.SetFontName("Arial");
  printer.SetCurrentY(1000);
  EXPECT_TRUE(printer.EndDocument());
  EXPECT_TRUE(printer.DocumentsSent().empty());
  EXPECT_EQ(printer.CurrentY(), 0);
}

TEST(PrinterSurface, SettingsReadAsThePrintersUntilSetAndLastFromDocumentToDocument) {
  RecordingSurface printer;
  EXPECT_EQ(printer.Orientation(), kPortrait);
  EXPECT_EQ(printer.Copies(), 1);
  printer.SetOrientation(kLandscape);
  printer.SetPaperSize(kPaperA4);
  printer.SetCopies(2);
  printer.Print("x");
  printer.EndDocument();
  EXPECT_EQ(printer.Orientation(), kLandscape);
  EXPECT_EQ(printer.Copies(), 2);
  printer.MakeCurrent({"Autre", "winspool", "LPT1:"});
  EXPECT_EQ(printer.Orientation(), kLandscape) << "a new printer keeps the surface's settings";
  EXPECT_EQ(printer.DeviceName(), "Autre");
}

// A printer that refuses to start documents.
class RefusingSurface final : public PrinterSurfaceBase {
 public:
  int abandoned = 0;
  int finished = 0;
  PrinterInfo Current() const override { return {}; }
  std::vector<PrinterInfo> InstalledPrinters() const override { return {}; }
  void MakeCurrent(const PrinterInfo&) override {}
  double TextWidth(const std::string&) const override { return 0; }
  double TextHeight(const std::string&) const override { return 100; }

 protected:
  int PrinterDefault(PrinterSetting) const override { return 0; }
  bool StartDocument() override { return false; }
  bool DrawText(double, double, const std::string&) override { return true; }
  bool DrawLine(double, double, double, double, Colour) override { return true; }
  bool BreakPage() override { return true; }
  bool FinishDocument() override { return ++finished, true; }
  void AbandonDocument() override { ++abandoned; }
};

TEST(PrinterSurface, ADocumentThatCannotStartFailsEveryOutputAndIsAbandoned) {
  RefusingSurface printer;
  EXPECT_FALSE(printer.Print("a"));
  EXPECT_EQ(printer.CurrentY(), 100) << "the position moves all the same, as the job goes on";
  EXPECT_FALSE(printer.Line(0, 0, 10, 10, kBlack));
  EXPECT_FALSE(printer.NewPage());
  EXPECT_FALSE(printer.EndDocument());
  EXPECT_EQ(printer.abandoned, 1);
  EXPECT_EQ(printer.finished, 0);
}

}  // namespace
}  // namespace glyvane
