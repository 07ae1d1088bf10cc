// The character tables printed from the print dialog to the CUPS PDF printer, with
// the main window and the dialog in this process as the user drives them, and the
// PDF read back.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "font_folders.h"
#include "main_window.h"
#include "print_bench.h"
#include "printing/form2.h"
#include "printing/form3.h"
#include "printing/gdi_printer_surface.h"

namespace glyvane::test {
namespace {

class CharTablePrintTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    savedEntry_ = DefaultPrinterEntry();
    title = UniqueJobTitle(::testing::UnitTest::GetInstance()->current_test_info()->name());
    ProgramPrinter().SetDocumentName(title);
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    WriteProfileStringA("windows", "device", savedEntry_.c_str());
  }
  Form2& OpenDialog() {
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(form1_ids::kMenuPrintto, 0), 0);
    return *form->PrintDialog();
  }
  std::vector<std::string> DialogFonts() { return ListItems(FindControl(form->PrintDialog()->hwnd(), form2_ids::kList1)); }
  // Presses a printout's button with the system's print dialog answered as `choice`;
  // returns when the printout has ended.
  void Press(int button, PrintDialogChoice choice = {kPdfPrinter, std::nullopt, true}) {
    PrintDialogAnswer answer(choice);
    const HWND dialog = form->PrintDialog()->hwnd();
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(FindControl(dialog, button)));
    EXPECT_TRUE(answer.Wait());
  }
  // After every printout: the dialog is gone and the main window works again.
  void ExpectTheWindowsGivenBack() {
    EXPECT_FALSE(form->PrintDialog());
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_FALSE(form->PrintJobRunning());
  }
  static std::string TitleOf(const PrintedPdf& pdf, int page) {
    const std::string text = pdf.Text(page);
    const std::size_t start = text.find("Table de caractères de \"");
    if (start == std::string::npos) return "";
    return text.substr(start, text.find('\n', start) - start);
  }

  std::string title;

 private:
  std::string savedEntry_;
};

TEST_F(CharTablePrintTest, EveryFontOfTheListPrintsALandscapePageOfItsTable) {
  Start();
  OpenDialog();
  const std::vector<std::string> fonts = DialogFonts();
  ASSERT_GT(fonts.size(), 20u);
  g_sounds.clear();
  Press(form2_ids::kCommand1);
  EXPECT_EQ(g_sounds, std::vector<std::string>{"data2.dll"});
  ExpectTheWindowsGivenBack();

  const std::optional<PrintedPdf> pdf = WaitForPdf(title, std::chrono::seconds(120));
  ASSERT_TRUE(pdf);
  EXPECT_EQ(pdf->pages, static_cast<int>(fonts.size()));
  // Landscape A4: the sheet as the printer writes it, turned.
  EXPECT_EQ(std::lround(std::min(pdf->width, pdf->height)), 595);
  EXPECT_EQ(std::lround(std::max(pdf->width, pdf->height)), 842);
  const int arial = static_cast<int>(std::find(fonts.begin(), fonts.end(), "Arial") - fonts.begin()) + 1;
  const std::string page = pdf->Text(arial);
  EXPECT_NE(page.find("Table de caractères de \"Arial\""), std::string::npos);
  for (const char* label : {"0128 : €", "0065 : A", "0032", "0126 : ~", "0255"}) {
    EXPECT_NE(page.find(label), std::string::npos) << label;
  }
  EXPECT_NE(page.find("Pour utiliser cette table de caractères appuyez sur ALT et sans relacher entrez le numero"),
            std::string::npos);
  EXPECT_EQ(TitleOf(*pdf, 1), "Table de caractères de \"" + fonts.front() + "\"");
  EXPECT_EQ(TitleOf(*pdf, pdf->pages), "Table de caractères de \"" + fonts.back() + "\"");
}

TEST_F(CharTablePrintTest, TheChosenFontsPrintInTheOrderTheyWereTicked) {
  Start();
  Form2& dialog = OpenDialog();
  const std::vector<std::string> fonts = DialogFonts();
  for (int item : {7, 3}) dialog.List1_ItemCheck(item);
  Press(form2_ids::kCommand4);
  ExpectTheWindowsGivenBack();
  const std::optional<PrintedPdf> pdf = WaitForPdf(title);
  ASSERT_TRUE(pdf);
  ASSERT_EQ(pdf->pages, 2);
  EXPECT_EQ(TitleOf(*pdf, 1), "Table de caractères de \"" + fonts[7] + "\"");
  EXPECT_EQ(TitleOf(*pdf, 2), "Table de caractères de \"" + fonts[3] + "\"");
}

