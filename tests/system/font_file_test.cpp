// A font file that brings no face of its own, and the font table left as it was
// after a file that the system would not let go at once.
#include "font_folders.h"
#include "viewer/temporary_font.h"

namespace glyvane::test {
namespace {

using namespace form1_ids;

using FontFileTest = FolderTest;

// A file that brings no face of its own stands for the installed font its full name
// begins with. The family is installed here, as Wine would not load a copy of a system
// font at all; the installed-font list is the one read at start-up.
TEST_F(FontFileTest, AFileOfAnInstalledFontShowsTheInstalledFaceItsNameBeginsWith) {
  const TemporaryFont installed(FixturePath("faces/copie.ttf"));
  FontFolder folder("copie");
  const std::string bold = folder.Add("faces/copie-gras.ttf");
  const std::string nameless = folder.Add("faces/copie-sans-nom.ttf");
  folder.Add("faces/sans-copie.ttf");
  const std::string others = folder.Add("faces/seconde.ttf");
  StartInOtherFontsMode();
  Browse(folder.path());
  ClickFile("copie-gras.ttf");
  EXPECT_EQ(form->CurrentFace(), "Glyvane Copie");
  EXPECT_EQ(form->TemporaryFontPath(), "");
  EXPECT_TRUE(Label5Visible());
  EXPECT_FALSE(Command2Enabled());
  EXPECT_TRUE(LeftTheFontTable(bold));

  ASSERT_GT(AddFontResourceA(others.c_str()), 0);  // as another program would
  ClickFile("sans-copie.ttf");
  EXPECT_EQ(form->CurrentFace(), "Liberation Sans");

  const auto answer = Pick("copie-sans-nom.ttf");
  EXPECT_EQ(answer->text, "Impossible d'afficher cette police. Si le problème persiste, envoyez-moi le fichier à "
                          "l'adresse suivante : talvenne@orvex.fr");
  EXPECT_EQ(form->CurrentFace(), "Liberation Sans");
  EXPECT_TRUE(LeftTheFontTable(nameless));
}

// The system stands in: it refuses a number of removals while it holds the file.
struct RefusingFontTable : FontTable {
  int Add(const std::string&) override { return ++held; }
  int Remove(const std::string&) override {
    if (refusals-- > 0 || held == 0) return 0;
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
  for (const auto& [refusals, leaves, held] : {std::tuple{1, true, 0}, std::tuple{2, false, 2}}) {
    SCOPED_TRACE(refusals);
    RefusingFontTable table;
    {
      TemporaryFont font("C:\\polices\\nouvelle.ttf", table);
      table.refusals = refusals;
      int notices = 0;
      EXPECT_EQ(font.Leave([&notices] { ++notices; }), leaves);
      EXPECT_EQ(table.held, held);  // additions still in the table
      EXPECT_EQ(font.added(), !leaves);
      EXPECT_EQ(notices, 2);
    }
    EXPECT_EQ(table.held, 0);
  }
}

}  // namespace
}  // namespace glyvane::test
