// Printer selection and the real printer surface, on the CUPS PDF printers of the
// test prefix: the system's print dialog answered from a helper thread, the jobs
// read back from the PDF files they produced.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "print_bench.h"
#include "printing/gdi_printer_surface.h"
#include "printing/recording_surface.h"
#include "printing/select_printer.h"
#include "support.h"
#include "tests/shared/sample_page.h"

namespace glyvane::test {
namespace {

// Wine allocates a few heap blocks of its own now and then (seen: 8 in a fresh
// prefix), so the heap is compared after enough rounds that even one block a round
// left behind (the dialog's DEVMODE or DEVNAMES) stands well above that noise.
constexpr int kLeakRounds = 20;
constexpr int kHeapNoise = 10;

// Busy blocks of the process heap, where global memory lives. (GDI objects are not
// counted: Wine's GetGuiResources answers 0 whatever the process holds.)
int HeapBlocks() {
  const HANDLE heap = GetProcessHeap();
  HeapLock(heap);
  PROCESS_HEAP_ENTRY entry{};
  int busy = 0;
  while (HeapWalk(heap, &entry)) {
    if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) ++busy;
  }
  HeapUnlock(heap);
  return busy;
}

// The printable area's offset from the sheet's corner, in points, as the driver
// gives it.
POINT PrintableOffsetPoints(const std::string& device) {
  HDC dc = CreateDCA("winspool", device.c_str(), nullptr, nullptr);
  POINT offset{};
  if (dc) {
    offset.x = MulDiv(GetDeviceCaps(dc, PHYSICALOFFSETX), 72, GetDeviceCaps(dc, LOGPIXELSX));
    offset.y = MulDiv(GetDeviceCaps(dc, PHYSICALOFFSETY), 72, GetDeviceCaps(dc, LOGPIXELSY));
    DeleteDC(dc);
  }
  return offset;
}

const PdfWord* FindWord(const std::vector<PdfWord>& words, const std::string& text) {
  for (const PdfWord& word : words) {
    if (word.text == text) return &word;
  }
  return nullptr;
}

// The CUPS queue that printed the job of this PDF ("<title>-job_<N>.pdf").
bool QueuePrinted(const std::string& queue, const PrintedPdf& pdf) {
  const std::size_t at = pdf.path.rfind("-job_");
  const std::string job = pdf.path.substr(at + 5, pdf.path.size() - at - 9);
  const std::string jobs = RunUnix("lpstat -W completed -o '" + queue + "'");
  return jobs.find(queue + "-" + job + " ") != std::string::npos;
}

class PrintingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedEntry_ = DefaultPrinterEntry();
    owner_ = CreateWindowA("STATIC", "Glyvane", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
    title_ = UniqueJobTitle(::testing::UnitTest::GetInstance()->current_test_info()->name());
    printer_ = std::make_unique<GdiPrinterSurface>(title_);
  }
  void TearDown() override {
    printer_.reset();
    DestroyWindow(owner_);
    WriteProfileStringA("windows", "device", savedEntry_.c_str());
  }
  // SelectPrinter with the dialog answered as `choice`.
  int Select(const PrintDialogChoice& choice, DWORD flags = kPrintFlags) {
    PrintDialogAnswer answer(choice);
    const int copies = SelectPrinter(owner_, flags, *printer_);
    EXPECT_TRUE(answer.Wait()) << "the print dialog was not answered as asked";
    return copies;
  }
  PrinterInfo Installed(const std::string& device) const {
    for (const PrinterInfo& printer : printer_->InstalledPrinters()) {
      if (printer.device == device) return printer;
    }
    ADD_FAILURE() << device << " is not installed";
    return {};
  }
  // Prints one page with one line of text and reads back its PDF.
  std::optional<PrintedPdf> PrintOnePage() {
    printer_->SetCurrentX(1440);
    printer_->SetCurrentY(1440);
    printer_->Print("Une seule page");
    EXPECT_TRUE(printer_->EndDocument());
    return WaitForPdf(title_);
  }

  std::string savedEntry_;
  HWND owner_ = nullptr;
  std::string title_;
  std::unique_ptr<GdiPrinterSurface> printer_;
};

TEST_F(PrintingTest, StartsOnTheSystemsDefaultPrinter) {
  EXPECT_EQ(printer_->Current(), Installed(kPdfPrinter));
  EXPECT_EQ(printer_->Current().driver, "winspool");
}

