// The print dialog and its progress window, and the character tables, font lists and
// sample sheets they print to the CUPS PDF printer, with the main window and the
// dialog in this process as the user drives them, and the PDF read back.
#include <algorithm>
#include <cmath>

#include "font_folders.h"
#include "print_bench.h"
#include "printing/form2.h"
#include "printing/form3.h"
#include "printing/gdi_printer_surface.h"

namespace glyvane::test {
namespace {

using namespace form2_ids;
using Names = std::vector<std::string>;

std::string Today() {
  char date[32] = {};
  GetDateFormatA(LOCALE_USER_DEFAULT, 0, nullptr, "dd/MM/yyyy", date, sizeof date);
  return date;
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

bool TableOf(const PrintedPdf& pdf, int page, const std::string& font) {
  return Has(pdf.Text(page), "Table de caractères de \"" + font + "\"");
}

// What a user (or the system) does while a printout runs, from a timer that fires at
// the printout's pumps: g_then runs once, at the first pump where g_when holds.
std::function<bool()> g_when;
std::function<void()> g_then;

void CALLBACK AtThePump(HWND, UINT, UINT_PTR, DWORD) {
  if (g_when && g_when()) {
    g_when = nullptr;
    g_then();
  }
}

class PrintoutTest : public FolderTest {
 protected:
  void SetUp() override {
    FolderTest::SetUp();
    NewJob(::testing::UnitTest::GetInstance()->current_test_info()->name());
  }
  void NewJob(const std::string& what) {
    title = UniqueJobTitle(what);
    ProgramPrinter().SetDocumentName(title);
  }
  Form2& Open(int menu) {
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(menu, 0), 0);
    PumpFor(50ms);
    return *form->PrintDialog();
  }
  HWND Item(int id) const { return FindControl(form->PrintDialog()->hwnd(), id); }
  void Click(int id) {
    SendMessageA(Item(id), BM_CLICK, 0, 0);
    PumpFor(20ms);
  }
  void ClickEntry(int index, int x) { ClickListEntry(Item(kList1), index, x); }
  Names Chosen() const { return ListItems(Item(kList2)); }
  // The bar's inside as the screen shows it.
  std::vector<uint32_t> BarPixels(SIZE* size = nullptr) const {
    PumpFor(100ms);  // what is painted reaches the screen
    const HWND bar = FindControl(Progress()->hwnd(), form3_ids::kPicture1);
    RECT inside;
    GetClientRect(bar, &inside);
    if (size) *size = SIZE{inside.right, inside.bottom};
    MapWindowPoints(bar, HWND_DESKTOP, reinterpret_cast<POINT*>(&inside), 2);
    return ScreenPixels(inside);
  }
  Form3* Progress() const { return form->PrintDialog() ? form->PrintDialog()->ProgressWindow() : nullptr; }
  void PressAnnuler() const { SendMessageA(FindControl(Progress()->hwnd(), form3_ids::kCommand1), BM_CLICK, 0, 0); }
  // Presses a button of the print dialog, `then` done at the printout's first pump
  // where `when` holds; returns when the printout has ended.
  void Press(int button, PrintDialogChoice choice = {}, std::function<bool()> when = nullptr,
             std::function<void()> then = nullptr) {
    g_when = std::move(when);
    g_then = std::move(then);
    const UINT_PTR timer = SetTimer(nullptr, 0, 1, &AtThePump);
    PrintDialogAnswer answer(choice);
    SendMessageA(FindControl(form->PrintDialog()->hwnd(), button), BM_CLICK, 0, 0);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(answer.Wait());
    EXPECT_FALSE(g_when) << "the moment to act never came";
    g_when = nullptr;
  }
  // Every printout gives the windows back: the dialog is gone, the main window works.
  void ExpectTheWindowsBack() const {
    EXPECT_FALSE(form->PrintDialog());
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_FALSE(form->PrintJobRunning());
  }
  void Print(int menu, int button, PrintDialogChoice choice = {}) {
    Open(menu);
    g_sounds.clear();
    Press(button, choice);
    EXPECT_EQ(g_sounds, std::vector<std::string>{"data2.dll"}) << "the button's click";
    ExpectTheWindowsBack();
  }
  // The PDF of the job (an empty one, the failure told, when none comes).
  PrintedPdf Job(std::chrono::seconds wait = 60s) const {
    const std::optional<PrintedPdf> pdf = WaitForPdf(title, wait);
    EXPECT_TRUE(pdf) << "nothing printed";
    return pdf.value_or(PrintedPdf{});
  }
  PrintedPdf Printed(int menu, int button, std::chrono::seconds wait = 60s) {
    Print(menu, button);
    return Job(wait);
  }

  const KeptDefaultPrinter kept;
  std::string title;
};

// The font-list command shows the same dialog, shrunk to its own panel and renamed;
// the table command brings the table's panel back, as it was left.
TEST_F(PrintoutTest, OneDialogServesBothModesShowsProgressAndPrintsTablesAndSheetsAsChosenUntilAnnulerOrClosing) {
  Start();
  const HWND dialog = Open(form1_ids::kMenuPrintto).hwnd();
  EXPECT_EQ(GetWindow(dialog, GW_OWNER), main);
  RECT design;
  GetWindowRect(dialog, &design);
  // Every screen font once, in alphabetical order.
  const Names fonts = ListItems(Item(kList1));
  ASSERT_GT(fonts.size(), 20u);
  EXPECT_EQ(fonts.size(), ListItems(FindControl(main, form1_ids::kList2)).size());
  EXPECT_TRUE(std::is_sorted(fonts.begin(), fonts.end(), [](const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) < 0;
  }));
  EXPECT_FALSE(IsWindowEnabled(Item(kCommand4)));
  ClickEntry(5, 3);  // on the box
  ClickEntry(2, 3);
  const char* const tableCaption = "Imprimer la table de caractères...";
  for (const auto& [command, caption, table] : {std::tuple{form1_ids::kMenuPrintto, tableCaption, true},
                                               {form1_ids::kMenuPrintpolice, "Imprimer la liste de polices...", false},
                                               {form1_ids::kMenuPrintto, tableCaption, true}}) {
    SCOPED_TRACE(caption);
    EXPECT_EQ(Open(command).hwnd(), dialog) << "not loaded anew";
    EXPECT_EQ(WindowText(dialog), caption);
    RECT outer;
    GetWindowRect(dialog, &outer);
    EXPECT_TRUE(CentredOnScreen(dialog));
    EXPECT_EQ(outer.right - outer.left, design.right - design.left);
    EXPECT_EQ(outer.bottom - outer.top < design.bottom - design.top, !table);
    EXPECT_EQ(IsWindowVisible(Item(kPicture2)) != FALSE, table);
    EXPECT_EQ(IsWindowVisible(Item(kPicture1)) != FALSE, !table);
  }
  EXPECT_EQ(Chosen(), (Names{"5", "2"}));
  EXPECT_TRUE(IsWindowEnabled(Item(kCommand4)));
  // Space on the selected entry clears 5 (the arrow keys select as they move).
  SendMessageA(Item(kList1), LB_SETCURSEL, 5, 0);
  SendMessageA(Item(kList1), WM_KEYDOWN, VK_SPACE, 0);
  SendMessageA(Item(kList1), WM_CHAR, ' ', 0);
  EXPECT_EQ(Chosen(), Names{"2"});
  // A click on the text of an entry selects it; a second click there toggles it.
  ClickEntry(7, 60);
  EXPECT_EQ(Chosen(), Names{"2"});
  ClickEntry(7, 60);
  EXPECT_EQ(Chosen(), (Names{"2", "7"}));
  ClickEntry(2, 3);
  ClickEntry(7, 3);
  EXPECT_TRUE(Chosen().empty());
  EXPECT_FALSE(IsWindowEnabled(Item(kCommand4)));
  EXPECT_EQ(g_sounds.size(), 4u) << "each opening plays the click, ticking none";

