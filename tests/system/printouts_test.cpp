// The character tables, font lists and sample sheets printed from the print dialog
// to the CUPS PDF printer, with the main window and the dialog in this process as
// the user drives them, and the PDF read back.
#include <algorithm>
#include <cmath>

#include "font_folders.h"
#include "print_bench.h"
#include "printing/form2.h"
#include "printing/form3.h"
#include "printing/gdi_printer_surface.h"

namespace glyvane::test {
namespace {

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
    return *form->PrintDialog();
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
  // A4 as cups-pdf writes it: a landscape page is the upright sheet turned by 90°.
  static void ExpectA4(const PrintedPdf& pdf, int rotation) {
    EXPECT_EQ(std::lround(pdf.width), 595);
    EXPECT_EQ(std::lround(pdf.height), 842);
    EXPECT_EQ(pdf.rotation, rotation);
  }

  const KeptDefaultPrinter kept;
  std::string title;
};

TEST_F(PrintoutTest, TheTablesArePagesOfEveryFontTheChosenOnesOrTheListsSelectionAndEndAtAnnulerOrClosing) {
  Start();
  const std::vector<std::string> fonts =
      ListItems(FindControl(Open(form1_ids::kMenuPrintto).hwnd(), form2_ids::kList1));
  ASSERT_GT(fonts.size(), 20u);
  PrintedPdf pdf = Printed(form1_ids::kMenuPrintto, form2_ids::kCommand1, 120s);
  EXPECT_EQ(pdf.pages, static_cast<int>(fonts.size()));
  ExpectA4(pdf, 90);
  EXPECT_TRUE(TableOf(pdf, 1, fonts.front()));
  EXPECT_TRUE(TableOf(pdf, pdf.pages, fonts.back()));

  NewJob("chosen");
  for (int item : {7, 3}) Open(form1_ids::kMenuPrintto).List1_ItemCheck(item);
  pdf = Printed(form1_ids::kMenuPrintto, form2_ids::kCommand4);
  ASSERT_EQ(pdf.pages, 2);
  EXPECT_TRUE(TableOf(pdf, 1, fonts[7]));
  EXPECT_TRUE(TableOf(pdf, 2, fonts[3]));

  // The screen's table of the installed fonts is the list's selection, not the font
  // the grid shows. C059 (of the URW fonts) has PostScript outlines, which are printed
  // as outlines: Wine's printer driver would crash the program if the font were sent.
  NewJob("screen");
  ASSERT_GE(ComboIndexOf("C059"), 0);
  SendMessageA(Control(form1_ids::kCombo1), LB_SETCURSEL, static_cast<WPARAM>(ComboIndexOf("C059")), 0);
  pdf = Printed(form1_ids::kMenuPrintto, form2_ids::kCommand2);
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
  Press(form2_ids::kCommand2, {}, [this] { return Progress() != nullptr; }, [this] { PressAnnuler(); });
  ExpectTheWindowsBack();
  // cups-pdf writes its file a few seconds after the job ends.
  EXPECT_FALSE(WaitForPdf(title, 5s));

  NewJob("closed");
  Open(form1_ids::kMenuPrintto);
  const auto showsThird = [this, &fonts] { return Progress() && Progress()->ShownFontName() == fonts[2]; };
  Press(form2_ids::kCommand1, {}, showsThird, [this] {
    EXPECT_FALSE(IsWindowEnabled(main));
    PostMessageA(main, WM_CLOSE, 0, 0);
  });
  EXPECT_TRUE(PumpUntil([this] { return !IsWindow(main); }, std::chrono::seconds(10)));
  EXPECT_EQ(Job().pages, 3);
}

// Portrait pages, each copy a document of its own from page 1, in the main window's
// order, no name running into the next column.
TEST_F(PrintoutTest, TheInstalledFontsSheetsArePortraitInTheListsOrderOncePerCopy) {
  Start();
  const PrintedPdf samples = Printed(form1_ids::kMenuPrintpolice, form2_ids::kCommand6, 120s);
  ExpectA4(samples, 0);
  EXPECT_TRUE(Has(samples.Text(1), ComboEntry(0)));
  // The first fonts of the list may lack Latin letters; the last ones have them.
  EXPECT_TRUE(Has(samples.Text(samples.pages), "ABCDEFGHIJKLMNOPQRSTUVWXYZ"));

  NewJob("list");
  Print(form1_ids::kMenuPrintpolice, form2_ids::kCommand5, {kPdfPrinter, 2});
  const std::vector<PrintedPdf> copies = WaitForPdfs(title, 2, 120s);
  ASSERT_EQ(copies.size(), 2u);
  EXPECT_TRUE(Has(copies[1].Text(1), "Liste des polices le " + Today() + " page 1")) << copies[1].Text(1);
  // The heading starts at 165 pt and the columns at 25 and 295 pt from the printable
  // area's edge; a name is narrower than 255 pt. The names pdftotext reads whole
  // come in the order of the main window's list.
  const std::vector<PdfWord> words = copies[0].Words(1);
  ASSERT_FALSE(words.empty());
  ASSERT_EQ(words[0].text, "Liste");
  const double edge = words[0].xMin - 165;
  std::vector<int> order;
  for (const PdfWord& word : words) {
    if (word.yMin < words[0].yMax + 20) continue;  // the heading
    if (word.xMin < edge + 30 && ComboIndexOf(word.text) >= 0) order.push_back(ComboIndexOf(word.text));
    if (word.xMin < edge + 290) {
      EXPECT_LT(word.xMax, edge + 25 + 255 + 1) << word.text;
    }
  }
  EXPECT_GE(order.size(), 5u);
  EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));
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
  EXPECT_TRUE(TableOf(Printed(form1_ids::kMenuPrintto, form2_ids::kCommand2), 1, "Glyvane Installable"));
  const auto expectOnlyTheShownFileLeft = [&] {
    for (const char* face : {"Glyvane Nouvelle", "Glyvane Seconde", "Glyfon"}) EXPECT_FALSE(IsScreenFont(face)) << face;
    EXPECT_EQ(form->TemporaryFontPath(), shown);
    EXPECT_TRUE(IsScreenFont("Glyvane Installable"));
    EXPECT_TRUE(Command2Enabled());
  };
  NewJob("folder");
  const std::string list = Printed(form1_ids::kMenuPrintpolice, form2_ids::kCommand5, 120s).Text(1);
  expectOnlyTheShownFileLeft();
  EXPECT_TRUE(Has(list, "Liste des polices le " + Today() + " page 1 du dossier C:\\glyvane-tests\\pp")) << list;
  for (const char* face : {"Glyvane Installable", "Glyvane Nouvelle", "Liberation Sans", "Glyvane Seconde"}) {
    EXPECT_TRUE(Has(list, face)) << face;
  }
  Print(form1_ids::kMenuPrintpolice, form2_ids::kCommand5, {std::nullopt, std::nullopt, false});
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
      return WindowText(FindControl(form->PrintDialog()->hwnd(), form2_ids::kLabel4)) == held;
    };
    Press(form2_ids::kCommand6, {}, atHeld, [&] {
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
