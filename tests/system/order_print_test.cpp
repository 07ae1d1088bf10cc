// The order form's "Imprimer": the system's print dialog answered, the order printed
// on the CUPS PDF printer and read back where only paper shows it (every item on the
// one page, the details as typed, the euro sign, the tab stops of the real font),
// and a printer that refuses the job.
#include <algorithm>
#include <cmath>

#include "catalogue_window.h"
#include "print_bench.h"
#include "printing/gdi_printer_surface.h"
#include "printing/print_job.h"
#include "printing/recording_surface.h"

namespace glyvane::test {
namespace {

using namespace catalogue::commandeform_ids;

// The tab stops: eight average character widths of Times New Roman 12, which the
// test prefix backs with Liberation Serif (xAvgCharWidth 1124 of 2048 units).
constexpr double kTabStop = 8 * 1124.0 / 2048 * 12;  // points

// A line of a printed page: its words joined by single blanks, where it starts.
struct PrintedLine {
  std::string text;
  double x, y;
};

std::vector<PrintedLine> Lines(const PrintedPdf& pdf) {
  std::vector<PdfWord> words = pdf.Words(1);
  std::stable_sort(words.begin(), words.end(), [](const PdfWord& a, const PdfWord& b) {
    return std::lround(a.yMin) != std::lround(b.yMin) ? a.yMin < b.yMin : a.xMin < b.xMin;
  });
  std::vector<PrintedLine> lines;
  for (const PdfWord& word : words) {
    if (!lines.empty() && std::abs(lines.back().y - word.yMin) < 2) {
      lines.back().text += " " + word.text;
    } else {
      lines.push_back({word.text, word.xMin, word.yMin});
    }
  }
  return lines;
}

class OrderPrintTest : public CatalogueTest {
 protected:
  void SetUp() override {
    CatalogueTest::SetUp();
    title = UniqueJobTitle(::testing::UnitTest::GetInstance()->current_test_info()->name());
    ProgramPrinter().SetDocumentName(title);
    Start();
    PressCommander();
  }
  const KeptDefaultPrinter kept;
  std::string title;
};

// The timer runs at the pumps of the print dialog and of the job: it presses
// "Imprimer" and "Annuler" and closes the form, which must all be refused, and looks
// at the catalogue window, which must be disabled.
HWND g_order = nullptr;
HWND g_main = nullptr;
int g_pumpsInTheJob = 0;
bool g_mainEnabled = false;

void CALLBACK TryToReenter(HWND, UINT, UINT_PTR, DWORD) {
  if (!FindWindowA("#32770", "Imprimer")) ++g_pumpsInTheJob;
  if (IsWindowEnabled(g_main)) g_mainEnabled = true;
  PostMessageA(FindControl(g_order, kCommandebox), BM_CLICK, 0, 0);
  PostMessageA(FindControl(g_order, kCommand1), BM_CLICK, 0, 0);
  PostMessageA(g_order, WM_CLOSE, 0, 0);
}

TEST_F(OrderPrintTest, PrintsEveryItemOnOnePageOneJobPerCopyThenOffersOk) {
  for (int item = 0; item < 23; ++item) Tick(item);
  const std::pair<int, const char*> typed[] = {{kText1, "Durand"}, {kText2, "Hélène"}, {kText3, "3 place du Marché"},
                                               {kText5, "75001"},  {kText6, "Paris"},  {kText7, "0123456789"}};
  for (const auto& [box, text] : typed) Type(box, text);
  g_order = OrderForm();
  g_main = main;
  g_sounds.clear();
  const UINT_PTR timer = SetTimer(nullptr, 0, 1, &TryToReenter);
  PrintDialogAnswer answer({kPdfPrinter, 2, true});
  SendMessageA(OrderItem(kCommandebox), BM_CLICK, 0, 0);  // returns when the job has run
  EXPECT_TRUE(answer.Wait());
  KillTimer(nullptr, timer);
  EXPECT_EQ(g_sounds, std::vector<std::string>{click});
  EXPECT_GT(g_pumpsInTheJob, 0);
  EXPECT_FALSE(g_mainEnabled);
  ASSERT_TRUE(OrderForm());
  EXPECT_TRUE(IsWindowEnabled(OrderForm()));
  EXPECT_TRUE(IsWindowEnabled(main));
  EXPECT_EQ(WindowText(OrderItem(kCommand1)), "OK");

  // Waits for a third job too: it would come within the wait.
  const std::vector<PrintedPdf> pdfs = WaitForPdfs(title, 3, std::chrono::seconds(10));
  ASSERT_EQ(pdfs.size(), 2u);
  EXPECT_EQ(pdfs[0].Text(1), pdfs[1].Text(1));
  EXPECT_EQ(pdfs[0].pages, 1);
  const std::vector<PrintedLine> lines = Lines(pdfs[0]);
  ASSERT_EQ(lines.size(), 1u + 23u + 15u);
  const double margin = lines[0].x;
  EXPECT_NEAR(margin, 30, 1) << "600 twips from the printable area's edge, which is the sheet's here";
  char today[16];
  GetDateFormatA(LOCALE_USER_DEFAULT, 0, nullptr, "dd/MM/yyyy", today, sizeof today);
  const struct {
    size_t line;
    int tabs;
    std::string text;
  } expected[] = {
      {1, 2, "- Agenda 2000 - 90 FF°"},
      {23, 2, "- Glyvane - ShareWare"},
      {25, 0, WindowText(OrderItem(kLabel17))},
      {26, 0, "Nom : Durand, Prénom : Hélène"},
      {27, 0, "Adresse : 3 place du Marché"},
      {28, 0, "Code postal :75001, Ville : Paris, France"},
      {29, 0, "Fax : 01 23 45 67 89"},
      {31, 0, std::string("Fait le ") + today},
      {33, 0, "A envoyer, accompagné d'un chèque bancaire d'un montant de 825 FF ou de 125,77 € à l'ordre de"},
      {38, 7, "France"},
  };
  for (const auto& e : expected) {
    EXPECT_EQ(lines[e.line].text, e.text);
    EXPECT_NEAR(lines[e.line].x - margin, e.tabs * kTabStop, 1.5) << e.text;
  }
}

// A printer that refuses the job: told once the print dialog has gone, and the form
// still offers "Annuler".
TEST_F(OrderPrintTest, ARefusedJobIsReported) {
  RecordingSurface printer({{kPdfPrinter, "winspool", "CUPS:PDF"}});
  Order().SetPrinter(printer);
  Tick(4);
  printer.RefuseToStart(true);
  PrintDialogAnswer answer({kPdfPrinter, 2, true});
  std::unique_ptr<DialogAnswer> message;
  std::thread after([&] {
    if (answer.Wait() && WaitUntil([] { return !FindWindowA("#32770", "Imprimer"); })) {
      message = std::make_unique<DialogAnswer>(GetCurrentProcessId(), IDOK);
    }
  });
  SendMessageA(OrderItem(kCommandebox), BM_CLICK, 0, 0);
  after.join();
  ASSERT_TRUE(message);
  ASSERT_TRUE(message->Wait());
  EXPECT_EQ(message->title, "Commander");
  EXPECT_EQ(message->text, kPrinterRefusedMessage);
  EXPECT_EQ(message->icon, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_EQ(printer.DocumentsAbandoned(), 1) << "the second copy is not tried";
  EXPECT_EQ(WindowText(OrderItem(kCommand1)), "Annuler");
  EXPECT_TRUE(IsWindowEnabled(OrderForm()));
}

}  // namespace
}  // namespace glyvane::test
