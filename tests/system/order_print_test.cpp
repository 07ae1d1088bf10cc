// The order form's "Imprimer": the system's print dialog answered, the order printed
// on the CUPS PDF printer and read back word for word and where it stands, then "OK".
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <thread>

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

const PrintedLine* Find(const std::vector<PrintedLine>& lines, const std::string& start) {
  for (const PrintedLine& line : lines) {
    if (line.text.rfind(start, 0) == 0) return &line;
  }
  return nullptr;
}

std::string Today() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  char date[16];
  snprintf(date, sizeof date, "%02u/%02u/%04u", now.wDay, now.wMonth, now.wYear);
  return date;
}

std::string ChequeLine(const char* amounts) {
  return std::string("A envoyer, accompagné d'un chèque bancaire d'un montant de ") + amounts + " à l'ordre de";
}

class OrderPrintTest : public CatalogueTest {
 protected:
  void SetUp() override {
    CatalogueTest::SetUp();
    savedEntry_ = DefaultPrinterEntry();
    title = UniqueJobTitle(::testing::UnitTest::GetInstance()->current_test_info()->name());
    ProgramPrinter().SetDocumentName(title);
    Start();
    PressCommander();
  }
  void TearDown() override {
    CatalogueTest::TearDown();
    WriteProfileStringA("windows", "device", savedEntry_.c_str());
  }
  catalogue::commandeform& Order() const { return *form->OrderForm(); }
  void Tick(int index) {
    const HWND list = OrderItem(kList1);
    SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    RECT entry;
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&entry));
    ClickAt(list, 3, (entry.top + entry.bottom) / 2);
  }
  void Type(int box, const std::string& text) {
    SendMessageA(OrderItem(box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  // "Imprimer" with the print dialog answered; returns when the click has run.
  void Imprimer(PrintDialogChoice choice) {
    PrintDialogAnswer answer(choice);
    SendMessageA(OrderItem(kCommandebox), BM_CLICK, 0, 0);
    EXPECT_TRUE(answer.Wait());
  }
  std::vector<PrintedLine> PrintOnce() {
    Imprimer({kPdfPrinter, std::nullopt, true});
    const std::optional<PrintedPdf> pdf = WaitForPdf(title);
    if (!pdf) return {};
    EXPECT_EQ(pdf->pages, 1);
    title = UniqueJobTitle(title);
    ProgramPrinter().SetDocumentName(title);
    return Lines(*pdf);
  }

  std::string title;

 private:
  std::string savedEntry_;
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

TEST_F(OrderPrintTest, PrintsTheOrderWordForWordOneJobPerCopyThenOkKeepsTheDetails) {
  for (int item : {3, 12, 0}) Tick(item);
  const struct {
    int box;
    const char* typed;
    const wchar_t* key;
  } details[] = {{kText1, "Durand", L"Nom"},        {kText2, "Hélène", L"Pr\u00e9non"},
                 {kText3, "3 place du Marché", L"Adresse"}, {kText5, "75001", L"Code Postal"},
                 {kText6, "Paris", L"Ville"},       {kText7, "0123456789", L"T\u00e9l\u00e9phone"}};
  for (const auto& d : details) Type(d.box, d.typed);
  g_order = OrderForm();
  g_main = main;
  g_sounds.clear();
  const UINT_PTR timer = SetTimer(nullptr, 0, 1, &TryToReenter);
  Imprimer({kPdfPrinter, 2, true});
  KillTimer(nullptr, timer);
  EXPECT_EQ(g_sounds, std::vector<std::string>{click});
  EXPECT_GT(g_pumpsInTheJob, 0);
  EXPECT_FALSE(g_mainEnabled);
  ASSERT_TRUE(OrderForm());
  EXPECT_TRUE(IsWindowEnabled(OrderForm()));
  EXPECT_TRUE(IsWindowEnabled(main));

  // Waits for a third job too: it would come within the wait.
  const std::vector<PrintedPdf> pdfs = WaitForPdfs(title, 3, std::chrono::seconds(10));
  ASSERT_EQ(pdfs.size(), 2u);
  const struct {
    int tabs;
    std::string text;
  } expected[] = {
      {0, "Je désire commander à Talvenne les logiciels suivants :"},
      {2, "- Alunissage - ShareWare"},
      {2, "- Budget Familial - ShareWare"},
      {2, "- Agenda 2000 - 90 FF°"},
      {0, "Plus 15 FF de frais de port pour moins de 4 programmes et 30 FF pour 4 programmes et plus."},
      {0, WindowText(OrderItem(kLabel17))},
      {0, "Nom : Durand, Prénom : Hélène"},
      {0, "Adresse : 3 place du Marché"},
      {0, "Code postal :75001, Ville : Paris, France"},
      {0, "Fax : 01 23 45 67 89"},
      {0, "Comment avez-vous connu ces programmes ?"},
      {0, "Fait le " + Today()},
      {0, "Signature :"},
      {0, ChequeLine("105 FF ou de 16,01 €")},
      {6, "\"Talvenne\" à :"},
      {6, "Talvenne"},
      {6, "12 rue des Tilleuls"},
      {6, "35000 Rennes"},
      {7, "France"},
  };
  for (const PrintedPdf& pdf : pdfs) {
    EXPECT_EQ(pdf.pages, 1);
    const std::vector<PrintedLine> lines = Lines(pdf);
    ASSERT_EQ(lines.size(), std::size(expected));
    const double margin = lines[0].x;
    EXPECT_NEAR(margin, 30, 1) << "600 twips from the printable area's edge, which is the sheet's here";
    for (size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i].text, expected[i].text);
      // "  Talvenne" starts two blanks after its stop.
      const double blanks = expected[i].text == "Talvenne" ? 6 : 0;
      EXPECT_NEAR(lines[i].x - margin, expected[i].tabs * kTabStop + blanks, 1.5) << expected[i].text;
    }
    // The empty answer's line of blanks, and the eight empty lines for the signature.
    const double line = lines[8].y - lines[7].y;
    EXPECT_NEAR(lines[11].y - lines[10].y, 2 * line, 1);
    EXPECT_NEAR(lines[13].y - lines[12].y, 9 * line, 1);
  }
  EXPECT_EQ(pdfs[0].Text(1), pdfs[1].Text(1));

  // Once printed, "OK" keeps the details, and the next order form starts with them.
  EXPECT_EQ(WindowText(OrderItem(kCommand1)), "OK");
  SendMessageA(OrderItem(kCommand1), BM_CLICK, 0, 0);
  EXPECT_FALSE(OrderForm());
  for (const auto& d : details) EXPECT_TRUE(ReadCatalogueDetail(d.key)) << d.typed;
  PressCommander();
  for (const auto& d : details) EXPECT_EQ(WindowText(OrderItem(d.box)), d.typed);
}

TEST_F(OrderPrintTest, TheChequeCarriesEachOrdersOwnTotal) {
  const struct {
    std::vector<int> ticked;
    const char* amounts;
  } cases[] = {
      {{21}, "65 FF ou de 9,91 €"},               // Glyvane - 50 FF°
      {{21, 1, 3, 5, 7}, "30 FF ou de 4,57 €"},   // Glyvane unticked, four unpriced items ticked
      {{1, 3, 5, 7}, "15 FF ou de 2,29 €"},       // nothing ticked any more
  };
  for (const auto& c : cases) {
    for (int item : c.ticked) Tick(item);
    const std::vector<PrintedLine> lines = PrintOnce();
    const PrintedLine* cheque = Find(lines, "A envoyer");
    ASSERT_TRUE(cheque) << c.amounts;
    EXPECT_EQ(cheque->text, ChequeLine(c.amounts));
  }
}

TEST_F(OrderPrintTest, AllTwentyThreeItemsFitOnTheOnePage) {
  for (int item = 0; item < 23; ++item) Tick(item);
  const std::vector<PrintedLine> lines = PrintOnce();
  ASSERT_EQ(lines.size(), 23u + 15u);
  EXPECT_EQ(lines[23].text, "- Glyvane - ShareWare");
  EXPECT_EQ(lines.back().text, "France");
}

TEST_F(OrderPrintTest, ACancelledPrinterDialogPrintsNothingAndChangesNothing) {
  Tick(4);
  Type(kText1, "Durand");
  Imprimer({kPdfPrinter, std::nullopt, false});
  EXPECT_TRUE(NoPdfTitled(title));
  EXPECT_EQ(WindowText(OrderItem(kCommand1)), "Annuler");
  EXPECT_TRUE(IsWindowEnabled(main));
  SendMessageA(OrderItem(kCommand1), BM_CLICK, 0, 0);
  EXPECT_FALSE(OrderForm());
  EXPECT_FALSE(ReadCatalogueDetail(L"Nom"));
}

TEST_F(OrderPrintTest, APrinterThatRefusesTheJobIsReportedAndNoOkFollows) {
  RecordingSurface refusing({{kPdfPrinter, "winspool", "CUPS:PDF"}});
  refusing.RefuseToStart(true);
  Order().SetPrinter(refusing);
  Type(kText1, "Durand");
  PrintDialogAnswer answer({kPdfPrinter, 2, true});
  // The message comes once the print dialog has gone.
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
  EXPECT_EQ(refusing.DocumentsAbandoned(), 1) << "the second copy is not tried";
  EXPECT_EQ(WindowText(OrderItem(kCommand1)), "Annuler");
  EXPECT_TRUE(IsWindowEnabled(OrderForm()));
}

}  // namespace
}  // namespace glyvane::test