TEST_F(CharTablePrintTest, TheScreenTableIsTheFontTheMainWindowShowsInEachMode) {
  Start();
  // The grid shows "DejaVu Serif"; then the list's selection moves without a click.
  const HWND combo = FindControl(main, form1_ids::kCombo1);
  SendMessageA(combo, LB_SETCURSEL, static_cast<WPARAM>(ComboIndexOf("DejaVu Serif")), 0);
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(form1_ids::kCombo1, LBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  SendMessageA(combo, LB_SETCURSEL, static_cast<WPARAM>(ComboIndexOf("Arial")), 0);

  OpenDialog();
  Press(form2_ids::kCommand2);  // installed fonts: the list's selection
  ExpectTheWindowsGivenBack();
  std::optional<PrintedPdf> pdf = WaitForPdf(title);
  ASSERT_TRUE(pdf);
  EXPECT_EQ(pdf->pages, 1);
  EXPECT_EQ(TitleOf(*pdf, 1), "Table de caractères de \"Arial\"");
  EXPECT_EQ(std::lround(std::max(pdf->width, pdf->height)), 842);

  SendMessageA(FindControl(main, form1_ids::kOption2), BM_CLICK, 0, 0);
  title = UniqueJobTitle("screen_other_mode");
  ProgramPrinter().SetDocumentName(title);
  OpenDialog();
  Press(form2_ids::kCommand2);  // other fonts: the face of the grid
  pdf = WaitForPdf(title);
  ASSERT_TRUE(pdf);
  EXPECT_EQ(TitleOf(*pdf, 1), "Table de caractères de \"DejaVu Serif\"");
}

// A font with PostScript outlines (C059, of the URW fonts) is printed as its
// outlines: Wine's printer driver would crash the program if the font were sent.
TEST_F(CharTablePrintTest, AFontWithPostScriptOutlinesPrintsItsGlyphs) {
  Start();
  const HWND combo = FindControl(main, form1_ids::kCombo1);
  ASSERT_GE(ComboIndexOf("C059"), 0);
  SendMessageA(combo, LB_SETCURSEL, static_cast<WPARAM>(ComboIndexOf("C059")), 0);
  OpenDialog();
  Press(form2_ids::kCommand2);
  const std::optional<PrintedPdf> pdf = WaitForPdf(title);
  ASSERT_TRUE(pdf);
  EXPECT_EQ(TitleOf(*pdf, 1), "Table de caractères de \"C059\"");
  // The "A" of code 65 lies 20 points above its label "0065 : A" and 5.5 points to
  // the right of the label's start (1060 - 950 twips); the grid's lines are clear of
  // the place looked at.
  const std::vector<PdfWord> words = pdf->Words(1);
  const auto label = std::find_if(words.begin(), words.end(), [](const PdfWord& word) { return word.text == "0065"; });
  ASSERT_NE(label, words.end());
  const GreyImage page = pdf->Grey(1, 72);
  int dark = 0;
  for (int y = static_cast<int>(label->yMin) - 17; y < static_cast<int>(label->yMin) - 6; ++y) {
    for (int x = static_cast<int>(label->xMin) + 6; x < static_cast<int>(label->xMin) + 16; ++x) {
      if (page.At(x, y) < 128) ++dark;
    }
  }
  EXPECT_GT(dark, 20);
}

// In the other-fonts mode the table on screen is the face of the file shown, a
// temporary font the system knows only while it is shown.
class ScreenTableOfAFileTest : public FolderTest {};

TEST_F(ScreenTableOfAFileTest, PrintsTheFaceOfTheFileShown) {
  const std::string title = UniqueJobTitle("screen_file_face");
  const std::string saved = DefaultPrinterEntry();
  ProgramPrinter().SetDocumentName(title);
  FontFolder folder("table-ecran");
  folder.Add("faces/nouvelle.ttf");
  StartInOtherFontsMode();
  Browse(folder.path());
  ClickFile("nouvelle.ttf");
  ASSERT_EQ(form->CurrentFace(), "Glyvane Nouvelle");

  SendMessageA(main, WM_COMMAND, MAKEWPARAM(form1_ids::kMenuPrintto, 0), 0);
  PrintDialogAnswer answer({kPdfPrinter, std::nullopt, true});
  const HWND dialog = form->PrintDialog()->hwnd();
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(form2_ids::kCommand2, BN_CLICKED),
               reinterpret_cast<LPARAM>(FindControl(dialog, form2_ids::kCommand2)));
  EXPECT_TRUE(answer.Wait());
  const std::optional<PrintedPdf> pdf = WaitForPdf(title);
  ASSERT_TRUE(pdf);
  EXPECT_EQ(pdf->pages, 1);
  EXPECT_NE(pdf->Text(1).find("Table de caractères de \"Glyvane Nouvelle\""), std::string::npos);
  WriteProfileStringA("windows", "device", saved.c_str());
}

