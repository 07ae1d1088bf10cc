// The font lists and sample sheets printed from the print dialog to the CUPS PDF
// printer, of the installed fonts and of a folder's font files, with the main window
// and the dialog in this process as the user drives them, and the PDF read back.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>

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
  ProgramPrinter().SetDocumentName(title + "_table");
  Print(form1::kMenuPrintto, form2::kCommand2);
  ProgramPrinter().SetDocumentName(title);
  Print(form1::kMenuPrintpolice, form2::kCommand5, {kPdfPrinter, 2, true});

  const std::vector<PrintedPdf> copies = WaitForPdfs(title, 2, std::chrono::seconds(120));
  ASSERT_EQ(copies.size(), 2u);
  for (const PrintedPdf& pdf : copies) {
    ExpectPortraitA4(pdf);
    for (int page = 1; page <= pdf.pages; ++page) {
      EXPECT_TRUE(Has(pdf.Text(page), "Liste des polices le " + Today() + " page " + std::to_string(page))) << page;
    }
  }
  // The heading starts at 3300 twips (165 pt) and the columns at 25 and 295 pt from
  // the printable area's edge; a name is narrower than 5100 twips (255 pt).
  const std::vector<PdfWord> words = copies[0].Words(1);
  ASSERT_FALSE(words.empty());
  ASSERT_EQ(words[0].text, "Liste");
  const double edge = words[0].xMin - 165;
  const PdfWord* first = nullptr;
  for (const PdfWord& word : words) {
    if (word.yMin < words[0].yMax + 20) continue;  // the heading
    if (!first && word.xMin < edge + 30) first = &word;
    if (word.xMin < edge + 290) {
      EXPECT_LT(word.xMax, edge + 25 + 255 + 1) << word.text;
    }
  }
  ASSERT_TRUE(first);
  EXPECT_EQ(first->text, ComboEntry(0).substr(0, ComboEntry(0).find(' ')));
}

TEST_F(FontSheetPrintTest, TheInstalledSampleSheetShowsEachFontsCharacters) {
  Start();
  Print(form1::kMenuPrintpolice, form2::kCommand6);
  const std::optional<PrintedPdf> pdf = WaitForPdf(title, std::chrono::seconds(120));
  ASSERT_TRUE(pdf);
  ExpectPortraitA4(*pdf);
  const std::string text = pdf->Text(1);
  EXPECT_TRUE(Has(text, "Liste des polices le " + Today() + " page 1"));
  EXPECT_TRUE(Has(text, ComboEntry(0)));
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

  for (const int button : {form2::kCommand5, form2::kCommand6}) {
    SCOPED_TRACE(button);
    ProgramPrinter().SetDocumentName(title + std::to_string(button));
    Print(form1::kMenuPrintpolice, button);
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

}  // namespace
}  // namespace glyvane::test
