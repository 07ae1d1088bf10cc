// A folder of odd files: the listing finishes, each entry reads as expected, and
// picking each file gives the program's answer, with the process alive throughout,
// nothing written beside the program and the font table left as it was.
#include "common/system/font_trial.h"
#include "common/system/program_folder.h"
#include "font_folders.h"
#include "viewer/temporary_font.h"

namespace glyvane::test {
namespace {

constexpr const char* kNotAFont = "Ce fichier n'est pas une police d'imrpimante.";

struct OddFile {
  const char* name;
  const char* entry;  // List1's text
  const char* face;   // the face shown; nullptr for a file refused
  const char* source = nullptr;  // a fixture, when not "odd/" + name
  bool installed = false;        // stands for an installed font: neither kept in the table nor installable
  const char* refusal = kNotAFont;
};

// A file that brings no face of its own stands for the installed font its full name
// begins with. Its family is installed here, as Wine would not load a copy of a system
// font at all; the installed-font list is the one read at start-up.
TEST_F(FolderTest, OddFilesAreListedAndEachPickGetsItsAnswerWithoutHarm) {
  const OddFile files[] = {
      {"zero.ttf", "", nullptr},
      {"cent-octets.ttf", "", nullptr},
      {"aleatoire.ttf", "", nullptr},
      {"texte.ttf", "", nullptr},
      // A damaged table that Wine would take (and stall on, with 65,535 names): refused
      // before the system sees it, as the reader's own tests refuse the other damage.
      {"compte-ffff.ttf", "", nullptr},
      // Ends the trial process when drawn: the files after it are tried by a new one.
      {"tueuse.ttf", "Abimee 9999", nullptr, GLYVANE_DAMAGED_FIXTURES "/tueuse.ttf"},
      {"bitmap.fon", "", "Glyodd"},
      {"collection.ttf", "Glyvane Collection", "Glyvane Collection"},
      {"cff.ttf", "Glyvane Test CFF", "Glyvane Test CFF"},
      {"francais.ttf", "Glyvane Française Normale", "Glyvane Française"},
      {"mac.ttf", "Glyvane Mac Regular", "Glyvane Mac"},
      // Full names may have up to 63 characters: listed whole.
      {"quarante.ttf", "Glyvane Quarante Caracteres Pour Le Nom!", "Glyvane Quarante"},
      {"supprime.ttf", "Glyvane Nouvelle", nullptr, "faces/nouvelle.ttf"},  // deleted after the listing
      // Claims a Japanese code page: the system adds a vertical twin, "@" + face.
      {"verticale.ttf", "Glyvane Verticale", "Glyvane Verticale", GLYVANE_DAMAGED_FIXTURES "/verticale.ttf"},
      {"copie-gras.ttf", "Glyvane Copie Gras", "Glyvane Copie", "faces/copie-gras.ttf", true},
      {"sans-copie.ttf", "Liberation Sans", "Liberation Sans", "faces/sans-copie.ttf", true},
      {.name = "copie-sans-nom.ttf", .entry = "Zzz Nom Inconnu", .face = nullptr, .source = "faces/copie-sans-nom.ttf",
       .refusal = "Impossible d'afficher cette police. Si le problème persiste, envoyez-moi le fichier à l'adresse "
                  "suivante : talvenne@orvex.fr"},
  };
  const TemporaryFont copie(FixturePath("faces/copie.ttf"));
  FontFolder folder("bizarre");
  for (const OddFile& file : files) folder.Add(file.source ? file.source : std::string("odd/") + file.name, file.name);
  folder.Add("odd/cff.otf");  // not a name the listing takes
  const std::vector<std::string> besideTheProgram = FilesIn(ProgramFolder());
  StartInOtherFontsMode();
  const TemporaryFont another(FixturePath("faces/seconde.ttf"));  // as another program adds a font
  Browse(folder.path());
  ASSERT_EQ(form->Files().Count(), static_cast<int>(std::size(files)));
  for (const OddFile& file : files) EXPECT_EQ(ListBox(Control(form1_ids::kList1)).Item(EntryOf(file.name)), file.entry);
  ASSERT_TRUE(DeleteFileA(folder.PathOf("supprime.ttf").c_str()));

  std::string shown = form->CurrentFace();
  for (const OddFile& file : files) {
    SCOPED_TRACE(file.name);
    const auto answer = Pick(file.name);
    if (!file.face) {
      EXPECT_EQ(answer->text, file.refusal);
      EXPECT_EQ(form->TemporaryFontPath(), "");
      EXPECT_FALSE(Command2Enabled());
      EXPECT_EQ(form->CurrentFace(), shown);
      continue;
    }
    EXPECT_FALSE(answer->Pressed()) << answer->text;
    EXPECT_EQ(form->TemporaryFontPath(), file.installed ? "" : folder.PathOf(file.name));
    EXPECT_NE(Command2Enabled(), file.installed);
    EXPECT_EQ(Label5Visible(), file.installed);
    EXPECT_EQ(form->CurrentFace(), file.face);
    shown = form->CurrentFace();
  }
  EXPECT_TRUE(IsScreenFont("@Glyvane Verticale"));  // else its row sees nothing
  SendMessageA(main, WM_CLOSE, 0, 0);
  for (const OddFile& file : files) EXPECT_TRUE(LeftTheFontTable(folder.PathOf(file.name))) << file.name;
  EXPECT_EQ(FilesIn(ProgramFolder()), besideTheProgram);
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

// A folder printout's files go to the font trial ahead of the program: a file
// that ends the trial process while the program works on the file before it is the
// one refused, and the files sent with it or after it are tried again and survive.
// The program may work long on the file before: the killer has then ended the
// process before it is asked about. A sound font with PostScript outlines survives
// too: the trial prints it as the program does.
TEST(FontTrialTest, AFileThatEndsTheTrialAmongFilesTriedAheadIsTheOneRefused) {
  FontFolder folder("essai");
  const std::string killer = folder.Add(GLYVANE_DAMAGED_FIXTURES "/tueuse.ttf");
  const std::vector<std::string> files = {folder.Add(std::string(GLYVANE_FONT_FIXTURES) + "/cff.otf"),
                                          folder.Add("faces/nouvelle.ttf"), folder.Add("faces/seconde.ttf"), killer,
                                          folder.Add("faces/installable.ttf"), folder.Add("faces/bitmap.fon")};
  const std::vector<bool> survives = {true, true, true, false, true, true};
  const ExpectedFontFiles expected(files);
  for (size_t i = 0; i < files.size(); ++i) {
    if (files[i] == killer) Sleep(2000);
    EXPECT_EQ(FontFileSurvivesTrial(files[i]), survives[i]) << files[i];
  }
}

}  // namespace
}  // namespace glyvane::test
