// The font lists and sample sheets printed from the print dialog to the CUPS PDF
// printer, of the installed fonts and of a folder's font files, with the main window
// and the dialog in this process as the user drives them, and the PDF read back.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "font_folders.h"
#include "print_bench.h"
#include "printing/form2.h"
#include "printing/gdi_printer_surface.h"

namespace glyvane::test {
namespace {

std::string Today() {
  char date[32] = {};
  GetDateFormatA(LOCALE_USER_DEFAULT, 0, nullptr, "dd/MM/yyyy", date, sizeof date);
  return date;
}

class FontSheetPrintTest : public FolderTest {
 protected:
  void SetUp() override {
    FolderTest::SetUp();
    savedEntry_ = DefaultPrinterEntry();
    title = UniqueJobTitle(::testing::UnitTest::GetInstance()->current_test_info()->name());
    ProgramPrinter().SetDocumentName(title);
  }
  void TearDown() override {
    FolderTest::TearDown();
    WriteProfileStringA("windows", "device", savedEntry_.c_str());
  }
  // Opens the print dialog through a menu command and presses one of its buttons,
  // the system's print dialog answered as `choice`; returns when the printout ended.
  void Print(int menu, int button, PrintDialogChoice choice = {kPdfPrinter, std::nullopt, true}) {
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(menu, 0), 0);
    const HWND dialog = form->PrintDialog()->hwnd();
    PrintDialogAnswer answer(choice);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(FindControl(dialog, button)));
    EXPECT_TRUE(answer.Wait());
    EXPECT_FALSE(form->PrintDialog());
    EXPECT_TRUE(IsWindowEnabled(main));
  }
  static void ExpectPortraitA4(const PrintedPdf& pdf) {
    EXPECT_EQ(std::lround(pdf.width), 595);
    EXPECT_EQ(std::lround(pdf.height), 842);
    EXPECT_EQ(pdf.rotation, 0);
  }
  static bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

  std::string title;

 private:
  std::string savedEntry_;
};