TEST_F(PrintingTest, ChoosingTheLongNamedPrinterPrintsThereAndWritesItsDeviceEntry) {
  ASSERT_EQ(Select({kLongNamePrinter, std::nullopt, true}), 1);
  const PrinterInfo chosen = Installed(kLongNamePrinter);
  EXPECT_EQ(printer_->Current(), chosen);
  const std::string entry = kLongNamePrinter + ",winspool," + chosen.port;
  EXPECT_EQ(DefaultPrinterEntry(), entry);

  const std::optional<PrintedPdf> pdf = PrintOnePage();
  ASSERT_TRUE(pdf) << "no PDF titled " << title_ << " in " << PdfFolder();
  EXPECT_TRUE(QueuePrinted(kLongNamePrinter, *pdf)) << pdf->path;

  // The same printer chosen again writes the same entry again.
  WriteProfileStringA("windows", "device", "Autre,winspool,LPT1:");
  ASSERT_EQ(Select({kLongNamePrinter, std::nullopt, true}), 1);
  EXPECT_EQ(DefaultPrinterEntry(), entry);
  EXPECT_EQ(printer_->Current(), chosen);
}

TEST_F(PrintingTest, ChoosingPdfAgainMakesItCurrentAndTheDefault) {
  printer_->MakeCurrent(Installed(kLongNamePrinter));
  PrintDialogAnswer answer({kPdfPrinter, std::nullopt, true});
  ASSERT_EQ(SelectPrinter(owner_, kPrintFlags, *printer_), 1);
  ASSERT_TRUE(answer.Wait());
  EXPECT_EQ(answer.printerShown, kLongNamePrinter) << "the dialog opens on the current printer";
  EXPECT_EQ(printer_->Current(), Installed(kPdfPrinter));
  EXPECT_EQ(DefaultPrinterEntry(), kPdfPrinter + ",winspool," + Installed(kPdfPrinter).port);
}

TEST_F(PrintingTest, CancelReturnsZeroChangesNothingAndLeaksNothing) {
  WriteProfileStringA("windows", "device", "Autre,winspool,LPT1:");
  printer_->SetCopies(2);
  // The dialog's first use loads what it keeps for later ones.
  ASSERT_EQ(Select({kLongNamePrinter, 4, false}), 0);
  const int blocks = HeapBlocks();
  for (int i = 0; i < kLeakRounds; ++i) {
    ASSERT_EQ(Select({kLongNamePrinter, 4, false}), 0);
  }
  EXPECT_LT(HeapBlocks() - blocks, kHeapNoise) << "global memory left behind";
  EXPECT_EQ(printer_->Current(), Installed(kPdfPrinter));
  EXPECT_EQ(printer_->Copies(), 2);
  EXPECT_EQ(DefaultPrinterEntry(), "Autre,winspool,LPT1:");
}

TEST_F(PrintingTest, ChoosingLeaksNothing) {
  ASSERT_EQ(Select({kPdfPrinter, 2, true}), 2);
  const int blocks = HeapBlocks();
  for (int i = 0; i < kLeakRounds; ++i) {
    ASSERT_EQ(Select({kPdfPrinter, 2, true}), 2);
  }
  EXPECT_LT(HeapBlocks() - blocks, kHeapNoise) << "global memory left behind";
}

TEST_F(PrintingTest, ThreeCopiesAreCountedOnceWithEitherFlagValue) {
  for (const DWORD flags : {kPrintFlags, kPrintFlagsDevModeCopies}) {
    SCOPED_TRACE(flags);
    EXPECT_EQ(Select({kPdfPrinter, 3, true}, flags), 3);
    EXPECT_EQ(printer_->Copies(), 1) << "the caller repeats the job: the printer prints one copy";
    const std::vector<char> mode = printer_->DocumentMode();
    ASSERT_GE(mode.size(), sizeof(DEVMODEA));
    EXPECT_EQ(reinterpret_cast<const DEVMODEA*>(mode.data())->dmCopies, 1);
  }
  const std::optional<PrintedPdf> pdf = PrintOnePage();
  ASSERT_TRUE(pdf);
  EXPECT_EQ(pdf->pages, 1);
}

TEST_F(PrintingTest, TheDialogsOtherSettingsAreCarriedOverButNotItsOrientation) {
  RecordingSurface recording({Installed(kPdfPrinter), Installed(kLongNamePrinter)});
  PrintDialogAnswer answer({kLongNamePrinter, std::nullopt, true, true});
  ASSERT_EQ(SelectPrinter(owner_, kPrintFlags, recording), 1);
  ASSERT_TRUE(answer.Wait());
  ASSERT_TRUE(answer.landscapeChosen) << "landscape could not be chosen in the dialog";
  for (const std::string& call : recording.Calls()) {
    EXPECT_EQ(call.find("SetOrientation"), std::string::npos) << call;
    EXPECT_EQ(call.find("SetPaperSize"), std::string::npos) << call;
  }
  EXPECT_EQ(recording.Calls().front(), "MakeCurrent(" + kLongNamePrinter + ")");
  EXPECT_EQ(recording.Copies(), 1);

  // The real printer prints the next page upright.
  printer_->SetOrientation(kPortrait);
  ASSERT_EQ(Select({kPdfPrinter, std::nullopt, true, true}), 1);
  EXPECT_EQ(printer_->Orientation(), kPortrait);
  const std::optional<PrintedPdf> pdf = PrintOnePage();
  ASSERT_TRUE(pdf);
  EXPECT_EQ(pdf->rotation, 0);
  EXPECT_LT(pdf->width, pdf->height);
}

