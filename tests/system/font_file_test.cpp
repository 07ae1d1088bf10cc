// Viewing a font file of a folder: the file in the font table while it is shown,
// the face it brought in the grid, and the font table left as it was afterwards.
#include <gtest/gtest.h>

#include "common/twips.h"
#include "font_folders.h"
#include "viewer/form1.h"
#include "viewer/temporary_font.h"

namespace glyvane::test {
namespace {

using namespace form1_ids;

using FontFileTest = FolderTest;

TEST_F(FontFileTest, ANewFaceIsShownAsATemporaryFontReadyToInstall) {
  FontFolder folder("nouvelle");
  const std::string path = folder.Add("faces/nouvelle.ttf");
  StartInOtherFontsMode();
  Browse(folder.path());
  ClickFile("nouvelle.ttf");

  EXPECT_EQ(form->TemporaryFontPath(), path);
  EXPECT_EQ(WindowText(Control(kLabel4)), path);
  EXPECT_TRUE(IsScreenFont("Glyvane Nouvelle"));
  EXPECT_EQ(form->CurrentFace(), "Glyvane Nouvelle");
  EXPECT_EQ(WindowText(Control(kFrame1)), "Caractères de Glyvane Nouvelle : ");
  EXPECT_FALSE(Label5Visible());
  EXPECT_TRUE(Command2Enabled());
  EXPECT_TRUE(IsWindowVisible(Control(kCommand2)));
  for (int cell : {0, 100, 222}) {
    EXPECT_EQ(form->Grid().FontOf(cell), (FontStyle{"Glyvane Nouvelle", 11})) << cell;
  }
  EXPECT_EQ(form->Controls().FontOf(kText2).face, "Glyvane Nouvelle");
  EXPECT_EQ(form->Controls().RectOf(kText2).height, 735);
  // The click sound, once, for the click on the entry.
  EXPECT_EQ(g_sounds.size(), 2u);  // "Parcourir ..." and the entry
}

// Another style of an installed family (installed here, as a system font's copy would
// not be loaded by Wine at all, and so never show whether it left the table again).
TEST_F(FontFileTest, AnotherStyleOfAnInstalledFontShowsTheInstalledFaceAndLeavesTheFontTable) {
  const TemporaryFont installed(FixturePath("faces/copie.ttf"));
  FontFolder folder("copie");
  const std::string bold = folder.Add("faces/copie-gras.ttf");
  StartInOtherFontsMode();
  Browse(folder.path());
  // Its full name "Glyvane Copie Gras" is no installed font: its longest beginning
  // that is one stands for it.
  ClickFile("copie-gras.ttf");
  EXPECT_EQ(form->CurrentFace(), "Glyvane Copie");
  EXPECT_EQ(WindowText(Control(kFrame1)), "Caractères de Glyvane Copie : ");
  EXPECT_EQ(form->TemporaryFontPath(), "");
  EXPECT_TRUE(Label5Visible());
  EXPECT_FALSE(Command2Enabled());
  EXPECT_TRUE(LeftTheFontTable(bold));
}

// The installed-font list was read at start-up: a face that another program added
// since is no face of the file's.
TEST_F(FontFileTest, AFontAddedByAnotherProgramIsNotTakenForTheFilesFace) {
  FontFolder folder("autre");
  folder.Add("faces/sans-copie.ttf");
  const std::string others = folder.Add("faces/seconde.ttf");
  StartInOtherFontsMode();
  Browse(folder.path());
  ASSERT_GT(AddFontResourceA(others.c_str()), 0);
  ClickFile("sans-copie.ttf");
  EXPECT_EQ(form->CurrentFace(), "Liberation Sans");
  EXPECT_EQ(form->TemporaryFontPath(), "");
}

TEST_F(FontFileTest, AFileThatIsNoFontIsReportedAndTheNextFileShowsNormally) {
  FontFolder folder("pas-une-police");
  folder.Add("faces/pas-une-police.ttf");
  const std::string path = folder.Add("faces/nouvelle.ttf");
  StartInOtherFontsMode();
  Browse(folder.path());
  ClickFile("nouvelle.ttf");
  ASSERT_TRUE(Command2Enabled());

  const auto answer = ClickFileAnswering("pas-une-police.ttf");
  EXPECT_EQ(answer->text, "Ce fichier n'est pas une police d'imrpimante.");
  EXPECT_EQ(answer->title, "Glyvane de Talvenne");
  EXPECT_EQ(answer->icon, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_EQ(form->TemporaryFontPath(), "");
  EXPECT_FALSE(Command2Enabled());
  EXPECT_TRUE(LeftTheFontTable(path));  // the file shown before left with the click
  EXPECT_EQ(form->CurrentFace(), "Glyvane Nouvelle");  // the grid keeps its face

  ClickFile("nouvelle.ttf");
  EXPECT_EQ(form->TemporaryFontPath(), path);
  EXPECT_TRUE(Command2Enabled());
}

// The file brings no new face, and no installed name begins its own full name: the
// program cannot tell which installed font it holds.
TEST_F(FontFileTest, AFileWhoseNameNoInstalledFontBeginsIsReportedAndLeavesTheFontTable) {
  const TemporaryFont installed(FixturePath("faces/copie.ttf"));
  FontFolder folder("sans-nom");
  const std::string path = folder.Add("faces/copie-sans-nom.ttf");
  StartInOtherFontsMode();
  Browse(folder.path());
  const std::string shown = form->CurrentFace();
  const auto answer = ClickFileAnswering("copie-sans-nom.ttf");
  EXPECT_EQ(answer->text,
            "Impossible d'afficher cette police. Si le problème persiste, envoyez-moi le fichier à l'adresse "
            "suivante : talvenne@orvex.fr");
  EXPECT_EQ(answer->title, "Glyvane de Talvenne");
  EXPECT_EQ(answer->icon, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_EQ(form->TemporaryFontPath(), "");
  EXPECT_FALSE(Command2Enabled());
  EXPECT_EQ(form->CurrentFace(), shown);
  EXPECT_TRUE(LeftTheFontTable(path));
}

TEST_F(FontFileTest, ASecondPickRemovesTheFirstTemporaryFont) {
  FontFolder folder("deux");
  const std::string first = folder.Add("faces/nouvelle.ttf");
  const std::string second = folder.Add("faces/seconde.ttf");
  StartInOtherFontsMode();
  Browse(folder.path());
  ClickFile("nouvelle.ttf");
  ClickFile("seconde.ttf");
  EXPECT_EQ(form->TemporaryFontPath(), second);
  EXPECT_EQ(form->CurrentFace(), "Glyvane Seconde");
  EXPECT_FALSE(IsScreenFont("Glyvane Nouvelle"));
  EXPECT_TRUE(LeftTheFontTable(first));
}

TEST_F(FontFileTest, ABitmapFontFileIsListedWithoutAFaceAndShowsTheFaceItBrings) {
  FontFolder folder("bitmap");
  const std::string path = folder.Add("faces/bitmap.fon");
  StartInOtherFontsMode();
  Browse(folder.path());
  EXPECT_EQ(Entries(), std::vector<std::string>{""});
  ClickFile("bitmap.fon");
  EXPECT_EQ(form->CurrentFace(), "Glyfon");
  EXPECT_EQ(form->TemporaryFontPath(), path);
  EXPECT_TRUE(Command2Enabled());
}

TEST_F(FontFileTest, ClosingTheWindowRemovesTheFontShown) {
  FontFolder folder("fermeture");
  const std::string path = folder.Add("faces/nouvelle.ttf");
  StartInOtherFontsMode();
  Browse(folder.path());
  ClickFile("nouvelle.ttf");
  ASSERT_EQ(form->TemporaryFontPath(), path);
  SendMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(main));
  EXPECT_FALSE(IsScreenFont("Glyvane Nouvelle"));
  EXPECT_TRUE(LeftTheFontTable(path));
}

// The system stands in: it refuses a number of removals while it holds the file.
class RefusingFontTable : public FontTable {
 public:
  int Add(const std::string&) override { return ++held; }
  int Remove(const std::string&) override {
    if (refusals > 0) {
      --refusals;
      return 0;
    }
    if (held == 0) return 0;
    --held;
    return 1;
  }
  int refusals = 0;
  int held = 0;  // additions not yet removed
};

// A font this program added is never forgotten while it is in the table: after a
// refused removal and the add-and-remove retry it is kept until every addition of
// it has been removed, at the latest when the object goes with the window.
TEST(TemporaryFontTest, ARefusedRemovalKeepsTheFontUntilEveryAdditionHasLeft) {
  struct Row {
    int refusals;
    bool leaves;
    int held;  // additions still in the table after Leave
  };
  for (const Row row : {Row{1, true, 0}, Row{2, false, 2}}) {
    SCOPED_TRACE(row.refusals);
    RefusingFontTable table;
    {
      TemporaryFont font("C:\\polices\\nouvelle.ttf", table);
      table.refusals = row.refusals;
      int notices = 0;
      const bool left = font.Leave([&notices] { ++notices; });
      EXPECT_EQ(left, row.leaves);
      EXPECT_EQ(table.held, row.held);
      EXPECT_EQ(font.added(), !row.leaves);
      EXPECT_EQ(notices, 2);
    }
    EXPECT_EQ(table.held, 0);
  }
}

}  // namespace
}  // namespace glyvane::test