// After a character table (landscape), on pages of two columns, each copy a
// document of its own from page 1, no name running into the next column.
TEST_F(FontSheetPrintTest, TheInstalledFontListIsPortraitInTheListsOrderOncePerCopy) {
  Start();
  ProgramPrinter().SetDocumentName(UniqueJobTitle("table"));
  Print(form1_ids::kMenuPrintto, form2_ids::kCommand2);
  ProgramPrinter().SetDocumentName(title);
  Print(form1_ids::kMenuPrintpolice, form2_ids::kCommand5, {kPdfPrinter, 2, true});

  const std::vector<PrintedPdf> copies = WaitForPdfs(title, 2, std::chrono::seconds(120));
  ASSERT_EQ(copies.size(), 2u);
  for (const PrintedPdf& pdf : copies) {
    ExpectPortraitA4(pdf);
    for (int page = 1; page <= pdf.pages; ++page) {
      EXPECT_TRUE(Has(pdf.Text(page), "Liste des polices le " + Today() + " page " + std::to_string(page))) << page;
    }
  }
  // The heading starts at 3300 twips (165 pt) and the columns at 25 and 295 pt from
  // the printable area's edge; a name is narrower than 5100 twips (255 pt). The
  // names pdftotext reads whole come in the order of the main window's list.
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

TEST_F(FontSheetPrintTest, TheInstalledSampleSheetShowsEachFontsCharacters) {
  Start();
  Print(form1_ids::kMenuPrintpolice, form2_ids::kCommand6);
  const std::optional<PrintedPdf> pdf = WaitForPdf(title, std::chrono::seconds(120));
  ASSERT_TRUE(pdf);
  ExpectPortraitA4(*pdf);
  EXPECT_TRUE(Has(pdf->Text(1), "Liste des polices le " + Today() + " page 1"));
  EXPECT_TRUE(Has(pdf->Text(1), ComboEntry(0)));
  // The first fonts of the list may lack Latin letters; the rest have them.
  std::string text;
  for (int page = 1; page <= pdf->pages; ++page) text += pdf->Text(page);
  EXPECT_TRUE(Has(text, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
  EXPECT_TRUE(Has(text, "0123456789/*-+()[]#éèà@€%&"));
}

// Families no installed font has, so that one left in the font table is seen: the
// folder's own faces are printed, the copy of an installed font under its installed
// name, and nothing of the folder stays in the table; the main window's font file
// is back. The folder's path, 150 characters long, leaves the date on the page.
TEST_F(FontSheetPrintTest, AFoldersFilesPrintUnderTheirFacesAndLeaveNothingInTheFontTable) {
  FontFolder folder(std::string(133, 'p'));
  ASSERT_EQ(folder.path().size(), 150u);
  const std::string shown = folder.Add("faces/installable.ttf");
  for (const char* fixture : {"faces/bitmap.fon", "odd/chaines-hors-table.ttf", "faces/nouvelle.ttf",
                              "faces/pas-une-police.ttf", "faces/sans-copie.ttf", "faces/seconde.ttf"}) {
    folder.Add(fixture);
  }
  StartInOtherFontsMode();
  Browse(folder.path());
  ClickFile("installable.ttf");
  ASSERT_EQ(form->TemporaryFontPath(), shown);

  for (const int button : {form2_ids::kCommand5, form2_ids::kCommand6}) {
    SCOPED_TRACE(button);
    ProgramPrinter().SetDocumentName(title + std::to_string(button));
    Print(form1_ids::kMenuPrintpolice, button);
    for (const char* face : {"Glyvane Nouvelle", "Glyvane Seconde", "Glyfon"}) EXPECT_FALSE(IsScreenFont(face)) << face;
    EXPECT_EQ(form->TemporaryFontPath(), shown);
    EXPECT_TRUE(IsScreenFont("Glyvane Installable"));

    const std::optional<PrintedPdf> pdf = WaitForPdf(title + std::to_string(button), std::chrono::seconds(120));
    ASSERT_TRUE(pdf);
    const std::string text = pdf->Text(1);
    EXPECT_TRUE(Has(text, "Liste des polices le " + Today() + " page 1 du dossier C:\\glyvane-tests\\pp")) << text;
    for (const char* face : {"Glyvane Installable", "Glyvane Nouvelle", "Liberation Sans", "Glyvane Seconde"}) {
      EXPECT_TRUE(Has(text, face)) << face;
    }
  }
}

// The ways a folder printout ends early, taken at the pump of the entry of
// "nouvelle.ttf" while the printout holds it in the font table: the user's
// "Annuler", or the file gone from the table and the disk so that it cannot be
// removed. Either way the page drawn is printed, nothing of the folder stays in
// the table, the windows come back with the main window's own font file.
Form2* g_dialog = nullptr;
std::string g_stopAt;
bool g_removeIt = false;
std::unique_ptr<DialogAnswer> g_message;
HWND g_main = nullptr;
bool g_mainUsableUnderPrinterDialog = false;

void CALLBACK StopAtTheHeldFile(HWND, UINT, UINT_PTR, DWORD) {
  if (!g_dialog || g_stopAt.empty()) return;
  // Until the progress window shows, the system's print dialog is open.
  if (!g_dialog->ProgressWindow() && IsWindowEnabled(g_main)) g_mainUsableUnderPrinterDialog = true;
  const HWND held = FindControl(g_dialog->hwnd(), form2_ids::kLabel4);
  if (WindowText(held) != g_stopAt) return;
  if (g_removeIt) {
    RemoveFontResourceA(g_stopAt.c_str());
    DeleteFileA(g_stopAt.c_str());
    g_message = std::make_unique<DialogAnswer>(GetCurrentProcessId(), IDOK);
  } else if (Form3* progress = g_dialog->ProgressWindow()) {
    SendMessageA(FindControl(progress->hwnd(), form3_ids::kCommand1), BM_CLICK, 0, 0);
  }
  g_stopAt.clear();
}

class FolderStopTest : public FontSheetPrintTest {
 protected:
  void PrintAndStop(bool removalFails) {
    FontFolder folder(removalFails ? "echec" : "annule");
    const std::string shown = folder.Add("faces/installable.ttf");
    for (const char* fixture : {"faces/bitmap.fon", "faces/nouvelle.ttf", "faces/seconde.ttf"}) folder.Add(fixture);
    StartInOtherFontsMode();
    Browse(folder.path());
    ClickFile("installable.ttf");
    // A cancelled printer dialog keeps the main window's font file where it is.
    Print(form1_ids::kMenuPrintpolice, form2_ids::kCommand5, {std::nullopt, std::nullopt, false});
    EXPECT_TRUE(IsScreenFont("Glyvane Installable"));

    const std::string job = title + (removalFails ? "_e" : "_a");
    ProgramPrinter().SetDocumentName(job);
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(form1_ids::kMenuPrintpolice, 0), 0);
    g_dialog = form->PrintDialog();
    g_stopAt = folder.PathOf("nouvelle.ttf");
    g_removeIt = removalFails;
    g_main = main;
    const UINT_PTR timer = SetTimer(nullptr, 0, 1, &StopAtTheHeldFile);
    PrintDialogAnswer answer({kPdfPrinter, std::nullopt, true});
    SendMessageA(g_dialog->hwnd(), WM_COMMAND, MAKEWPARAM(form2_ids::kCommand6, BN_CLICKED),
                 reinterpret_cast<LPARAM>(FindControl(g_dialog->hwnd(), form2_ids::kCommand6)));
    KillTimer(nullptr, timer);
    g_dialog = nullptr;
    EXPECT_TRUE(answer.Wait());
    EXPECT_TRUE(g_stopAt.empty());
    EXPECT_FALSE(g_mainUsableUnderPrinterDialog);
    EXPECT_FALSE(form->PrintDialog());
    EXPECT_TRUE(IsWindowEnabled(main));
    if (removalFails) {
      ASSERT_TRUE(g_message && g_message->Wait());
      EXPECT_EQ(g_message->icon, static_cast<UINT>(MB_ICONSTOP));
      EXPECT_EQ(g_message->title, form3_ids::kCaption);
      EXPECT_TRUE(Has(g_message->text, "nouvelle.ttf")) << g_message->text;
      g_message.reset();
    }
    for (const char* face : {"Glyvane Nouvelle", "Glyvane Seconde", "Glyfon"}) EXPECT_FALSE(IsScreenFont(face)) << face;
    EXPECT_EQ(form->TemporaryFontPath(), shown);
    EXPECT_TRUE(IsScreenFont("Glyvane Installable"));
    EXPECT_TRUE(Command2Enabled());

    const std::optional<PrintedPdf> pdf = WaitForPdf(job, std::chrono::seconds(60));
    ASSERT_TRUE(pdf);
    EXPECT_TRUE(Has(pdf->Text(1), "Glyvane Installable"));
    EXPECT_FALSE(Has(pdf->Text(1), "Glyvane Seconde"));
  }
};

TEST_F(FolderStopTest, ACancelPrintsThePageDrawnAndLeavesNoFolderFontBehind) { PrintAndStop(false); }
TEST_F(FolderStopTest, AFileThatCannotBeRemovedStopsThePrintoutAndIsTold) { PrintAndStop(true); }

}  // namespace
}  // namespace glyvane::test