TEST_F(PrintingTest, NoPrinterInstalledIsToldAndCountsAsACancel) {
  RecordingSurface none(std::vector<PrinterInfo>{});
  DialogAnswer message(GetCurrentProcessId(), IDOK);
  EXPECT_EQ(SelectPrinter(owner_, kPrintFlags, none), 0);
  ASSERT_TRUE(message.Wait());
  EXPECT_EQ(message.title, "Glyvane");
  EXPECT_EQ(message.text, "Aucune imprimante n'est installée.");
  EXPECT_TRUE(none.Calls().empty());
}

// A dialog that cannot open (here: a template asked for that does not exist) is no
// cancel by the user: it is told, and the default-printer entry stays as it was.
TEST_F(PrintingTest, APrintDialogThatFailsIsToldAndWritesNoDefaultPrinter) {
  WriteProfileStringA("windows", "device", "Avant,winspool,CUPS:Avant");
  DialogAnswer message(GetCurrentProcessId(), IDOK);
  EXPECT_EQ(SelectPrinter(owner_, kPrintFlags | PD_ENABLEPRINTTEMPLATE, *printer_), 0);
  ASSERT_TRUE(message.Wait());
  EXPECT_EQ(message.title, "Glyvane");
  EXPECT_EQ(message.text.rfind("La fenêtre d'impression du système n'a pas pu s'ouvrir (erreur ", 0), 0u) << message.text;
  EXPECT_EQ(message.icon, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_EQ(DefaultPrinterEntry(), "Avant,winspool,CUPS:Avant");
}

TEST_F(PrintingTest, SamplePagesComeBackWithTheirTextsWhereTheyWereDrawn) {
  using P = SamplePlaces;
  printer_->MakeCurrent(Installed(kPdfPrinter));
  printer_->SetOrientation(kPortrait);
  printer_->SetPaperSize(kPaperA4);
  DrawSamplePages(*printer_);
  ASSERT_TRUE(printer_->EndDocument());
  const std::optional<PrintedPdf> pdf = WaitForPdf(title_);
  ASSERT_TRUE(pdf) << "no PDF titled " << title_ << " in " << PdfFolder();
  EXPECT_EQ(pdf->pages, 2);
  EXPECT_NEAR(pdf->width, 595, 1);
  EXPECT_NEAR(pdf->height, 842, 1);

  // pdftotext places a word's box from its baseline with metrics of its own, so the
  // text's top is found from the baseline with the font's: Liberation Serif (for
  // Times New Roman) rises 0.891 em above it and falls 0.216 em below it,
  // Liberation Sans (for Arial) 0.905 and 0.212.
  struct Face {
    double ascent, descent, size;
  };
  const Face serif15{0.891, 0.216, 15}, sans10{0.905, 0.212, 10}, serif12{0.891, 0.216, 12};
  const POINT offset = PrintableOffsetPoints(kPdfPrinter);
  const auto expectAt = [&](const std::vector<PdfWord>& words, const std::string& text, double xTwips,
                            double yTwips, const Face& face) -> const PdfWord* {
    const PdfWord* word = FindWord(words, text);
    EXPECT_TRUE(word) << text << " is not printed";
    if (!word) return nullptr;
    const double top = word->yMax - face.descent * face.size - face.ascent * face.size;
    EXPECT_NEAR(word->xMin, offset.x + xTwips / 20, 1) << text;
    EXPECT_NEAR(top, offset.y + yTwips / 20, 1) << text;
    return word;
  };
  const std::vector<PdfWord> first = pdf->Words(1);
  const PdfWord* title = expectAt(first, "Page", P::kTitleX, P::kTitleY, serif15);
  // "Page" is 1.944 em wide in Liberation Serif (2.335 in Liberation Sans).
  if (title) {
    EXPECT_NEAR(title->xMax - title->xMin, 1.944 * 15, 0.5) << "the title is Times New Roman 15 pt";
  }
  const PdfWord* line1 = expectAt(first, "Première", P::kBodyX, P::kBodyY, sans10);
  // Each line starts one line below the previous one: Arial 10 pt is 11.2 pt high.
  expectAt(first, "Deuxième", P::kBodyX, P::kBodyY + 11.2 * 20, sans10);
  expectAt(first, "Troisième", P::kBoldX, P::kBodyY + 2 * 11.2 * 20, sans10);
  ASSERT_TRUE(line1);
  EXPECT_NE(pdf->Text(1).find("Page d'essai : été 2 €"), std::string::npos) << pdf->Text(1);
  expectAt(pdf->Words(2), "Seconde", P::kSecondX, P::kSecondY, serif12);
  EXPECT_EQ(pdf->Text(2).find("Page"), std::string::npos);

  // The line, as pixels at 72 dpi: one point a pixel.
  const GreyImage grey = pdf->Grey(1, 72);
  ASSERT_GT(grey.width, 0);
  const int lineY = offset.y + static_cast<int>(P::kLineY / 20);
  const auto darkest = [&](int x, int y) {
    int value = 255;
    for (int dy = -1; dy <= 1; ++dy) value = std::min(value, grey.At(x, y + dy));
    return value;
  };
  for (int x = offset.x + static_cast<int>(P::kLineX1 / 20) + 2; x < offset.x + P::kLineX2 / 20 - 2; x += 10) {
    EXPECT_LT(darkest(x, lineY), 160) << "no line at x = " << x;
  }
  EXPECT_EQ(darkest(offset.x + static_cast<int>(P::kLineX2 / 20) + 6, lineY), 255) << "the line runs on";
  EXPECT_EQ(darkest(offset.x + 200, lineY + 6), 255);
}

TEST_F(PrintingTest, AbandonedAndEmptyDocumentsSendNothing) {
  const std::string abandoned = UniqueJobTitle("Abandoned");
  printer_->SetDocumentName(abandoned);
  printer_->Print("Jamais imprimé");
  printer_->AbortDocument();
  EXPECT_EQ(printer_->Page(), 1);
  const std::string empty = UniqueJobTitle("Empty");
  printer_->SetDocumentName(empty);
  printer_->SetFontName("Arial");
  EXPECT_TRUE(printer_->EndDocument());

  // The queue prints in order: once a later job is out, the earlier ones would be.
  printer_->SetDocumentName(title_);
  ASSERT_TRUE(PrintOnePage());
  EXPECT_FALSE(WaitForPdf(abandoned, std::chrono::milliseconds(0)));
  EXPECT_FALSE(WaitForPdf(empty, std::chrono::milliseconds(0)));
}

TEST_F(PrintingTest, LandscapeA4ComesOutLandscape) {
  printer_->MakeCurrent(Installed(kPdfPrinter));
  printer_->SetOrientation(kLandscape);
  printer_->SetPaperSize(kPaperA4);
  const std::optional<PrintedPdf> pdf = PrintOnePage();
  ASSERT_TRUE(pdf);
  EXPECT_EQ(pdf->rotation, 90);
  EXPECT_EQ(printer_->Orientation(), kLandscape) << "settings last from one document to the next";
}

}  // namespace
}  // namespace glyvane::test

