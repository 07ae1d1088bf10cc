// The order form of the catalogue window in this process. Its printout is read back
// from the CUPS PDF printer only for what paper alone shows: every item on the one
// page, the details as typed, the euro sign, the tab stops of the real font.
#include <cmath>
#include <tuple>

#include "catalogue/order_items.h"
#include "catalogue/picture_ids.h"
#include "catalogue_window.h"
#include "print_bench.h"
#include "printing/gdi_printer_surface.h"
#include "printing/print_job.h"
#include "printing/recording_surface.h"

namespace glyvane::test {
namespace {

using namespace catalogue::commandeform_ids;

// The per-user details, read with the wide registry calls so that the accented names
// of the key and values are checked too; nullopt when absent.
constexpr const wchar_t* kDetailsKey = L"Software\\Orvex\\Catalogue\\Coordonn\u00e9es";

std::optional<std::wstring> ReadCatalogueDetail(const wchar_t* name) {
  wchar_t data[256] = {};
  DWORD size = sizeof data;
  if (RegGetValueW(HKEY_CURRENT_USER, kDetailsKey, name, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(data);
}

class CommandeformTest : public CatalogueTest {
 protected:
  HWND Open() {
    PressCommander();
    g_sounds.clear();
    return OrderForm();
  }
  // A click on the tick box of the order form's item `index`.
  void Tick(int index) { ClickListEntry(OrderItem(kList1), index, 3); }
  const KeptDefaultPrinter kept;  // the print dialog makes the printer picked the default
};

// The tab stops: eight average character widths of Times New Roman 12, which the
// test prefix backs with Liberation Serif (xAvgCharWidth 1124 of 2048 units).
constexpr double kTabStop = 8 * 1124.0 / 2048 * 12;  // points

// The lines of a printed page, each as one word: its words joined by single blanks,
// where it starts.
std::vector<PdfWord> Lines(const PrintedPdf& pdf) {
  std::vector<PdfWord> lines;
  for (const PdfWord& word : pdf.Words(1)) {
    if (!lines.empty() && std::abs(lines.back().yMin - word.yMin) < 2) {
      lines.back().text += " " + word.text;
    } else {
      lines.push_back(word);
    }
  }
  return lines;
}

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

// The sorted list holds the items in the order of the table, whose indices are those
// of the selection. The selection follows the clicks on the tick boxes, in the order
// of ticking; a second "&Commander" brings the same form back unchanged. The details
// come from the store and go back only with the "OK" of a printed order. A printer
// that refuses the job is told once the print dialog has gone, and the form still
// offers "Annuler"; the order then prints whole on the real printer.
TEST_F(CommandeformTest, TicksTheStoredDetailsAndTheOrderPrintedOnePageACopy) {
  const std::wstring stored = L"\u00c9lise";
  RegSetKeyValueW(HKEY_CURRENT_USER, kDetailsKey, L"Pr\u00e9non", REG_SZ, stored.c_str(),
                  static_cast<DWORD>((stored.size() + 1) * sizeof(wchar_t)));
  const std::string title = UniqueJobTitle("OrderPrint");
  ProgramPrinter().SetDocumentName(title);
  Start();
  const HWND order = Open();
  ASSERT_TRUE(order);
  EXPECT_TRUE(CentredOnScreen(order));
  EXPECT_TRUE(ControlsFit(order));
  EXPECT_EQ(CutCaptions(order, {kLabel16}), std::vector<std::string>{});
  EXPECT_EQ(ListItems(OrderItem(kList1)), std::vector<std::string>(OrderItems().begin(), OrderItems().end()));
  EXPECT_EQ(WindowText(OrderItem(kText2)), "Élise");
  EXPECT_EQ(WindowText(OrderItem(kText1)), "");
  // The shipping rule explains itself in a tooltip.
  SendMessageA(OrderItem(kLabel5), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(TooltipText(OrderItem(kLabel5)), "Tous les programmes sélectionnés seront sur disquette(s)");
  EXPECT_EQ(SendMessageA(OrderItem(kText5), EM_GETLIMITTEXT, 0, 0), 5);

  for (int item : {3, 12, 0}) Tick(item);
  EXPECT_EQ(Order().Selection(), ";3;12;0;");
  EXPECT_FALSE(IsWindowVisible(OrderItem(kLabel16)));
  Tick(12);
  EXPECT_EQ(Order().Selection(), ";3;0;");
  // Clicks on the list and on the first seven boxes play the click sound; the space
  // bar ticks without one.
  for (int box : {kText1, kText2, kText3, kText4, kText5, kText6, kText7, kText8}) ClickAt(OrderItem(box), 5, 5);
  EXPECT_EQ(g_sounds, std::vector<std::string>(4 + 7, click));
  SendMessageA(OrderItem(kList1), WM_KEYDOWN, VK_SPACE, 0);
  SendMessageA(OrderItem(kList1), WM_CHAR, ' ', 0);
  EXPECT_EQ(Order().Selection(), ";3;0;12;");
  EXPECT_EQ(g_sounds.size(), 4u + 7u);

  SetWindowTextA(OrderItem(kText3), "3 place du Marché");
  SetForegroundWindow(main);
  PressCommander();
  EXPECT_EQ(OrderForm(), order);
  EXPECT_EQ(GetForegroundWindow(), order);
  EXPECT_EQ(Order().Selection(), ";3;0;12;");
  EXPECT_TRUE(SendMessageA(OrderItem(kList1), LB_GETITEMDATA, 12, 0) & 1);
  EXPECT_EQ(WindowText(OrderItem(kText3)), "3 place du Marché");

  // "Annuler" and the close box discard what was typed, after a printout too.
  SetWindowTextA(OrderItem(kText1), "Durand");
  SendMessageA(OrderItem(kCommand1), BM_CLICK, 0, 0);
  EXPECT_FALSE(ReadCatalogueDetail(L"Nom"));
  ASSERT_TRUE(Open());
  SetWindowTextA(OrderItem(kText1), "Durand");
  Order().OrderPrinted();
  SendMessageA(OrderForm(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(OrderForm());
  EXPECT_FALSE(ReadCatalogueDetail(L"Nom"));
  EXPECT_EQ(ReadCatalogueDetail(L"Pr\u00e9non"), stored);

  ASSERT_TRUE(Open());
  RecordingSurface refusing({{kPdfPrinter, "winspool", "CUPS:PDF"}});
  Order().SetPrinter(refusing);
  Tick(0);
  refusing.RefuseToStart(true);
  PrintDialogAnswer refusal({kPdfPrinter, 2, true});
  std::unique_ptr<DialogAnswer> message;
  std::thread after([&] {
    if (refusal.Wait() && WaitUntil([] { return !FindWindowA("#32770", "Imprimer"); })) {
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
  EXPECT_EQ(WindowText(OrderItem(kCommand1)), "Annuler");

  Order().SetPrinter(ProgramPrinter());
  for (int item = 1; item < 23; ++item) Tick(item);
  const std::tuple<int, const wchar_t*, const wchar_t*> details[] = {  // box, stored as, typed
      {kText1, L"Nom", L"Durand"},          {kText2, L"Pr\u00e9non", L"H\u00e9l\u00e8ne"},
      {kText3, L"Adresse", L"3 place du March\u00e9"}, {kText5, L"Code Postal", L"35000"},
      {kText6, L"Ville", L"Rennes"},        {kText4, L"Email", L"helene@example.fr"},
      {kText7, L"T\u00e9l\u00e9phone", L"0299000000"}, {kText8, L"Connu", L"Par un ami"}};
  for (const auto& [box, key, typed] : details) SetWindowTextW(OrderItem(box), typed);
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
  const std::vector<PdfWord> lines = Lines(pdfs[0]);
  ASSERT_EQ(lines.size(), 1u + 23u + 17u);
  const double margin = lines[0].xMin;
  EXPECT_NEAR(margin, 30, 1) << "600 twips from the printable area's edge, which is the sheet's here";
  char today[16];
  GetDateFormatA(LOCALE_USER_DEFAULT, 0, nullptr, "dd/MM/yyyy", today, sizeof today);
  const std::tuple<size_t, int, std::string> expected[] = {  // line, tabs before it, text
      {1, 2, "- Agenda 2000 - 90 FF°"},
      {25, 0, WindowText(OrderItem(kLabel17))},
      {26, 0, "Nom : Durand, Prénom : Hélène"},
      {27, 0, "Adresse : 3 place du Marché"},
      {28, 0, "Code postal :35000, Ville : Rennes, France"},
      {29, 0, "Fax : 02 99 00 00 00"},
      {30, 0, "E mail : helene@example.fr"},
      {33, 0, std::string("Fait le ") + today},
      {35, 0, "A envoyer, accompagné d'un chèque bancaire d'un montant de 825 FF ou de 125,77 € à l'ordre de"},
      {40, 7, "France"},
  };
  for (const auto& [line, tabs, text] : expected) {
    EXPECT_EQ(lines[line].text, text);
    EXPECT_NEAR(lines[line].xMin - margin, tabs * kTabStop, 1.5) << text;
  }

  // Once printed, "Annuler" is "OK" with the picture of OK, and keeps them all.
  EXPECT_TRUE(PumpUntil([&] { return FindIcon(OrderItem(kCommand1), IDI_OK, 32).x >= 0; }, 5s));
  g_sounds.clear();
  SendMessageA(OrderItem(kCommand1), BM_CLICK, 0, 0);
  EXPECT_FALSE(OrderForm());
  EXPECT_EQ(g_sounds, std::vector<std::string>{click});
  for (const auto& [box, key, typed] : details) EXPECT_EQ(ReadCatalogueDetail(key), std::wstring(typed));
}

}  // namespace
}  // namespace glyvane::test