  // Either "Annuler" closes it; it loads again as designed. The screen table needs an
  // installed font selected in the main window as the dialog loads.
  for (int cancel : {kCommand3, kCommand7}) {
    SCOPED_TRACE(cancel);
    Open(form1_ids::kMenuPrintto);
    ClickEntry(3, 3);
    if (cancel == kCommand7) Open(form1_ids::kMenuPrintpolice);
    g_sounds.clear();
    Click(cancel);
    EXPECT_FALSE(form->PrintDialog());
    EXPECT_EQ(g_sounds, Names{"data2.dll"});
    Open(form1_ids::kMenuPrintto);
    EXPECT_TRUE(Chosen().empty());
    Click(kCommand3);
  }
  SendMessageA(FindControl(main, form1_ids::kCombo1), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  Open(form1_ids::kMenuPrintto);
  EXPECT_FALSE(IsWindowEnabled(Item(kCommand2)));
  Click(kCommand3);
  SendMessageA(FindControl(main, form1_ids::kCombo1), LB_SETCURSEL, 0, 0);
  Form2& printDialog = Open(form1_ids::kMenuPrintto);
  EXPECT_TRUE(IsWindowEnabled(Item(kCommand2)));

  // A printout's progress window takes the dialog's place. Its bar: the part done
  // navy, the rest white, but for the percentage drawn over both in the other colour.
  printDialog.ShowProgressWindow();
  Form3& progress = *printDialog.ProgressWindow();
  EXPECT_EQ(WindowText(progress.hwnd()), "Impression ...");
  EXPECT_FALSE(IsWindowVisible(printDialog.hwnd()));
  EXPECT_TRUE(CentredOnScreen(progress.hwnd()));
  for (const double fraction : {0.0, 0.375, 1.0}) {
    progress.ShowProgress(fraction, true);
    SIZE size{};
    const std::vector<uint32_t> shown = BarPixels(&size);
    const long done = std::lround(size.cx * fraction);
    int other = 0;  // pixels of the percentage: neither the bar's navy nor its white
    for (std::size_t i = 0; i < shown.size(); ++i) {
      const uint32_t barColour = static_cast<long>(i) % size.cx < done ? 0x000080u : 0xFFFFFFu;
      other += shown[i] != barColour ? 1 : 0;
    }
    EXPECT_GT(other, 20) << "no percentage at " << fraction;
    EXPECT_LT(other, size.cx * size.cy / 10) << "no bar of " << fraction << " of " << size.cx;
  }
  // The box keeps its picture when it is painted again.
  progress.ShowProgress(0.5);
  const std::vector<uint32_t> last = BarPixels();
  RedrawWindow(progress.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_EQ(BarPixels(), last);
  // The printout closes the window at the end of each copy, lowering the flag that a
  // closing raises: the user's "Annuler", or closing, must outlast that.
  printDialog.JobStarted();
  printDialog.ShowProgressWindow();
  PressAnnuler();
  printDialog.CloseProgressWindow();
  EXPECT_TRUE(printDialog.UserCancelled());
  printDialog.JobStarted();
  EXPECT_FALSE(printDialog.UserCancelled());
  printDialog.ShowProgressWindow();
  SendMessageA(Progress()->hwnd(), WM_CLOSE, 0, 0);
  printDialog.CloseProgressWindow();
  EXPECT_TRUE(printDialog.UserCancelled());
  printDialog.JobEnded();

  PrintedPdf pdf = Printed(form1_ids::kMenuPrintto, kCommand1, 120s);
  EXPECT_EQ(pdf.pages, static_cast<int>(fonts.size()));
  EXPECT_EQ(pdf.rotation, 90) << "landscape";
  EXPECT_TRUE(TableOf(pdf, 1, fonts.front()));
  EXPECT_TRUE(TableOf(pdf, pdf.pages, fonts.back()));

  // The sheets: portrait pages, each copy a document of its own from page 1, in the
  // main window's order.
  NewJob("samples");
  const PrintedPdf samples = Printed(form1_ids::kMenuPrintpolice, kCommand6, 120s);
  EXPECT_EQ(samples.rotation, 0);
  // Some fonts of the list lack Latin letters; the others have them.
  std::string text;
  for (int page = 1; page <= samples.pages; ++page) text += samples.Text(page);
  EXPECT_TRUE(Has(text, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"));

  NewJob("list");
  Print(form1_ids::kMenuPrintpolice, kCommand5, {kPdfPrinter, 2});
  const std::vector<PrintedPdf> copies = WaitForPdfs(title, 2, 120s);
  ASSERT_EQ(copies.size(), 2u);
  EXPECT_TRUE(Has(copies[1].Text(1), "Liste des polices le " + Today() + " page 1")) << copies[1].Text(1);
  // The heading starts at 165 pt and the left column at 25 pt from the printable
  // area's edge. The names pdftotext reads whole come in the order of the main window's list.
  const std::vector<PdfWord> words = copies[0].Words(1);
  ASSERT_FALSE(words.empty());
  ASSERT_EQ(words[0].text, "Liste");
  const double edge = words[0].xMin - 165;
  std::vector<int> order;
  for (const PdfWord& word : words) {
    if (word.yMin < words[0].yMax + 20) continue;  // the heading
    if (word.xMin < edge + 30 && ComboIndexOf(word.text) >= 0) order.push_back(ComboIndexOf(word.text));
  }
  EXPECT_GE(order.size(), 5u);
  EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));

  NewJob("chosen");
  for (int item : {7, 3}) Open(form1_ids::kMenuPrintto).List1_ItemCheck(item);
  pdf = Printed(form1_ids::kMenuPrintto, kCommand4);
  ASSERT_EQ(pdf.pages, 2);
  EXPECT_TRUE(TableOf(pdf, 1, fonts[7]));
  EXPECT_TRUE(TableOf(pdf, 2, fonts[3]));

  // The screen's table of the installed fonts is the list's selection, not the font
  // the grid shows. C059 (of the URW fonts) has PostScript outlines, which are printed
  // as outlines: Wine's printer driver would crash the program if the font were sent.
  NewJob("screen");
  ASSERT_GE(ComboIndexOf("C059"), 0);
  SendMessageA(Control(form1_ids::kCombo1), LB_SETCURSEL, static_cast<WPARAM>(ComboIndexOf("C059")), 0);
  pdf = Printed(form1_ids::kMenuPrintto, kCommand2);
  EXPECT_EQ(pdf.pages, 1);
  EXPECT_TRUE(TableOf(pdf, 1, "C059"));
  // The "A" of code 65 lies 20 points above its label "0065 : A" and 5.5 points to
  // the right of the label's start; the grid's lines are clear of the place looked at.
  const PdfWord label = pdf.Word(1, "0065");
  const int x = static_cast<int>(label.xMin);
  const int y = static_cast<int>(label.yMin);
  EXPECT_GT(pdf.Grey(1, 72).Dark({x + 6, y - 17, x + 16, y - 6}), 20) << label.text;

  // The screen's table lets events in before its page, so "Annuler" at once prints
  // nothing. The main window closed (as the system does at the end of a session) while
  // the third font's page is drawn cancels the printout at the next font, then closes.
  NewJob("cancelled");
  Open(form1_ids::kMenuPrintto);
  Press(kCommand2, {}, [this] { return Progress() != nullptr; }, [this] { PressAnnuler(); });
  ExpectTheWindowsBack();
  // cups-pdf writes its file a few seconds after the job ends.
  EXPECT_FALSE(WaitForPdf(title, 5s));

  NewJob("closed");
  Open(form1_ids::kMenuPrintto);
  const auto showsThird = [this, &fonts] { return Progress() && Progress()->ShownFontName() == fonts[2]; };
  Press(kCommand1, {}, showsThird, [this] {
    EXPECT_FALSE(IsWindowEnabled(main));
    PostMessageA(main, WM_CLOSE, 0, 0);
  });
  EXPECT_TRUE(PumpUntil([this] { return !IsWindow(main); }, std::chrono::seconds(10)));
  EXPECT_EQ(Job().pages, 3);
}

// Families no installed font has, so that one left in the font table is seen. The
// screen's table of a file is its face, a temporary font the system knows only while
// it is shown. The folder's own faces are printed, the copy of an installed font under
// its installed name; the folder's path, 150 characters long, leaves the date on the
// page. However the printout ends (printed whole, its printer dialog cancelled,
// "Annuler", a file that cannot be removed), nothing of the folder stays in the font
// table and the main window's font file is back.
TEST_F(PrintoutTest, AFoldersFilesPrintUnderTheirFacesAndLeaveNothingInTheFontTable) {
  FontFolder folder(std::string(133, 'p'));  // 150 characters after "C:\glyvane-tests\"
  const std::string shown = folder.Add("faces/installable.ttf");
  for (const char* fixture : {"faces/bitmap.fon", "odd/chaines-hors-table.ttf", "faces/nouvelle.ttf",
                              "faces/pas-une-police.ttf", "faces/sans-copie.ttf", "faces/seconde.ttf"}) {
    folder.Add(fixture);
  }
  StartInOtherFontsMode();
  Browse(folder.path());
  ClickFile("installable.ttf");
  EXPECT_TRUE(TableOf(Printed(form1_ids::kMenuPrintto, kCommand2), 1, "Glyvane Installable"));
  const auto expectOnlyTheShownFileLeft = [&] {
    for (const char* face : {"Glyvane Nouvelle", "Glyvane Seconde", "Glyfon"}) EXPECT_FALSE(IsScreenFont(face)) << face;
    EXPECT_EQ(form->TemporaryFontPath(), shown);
    EXPECT_TRUE(IsScreenFont("Glyvane Installable"));
    EXPECT_TRUE(Command2Enabled());
  };
  NewJob("folder");
  const std::string list = Printed(form1_ids::kMenuPrintpolice, kCommand5, 120s).Text(1);
  expectOnlyTheShownFileLeft();
  EXPECT_TRUE(Has(list, "Liste des polices le " + Today() + " page 1 du dossier C:\\glyvane-tests\\pp")) << list;
  for (const char* face : {"Glyvane Installable", "Glyvane Nouvelle", "Liberation Sans", "Glyvane Seconde"}) {
    EXPECT_TRUE(Has(list, face)) << face;
  }
  Print(form1_ids::kMenuPrintpolice, kCommand5, {std::nullopt, std::nullopt, false});
  expectOnlyTheShownFileLeft();

  // Stopped at the pump of the entry of "nouvelle.ttf", while the printout holds it
  // in the font table: the page drawn is printed.
  const std::string held = folder.PathOf("nouvelle.ttf");
  for (const bool removalFails : {false, true}) {
    SCOPED_TRACE(removalFails);
    NewJob("stopped");
    bool mainUsableUnderPrinterDialog = false;
    std::unique_ptr<DialogAnswer> message;
    Open(form1_ids::kMenuPrintpolice);
    const auto atHeld = [&] {
      // Until the progress window shows, the system's print dialog is open.
      mainUsableUnderPrinterDialog |= !Progress() && IsWindowEnabled(main);
      return WindowText(FindControl(form->PrintDialog()->hwnd(), kLabel4)) == held;
    };
    Press(kCommand6, {}, atHeld, [&] {
      if (!removalFails) return PressAnnuler();
      RemoveFontResourceA(held.c_str());
      DeleteFileA(held.c_str());
      message = std::make_unique<DialogAnswer>(GetCurrentProcessId(), IDOK);
    });
    EXPECT_FALSE(mainUsableUnderPrinterDialog);
    ExpectTheWindowsBack();
    if (removalFails) {
      ASSERT_TRUE(message && message->Wait());
      EXPECT_EQ(message->icon, static_cast<UINT>(MB_ICONSTOP));
      EXPECT_EQ(message->title, form3_ids::kCaption);
      EXPECT_TRUE(Has(message->text, "nouvelle.ttf")) << message->text;
    }
    expectOnlyTheShownFileLeft();
    const std::string text = Job().Text(1);
    EXPECT_TRUE(Has(text, "Glyvane Installable"));
    EXPECT_TRUE(Has(text, "ABCDEFGHIJKLMNOPQRSTUVWXYZ")) << "the sample sheet";
    EXPECT_FALSE(Has(text, "Glyvane Seconde"));
  }
}

}  // namespace
}  // namespace glyvane::test