namespace glyvane::test {
namespace {

TEST(PrintBench, RunsUnixCommandsAndFindsThePdfFolder) {
  EXPECT_EQ(RunUnix("echo un; echo deux >&2; echo trois"), "un\ntrois\n");
  EXPECT_EQ(RunUnix("test -d '" + PdfFolder() + "' && echo oui"), "oui\n") << PdfFolder();
}

// What the printer-selection tests rely on: the bench's choices reach the settings
// that the dialog hands back.
TEST(PrintBench, ChoosesPrinterCopiesAndLandscapeInTheDialog) {
  PRINTDLGA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.Flags = kPrintFlagsDevModeCopies;
  PrintDialogAnswer answer({kLongNamePrinter, 3, true, true});
  ASSERT_TRUE(PrintDlgA(&dialog));
  ASSERT_TRUE(answer.Wait());
  EXPECT_TRUE(answer.landscapeChosen);
  {
    const auto* mode = static_cast<const DEVMODEA*>(GlobalLock(dialog.hDevMode));
    ASSERT_TRUE(mode);
    EXPECT_EQ(mode->dmOrientation, DMORIENT_LANDSCAPE);
    EXPECT_EQ(mode->dmCopies, 3);
    GlobalUnlock(dialog.hDevMode);
    const auto* names = static_cast<const DEVNAMES*>(GlobalLock(dialog.hDevNames));
    ASSERT_TRUE(names);
    EXPECT_EQ(reinterpret_cast<const char*>(names) + names->wDeviceOffset, kLongNamePrinter);
    GlobalUnlock(dialog.hDevNames);
  }
  GlobalFree(dialog.hDevMode);
  GlobalFree(dialog.hDevNames);
}

}  // namespace
}  // namespace glyvane::test
