// Printer selection and the real printer surface, on the CUPS PDF printers of the
// test prefix: the system's print dialog answered from a helper thread, the jobs
// read back from the PDF files they produced.
#include "print_bench.h"
#include "common/win/unique.h"
#include "printing/gdi_printer_surface.h"
#include "printing/recording_surface.h"
#include "printing/select_printer.h"

namespace glyvane::test {
namespace {

// A printer of the test prefix whose name fills DEVMODE's 32 characters and more.
const std::string kLongNamePrinter = "PDF_Imprimante_au_nom_de_quarante_signes";

class PrintingTest : public ::testing::Test {
 protected:
  int Select(const PrintDialogChoice& choice, DWORD flags = kPrintFlags, PrinterSurface* printer = nullptr) {
    PrintDialogAnswer answer(choice);
    const int copies = SelectPrinter(owner_.get(), flags, printer ? *printer : printer_);
    EXPECT_TRUE(answer.Wait()) << "the print dialog was not answered as asked";
    return copies;
  }
  PrinterInfo Installed(const std::string& device) const {
    for (const PrinterInfo& printer : printer_.InstalledPrinters()) {
      if (printer.device == device) return printer;
    }
    ADD_FAILURE() << device << " is not installed";
    return {};
  }

  const KeptDefaultPrinter kept_;
  const Unique<HWND, DestroyWindow> owner_{CreateWindowA("STATIC", "Glyvane", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100,
                                                         100, 300, 200, nullptr, nullptr, nullptr, nullptr)};
  const std::string title_ = UniqueJobTitle(::testing::UnitTest::GetInstance()->current_test_info()->name());
  GdiPrinterSurface printer_{title_};
};

// Chosen again, a printer is written as the default again: the user may have
// changed the default meanwhile. The caller repeats the job once per copy, and each
// printout sets its own orientation and paper. A cancel changes nothing.
TEST_F(PrintingTest, TheChosenPrinterIsCurrentAndTheDefaultAndPrintsOneCopyOfEachJobAndCancelChangesNothing) {
  EXPECT_EQ(printer_.Current(), Installed(kPdfPrinter)) << "the system's default at the start";
  WriteProfileStringA("windows", "device", "Autre,winspool,LPT1:");
  printer_.SetCopies(2);
  ASSERT_EQ(Select({kLongNamePrinter, 4, false}), 0);
  EXPECT_EQ(printer_.Current(), Installed(kPdfPrinter));
  EXPECT_EQ(printer_.Copies(), 2);
  EXPECT_EQ(DefaultPrinterEntry(), "Autre,winspool,LPT1:");

  const std::string entry = kLongNamePrinter + ",winspool," + Installed(kLongNamePrinter).port;
  for (int round = 0; round < 2; ++round) {
    WriteProfileStringA("windows", "device", "Autre,winspool,LPT1:");
    ASSERT_EQ(Select({kLongNamePrinter}), 1);
    EXPECT_EQ(printer_.Current(), Installed(kLongNamePrinter));
    EXPECT_EQ(DefaultPrinterEntry(), entry);
  }
  printer_.Print("Une seule page");
  EXPECT_TRUE(printer_.EndDocument());
  const std::optional<PrintedPdf> pdf = WaitForPdf(title_);
  ASSERT_TRUE(pdf);
  // The queue that printed it.
  const std::string completed = RunUnix("lpstat -W completed -o " + kLongNamePrinter);
  const std::string job = kLongNamePrinter + "-" + std::to_string(JobNumber(pdf->path)) + " ";
  EXPECT_NE(completed.find(job), std::string::npos) << pdf->path;

  for (const DWORD flags : {kPrintFlags, kPrintFlagsDevModeCopies}) {
    SCOPED_TRACE(flags);
    EXPECT_EQ(Select({kPdfPrinter, 3}, flags), 3);
    EXPECT_EQ(printer_.Copies(), 1) << "the copies are the caller's to repeat";
    const std::vector<char> mode = printer_.DocumentMode();
    ASSERT_GE(mode.size(), sizeof(DEVMODEA));
    EXPECT_EQ(reinterpret_cast<const DEVMODEA*>(mode.data())->dmCopies, 1);
  }
  RecordingSurface recording({Installed(kPdfPrinter), Installed(kLongNamePrinter)});
  ASSERT_EQ(Select({kLongNamePrinter}, kPrintFlags, &recording), 1);
  for (const std::string& call : recording.Calls()) {
    EXPECT_EQ(call.find("SetOrientation"), std::string::npos) << call;
    EXPECT_EQ(call.find("SetPaperSize"), std::string::npos) << call;
  }
}

// A dialog that cannot open (here: a template asked for that does not exist) is no
// cancel by the user: like a missing printer it is told, and nothing is chosen.
TEST_F(PrintingTest, NoPrinterOrAFailedDialogIsToldAndChoosesNothing) {
  RecordingSurface none(std::vector<PrinterInfo>{});
  for (const auto& [printer, flags, text, icon] :
       {std::tuple<PrinterSurface*, DWORD, std::string, UINT>{&none, kPrintFlags, "Aucune imprimante n'est installée.",
                                                             MB_ICONINFORMATION},
        {&printer_, kPrintFlags | PD_ENABLEPRINTTEMPLATE,
         "La fenêtre d'impression du système n'a pas pu s'ouvrir (erreur ", MB_ICONSTOP}}) {
    WriteProfileStringA("windows", "device", "Avant,winspool,CUPS:Avant");
    DialogAnswer message(GetCurrentProcessId(), IDOK);
    EXPECT_EQ(SelectPrinter(owner_.get(), flags, *printer), 0);
    ASSERT_TRUE(message.Wait());
    EXPECT_EQ(message.title, "Glyvane");
    EXPECT_EQ(message.text.rfind(text, 0), 0u) << message.text;
    EXPECT_EQ(message.icon, icon);
    EXPECT_EQ(DefaultPrinterEntry(), "Avant,winspool,CUPS:Avant");
  }
}

// What the printouts draw, on paper: texts in their fonts and code page, a line, a
// second page; nothing for a document abandoned.
TEST_F(PrintingTest, DocumentsComeOutAsDrawnAndNotWhenAbandoned) {
  const std::string abandoned = UniqueJobTitle("Abandoned");
  printer_.SetDocumentName(abandoned);
  printer_.Print("Jamais imprimé");
  printer_.AbortDocument();

  printer_.SetDocumentName(title_);
  printer_.SetFontName("Arial");
  printer_.Print("Première ligne");  // in another font first, so that the change of font shows
  printer_.SetFontName("Times New Roman");
  printer_.SetFontSize(15);
  printer_.Print("Page d'essai : été 2 €");
  printer_.Line(1440, 4320, 8640, 4320, kBlack);
  printer_.NewPage();
  printer_.Print("Seconde page");
  ASSERT_TRUE(printer_.EndDocument());

  const std::optional<PrintedPdf> pdf = WaitForPdf(title_);
  ASSERT_TRUE(pdf);
  // The queue prints in order: once a later job is out, the earlier ones are.
  EXPECT_FALSE(WaitForPdf(abandoned, std::chrono::milliseconds(0)));
  EXPECT_EQ(pdf->pages, 2);
  EXPECT_NE(pdf->Text(1).find("Page d'essai : été 2 €"), std::string::npos) << pdf->Text(1);
  EXPECT_NE(pdf->Text(2).find("Seconde page"), std::string::npos) << pdf->Text(2);

  // "Page" is 1.944 em wide in Liberation Serif, for Times New Roman (2.335 in Liberation Sans).
  const PdfWord title = pdf->Word(1, "Page");
  EXPECT_NEAR(title.xMax - title.xMin, 1.944 * 15, 0.5) << "the title's font";

  const HDC dc = CreateDCA("winspool", kPdfPrinter.c_str(), nullptr, nullptr);
  const int left = MulDiv(GetDeviceCaps(dc, PHYSICALOFFSETX), 72, GetDeviceCaps(dc, LOGPIXELSX));
  const int top = MulDiv(GetDeviceCaps(dc, PHYSICALOFFSETY), 72, GetDeviceCaps(dc, LOGPIXELSY));
  DeleteDC(dc);
  // The line, as pixels at 72 dpi (one point a pixel), from x = 72 to 432 points.
  const GreyImage grey = pdf->Grey(1, 72);
  for (int x = 74; x < 430; x += 10) EXPECT_GT(grey.Dark({left + x, top + 215, left + x + 1, top + 218}, 160), 0) << x;
  EXPECT_EQ(grey.Dark({left + 438, top + 215, left + 439, top + 218}, 255), 0) << "the line runs on";
}

}  // namespace
}  // namespace glyvane::test
