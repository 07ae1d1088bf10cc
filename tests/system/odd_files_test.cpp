// A folder of odd files: the listing finishes, each entry reads as expected, and
// picking each file gives the program's answer, with the process alive throughout,
// nothing written beside the program and the font table left as it was.
#include <gtest/gtest.h>

#include <set>

#include "common/system/program_folder.h"
#include "font_folders.h"

namespace glyvane::test {
namespace {

using namespace form1_ids;

constexpr const char* kNotAFont = "Ce fichier n'est pas une police d'imrpimante.";

enum class Outcome { NotAFont, NewFace };

struct OddFile {
  const char* name;
  std::string entry;  // List1's text
  Outcome outcome;
  const char* face;  // the face shown; nullptr where only Wine's own reading of a broken table names it
};

std::set<std::string> FilesBesideTheProgram() {
  std::set<std::string> names;
  WIN32_FIND_DATAA found{};
  UniqueFind find(FindFirstFileA((ProgramFolder() + "\\*").c_str(), &found));
  if (find) {
    do {
      names.insert(found.cFileName);
    } while (FindNextFileA(find.get(), &found));
  }
  return names;
}

TEST_F(FolderTest, OddFilesAreListedAndEachPickGetsItsAnswerWithoutHarm) {
  const std::vector<OddFile> files = {
      {"zero.ttf", "", Outcome::NotAFont, nullptr},
      {"cent-octets.ttf", "", Outcome::NotAFont, nullptr},
      {"aleatoire.ttf", "", Outcome::NotAFont, nullptr},
      {"texte.ttf", "", Outcome::NotAFont, nullptr},
      // Damaged tables that Wine would take (and stall on, with 65,535 names): refused
      // before the system sees them.
      {"compte-ffff.ttf", "", Outcome::NotAFont, nullptr},
      {"chaines-hors-table.ttf", "", Outcome::NotAFont, nullptr},
      {"table-hors-fichier.ttf", "", Outcome::NotAFont, nullptr},
      {"bitmap.fon", "", Outcome::NewFace, "Glyodd"},
      {"collection.ttf", "Glyvane Collection", Outcome::NewFace, "Glyvane Collection"},
      {"cff.ttf", "Glyvane Test CFF", Outcome::NewFace, "Glyvane Test CFF"},
      {"francais.ttf", "Glyvane Française Normale", Outcome::NewFace, "Glyvane Française"},
      {"mac.ttf", "Glyvane Mac Regular", Outcome::NewFace, "Glyvane Mac"},
      {"quarante.ttf", FortyCharacterFace(), Outcome::NewFace, "Glyvane Quarante"},
      {"supprime.ttf", "Glyvane Nouvelle", Outcome::NotAFont, nullptr},  // deleted after the listing
  };
  FontFolder folder("bizarre");
  std::vector<std::string> paths;
  for (const OddFile& file : files) {
    const std::string fixture = file.name == std::string("supprime.ttf") ? "faces/nouvelle.ttf" : std::string("odd/") + file.name;
    paths.push_back(folder.Add(fixture, file.name));
  }
  folder.Add("odd/cff.otf");  // not a name the listing takes
  const std::set<std::string> besideTheProgram = FilesBesideTheProgram();
  StartInOtherFontsMode();
  Browse(folder.path());

  ASSERT_EQ(form->Files().Count(), static_cast<int>(files.size()));
  const ListBox list(Control(kList1));
  for (const OddFile& file : files) EXPECT_EQ(list.Item(EntryOf(file.name)), file.entry) << file.name;
  ASSERT_TRUE(DeleteFileA(folder.PathOf("supprime.ttf").c_str()));

  std::string shown = form->CurrentFace();
  for (const OddFile& file : files) {
    SCOPED_TRACE(file.name);
    DialogAnswer answer(GetCurrentProcessId(), IDOK);
    SelectFile(file.name);
    const bool messageShown = answer.Pressed();  // the click has returned: any box came and went
    switch (file.outcome) {
      case Outcome::NotAFont:
        EXPECT_EQ(answer.text, kNotAFont);
        EXPECT_EQ(form->TemporaryFontPath(), "");
        EXPECT_FALSE(Command2Enabled());
        EXPECT_EQ(form->CurrentFace(), shown);
        break;
      case Outcome::NewFace:
        EXPECT_FALSE(messageShown) << answer.text;
        EXPECT_EQ(form->TemporaryFontPath(), folder.PathOf(file.name));
        EXPECT_TRUE(Command2Enabled());
        EXPECT_FALSE(Label5Visible());
        if (file.face) {
          EXPECT_EQ(form->CurrentFace(), file.face);
        }
        EXPECT_NE(form->CurrentFace(), shown);
        break;
    }
    shown = form->CurrentFace();
  }
  EXPECT_TRUE(IsWindow(main));
  SendMessageA(main, WM_CLOSE, 0, 0);
  for (const std::string& path : paths) EXPECT_TRUE(LeftTheFontTable(path)) << path;
  EXPECT_EQ(FilesBesideTheProgram(), besideTheProgram);
}

}  // namespace
}  // namespace glyvane::test
