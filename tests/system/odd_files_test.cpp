// A folder of odd files: the listing finishes, each entry reads as expected, and
// picking each file gives the program's answer, with the process alive throughout,
// nothing written beside the program and the font table left as it was.
#include "common/system/program_folder.h"
#include "font_folders.h"

namespace glyvane::test {
namespace {

struct OddFile {
  const char* name;
  const char* entry;  // List1's text
  const char* face;   // the face shown; nullptr for a file refused as no font
  const char* source = nullptr;  // a fixture, when not "odd/" + name
};

TEST_F(FolderTest, OddFilesAreListedAndEachPickGetsItsAnswerWithoutHarm) {
  const OddFile files[] = {
      {"zero.ttf", "", nullptr},
      {"cent-octets.ttf", "", nullptr},
      {"aleatoire.ttf", "", nullptr},
      {"texte.ttf", "", nullptr},
      // Damaged tables that Wine would take (and stall on, with 65,535 names): refused
      // before the system sees them.
      {"compte-ffff.ttf", "", nullptr},
      {"chaines-hors-table.ttf", "", nullptr},
      {"table-hors-fichier.ttf", "", nullptr},
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
  };
  FontFolder folder("bizarre");
  for (const OddFile& file : files) folder.Add(file.source ? file.source : std::string("odd/") + file.name, file.name);
  folder.Add("odd/cff.otf");  // not a name the listing takes
  const std::vector<std::string> besideTheProgram = FilesIn(ProgramFolder());
  StartInOtherFontsMode();
  Browse(folder.path());
  ASSERT_EQ(form->Files().Count(), static_cast<int>(std::size(files)));
  for (const OddFile& file : files) EXPECT_EQ(ListBox(Control(form1_ids::kList1)).Item(EntryOf(file.name)), file.entry);
  ASSERT_TRUE(DeleteFileA(folder.PathOf("supprime.ttf").c_str()));

  std::string shown = form->CurrentFace();
  for (const OddFile& file : files) {
    SCOPED_TRACE(file.name);
    const auto answer = Pick(file.name);
    if (!file.face) {
      EXPECT_EQ(answer->text, "Ce fichier n'est pas une police d'imrpimante.");
      EXPECT_EQ(form->TemporaryFontPath(), "");
      EXPECT_FALSE(Command2Enabled());
      EXPECT_EQ(form->CurrentFace(), shown);
      continue;
    }
    EXPECT_FALSE(answer->Pressed()) << answer->text;
    EXPECT_EQ(form->TemporaryFontPath(), folder.PathOf(file.name));
    EXPECT_TRUE(Command2Enabled());
    EXPECT_FALSE(Label5Visible());
    EXPECT_EQ(form->CurrentFace(), file.face);
    shown = form->CurrentFace();
  }
  EXPECT_TRUE(IsScreenFont("@Glyvane Verticale"));  // else the last row sees nothing
  SendMessageA(main, WM_CLOSE, 0, 0);
  for (const OddFile& file : files) EXPECT_TRUE(LeftTheFontTable(folder.PathOf(file.name))) << file.name;
  EXPECT_EQ(FilesIn(ProgramFolder()), besideTheProgram);
}

}  // namespace
}  // namespace glyvane::test