// "Annuler" while the fifth font's page is being drawn: the click is taken at the
// next font, the five pages are printed, and the second copy is not.
Form2* g_dialog = nullptr;
std::string g_fifth;

// Runs at the printout's pumps; presses "Annuler" once the fifth font is shown.
void CALLBACK CancelAtTheFifthFont(HWND, UINT, UINT_PTR, DWORD) {
  Form3* progress = g_dialog->ProgressWindow();
  if (progress && progress->ShownFontName() == g_fifth) {
    SendMessageA(FindControl(progress->hwnd(), form3_ids::kCommand1), BM_CLICK, 0, 0);
  }
}

TEST_F(CharTablePrintTest, AnnulerDuringTheFifthPagePrintsFivePagesAndNoFurtherCopy) {
  Start();
  OpenDialog();
  g_dialog = form->PrintDialog();
  g_fifth = DialogFonts().at(4);
  const UINT_PTR timer = SetTimer(nullptr, 0, 1, &CancelAtTheFifthFont);
  Press(form2_ids::kCommand1, {kPdfPrinter, 2, true});
  KillTimer(nullptr, timer);
  ExpectTheWindowsGivenBack();
  const std::vector<PrintedPdf> pdfs = WaitForPdfs(title, 2, std::chrono::seconds(20));
  ASSERT_EQ(pdfs.size(), 1u);
  EXPECT_EQ(pdfs[0].pages, 5);
}

// The screen's table lets events in before its page: "Annuler", pressed as soon as
// the progress window shows, prints nothing.
void CALLBACK CancelAtOnce(HWND, UINT, UINT_PTR, DWORD) {
  if (Form3* progress = g_dialog ? g_dialog->ProgressWindow() : nullptr) {
    SendMessageA(FindControl(progress->hwnd(), form3_ids::kCommand1), BM_CLICK, 0, 0);
  }
}

TEST_F(CharTablePrintTest, AnnulerBeforeTheScreensTablePrintsNothing) {
  Start();
  g_dialog = &OpenDialog();
  const UINT_PTR timer = SetTimer(nullptr, 0, 1, &CancelAtOnce);
  Press(form2_ids::kCommand2);
  KillTimer(nullptr, timer);
  g_dialog = nullptr;
  ExpectTheWindowsGivenBack();
  EXPECT_TRUE(NoPdfTitled(title));
}

HWND g_main = nullptr;
std::string g_third;

// Closes the main window (disabled while the printout runs) once the third font is
// shown, as the system would at the end of a session.
void CALLBACK CloseTheMainWindowAtTheThirdFont(HWND, UINT, UINT_PTR, DWORD) {
  Form3* progress = g_dialog ? g_dialog->ProgressWindow() : nullptr;
  if (progress && progress->ShownFontName() == g_third && IsWindow(g_main)) {
    EXPECT_FALSE(IsWindowEnabled(g_main));
    PostMessageA(g_main, WM_CLOSE, 0, 0);
    g_third.clear();
  }
}

TEST_F(CharTablePrintTest, ClosingTheMainWindowDuringAPrintoutCancelsItThenCloses) {
  Start();
  OpenDialog();
  g_dialog = form->PrintDialog();
  g_third = DialogFonts().at(2);
  g_main = main;
  const UINT_PTR timer = SetTimer(nullptr, 0, 1, &CloseTheMainWindowAtTheThirdFont);
  Press(form2_ids::kCommand1);
  KillTimer(nullptr, timer);
  g_dialog = nullptr;
  EXPECT_TRUE(PumpUntil([this] { return !IsWindow(main); }, std::chrono::seconds(10)));
  const std::optional<PrintedPdf> pdf = WaitForPdf(title);
  ASSERT_TRUE(pdf);
  EXPECT_EQ(pdf->pages, 3);
}

}  // namespace
}  // namespace glyvane::test
