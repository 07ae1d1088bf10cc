// The folder source: the real folder picker, the listing by face name, the tooltips,
// and what the user may do while a folder is read.
#include <gtest/gtest.h>

#include "font_folders.h"
#include "viewer/face_match.h"
#include "viewer/form1.h"

namespace glyvane::test {
namespace {

using namespace form1_ids;

TEST_F(FolderTest, ThePickerOpensOnTheStoredFolderAndItsChoiceIsListed) {
  FontFolder folder("picker");
  folder.Add("faces/nouvelle.ttf");
  StartInOtherFontsMode();
  const FolderPickerAnswer& picker = Browse(folder.path());
  EXPECT_EQ(picker.selectedItem, "picker");
  EXPECT_EQ(picker.title, "Parcourir les dossiers");
  EXPECT_NE(picker.text.find("Sélectionnez un dossier :"), std::string::npos) << picker.text;
  EXPECT_EQ(form->Files().Path(), folder.path());
  EXPECT_EQ(StoredFolder(), folder.path());
  EXPECT_EQ(Entries(), std::vector<std::string>{"Glyvane Nouvelle"});
}

TEST_F(FolderTest, ACancelledPickerChangesNothing) {
  FontFolder folder("annule");
  folder.Add("faces/nouvelle.ttf");
  FontFolder other("autre");
  StartInOtherFontsMode();
  Browse(folder.path());
  Browse(other.path(), IDCANCEL);
  EXPECT_EQ(StoredFolder(), other.path());  // as the test stored it: not written
  EXPECT_EQ(form->Files().Path(), folder.path());
  EXPECT_EQ(Entries(), std::vector<std::string>{"Glyvane Nouvelle"});
}

TEST_F(FolderTest, EachFileIsListedByItsFaceAndEachEntryOpensItsOwnFile) {
  FontFolder folder("liste");
  const std::string first = folder.Add("faces/nouvelle.ttf");
  const std::string twin = folder.Add("faces/nouvelle.ttf", "nouvelle-bis.ttf");
  folder.Add("faces/seconde.ttf", "SECONDE.TTF");
  folder.Add("faces/copie-gras.ttf");
  folder.Add("faces/bitmap.fon", "BITMAP.Fon");
  folder.Add("faces/pas-une-police.ttf");
  folder.Add("faces/nouvelle.ttf", "ignoree.otf");
  StartInOtherFontsMode();
  Browse(folder.path());
  EXPECT_EQ(Entries(), (std::vector<std::string>{"", "", "Glyvane Copie Gras", "Glyvane Nouvelle", "Glyvane Nouvelle",
                                                 "Glyvane Seconde"}));
  EXPECT_EQ(form->Files().Count(), 6) << form->Files().Path();
  // Each entry's item data is its file's index.
  for (const std::string& name : form->Files().Names()) EXPECT_GE(EntryOf(name), 0) << name;
  // Two files with one face: two entries, each opening its own file.
  ClickFile("nouvelle-bis.ttf");
  EXPECT_EQ(form->TemporaryFontPath(), twin);
  ClickFile("nouvelle.ttf");
  EXPECT_EQ(form->TemporaryFontPath(), first);
  EXPECT_TRUE(LeftTheFontTable(twin));
}

TEST_F(FolderTest, TheTooltipNamesTheHoveredEntrysFileAndNothingBelowTheLastEntry) {
  FontFolder folder("bulles");
  folder.Add("faces/nouvelle.ttf");
  folder.Add("faces/seconde.ttf");
  StartInOtherFontsMode();
  Browse(folder.path());
  const HWND list = Control(kList1);
  const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  auto hover = [&](int y) {
    SendMessageA(list, WM_MOUSEMOVE, 0, MAKELPARAM(5, y));
    return form->Controls().TooltipOf(kList1);
  };
  EXPECT_EQ(hover(height / 2), "nouvelle.ttf");       // "Glyvane Nouvelle"
  EXPECT_EQ(hover(height + height / 2), "seconde.ttf");  // "Glyvane Seconde"
  EXPECT_EQ(hover(5 * height), "");
  EXPECT_EQ(hover(height / 2), "nouvelle.ttf");
}

TEST_F(FolderTest, TwoFoldersInARowListOnlyTheSecondAndAnotherFolderDisablesInstall) {
  FontFolder first("premier");
  first.Add("faces/nouvelle.ttf");
  FontFolder second("second");
  const std::string seconde = second.Add("faces/seconde.ttf");
  second.Add("faces/copie-gras.ttf");
  StartInOtherFontsMode();
  Browse(first.path());
  ClickFile("nouvelle.ttf");
  ASSERT_TRUE(Command2Enabled());
  Browse(second.path());
  EXPECT_FALSE(Command2Enabled());
  EXPECT_EQ(Entries(), (std::vector<std::string>{"Glyvane Copie Gras", "Glyvane Seconde"}));
  ClickFile("seconde.ttf");
  EXPECT_EQ(form->TemporaryFontPath(), seconde);
}

TEST_F(FolderTest, TheSameFolderAgainLeavesInstallAsItWas) {
  FontFolder folder("meme");
  folder.Add("faces/nouvelle.ttf");
  StartInOtherFontsMode();
  Browse(folder.path());
  ClickFile("nouvelle.ttf");
  ASSERT_TRUE(Command2Enabled());
  Browse(folder.path());
  EXPECT_TRUE(Command2Enabled());
  EXPECT_EQ(Entries(), std::vector<std::string>{"Glyvane Nouvelle"});
}

}  // namespace
}  // namespace glyvane::test

namespace glyvane::test {
namespace {

// The installed names are looked up as the list box itself finds its entries
// (LB_FINDSTRINGEXACT): the same pairs of letters count as one. (Wine's list also
// takes the modifier letter "\x88" for "^", which is no matter of case: not mimicked.)
TEST(InstalledFaces, TakeTheSameLettersForOneAsTheListBoxDoes) {
  const HWND list = CreateWindowExA(0, "LISTBOX", "", LBS_HASSTRINGS, 0, 0, 100, 100, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
  ASSERT_TRUE(list);
  std::vector<std::string> names;
  for (int c = 0x20; c <= 0xFF; ++c) {
    if (c == 0x7F || c == 0x88 || (c >= 0x80 && c < 0xA0 && !IsCharAlphaA(static_cast<CHAR>(c)))) continue;
    names.push_back("A" + std::string(1, static_cast<char>(c)) + "z");
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(names.back().c_str()));
  }
  for (size_t i = 0; i < names.size(); ++i) {
    const auto found =
        SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(names[i].c_str()));
    size_t first = 0;
    while (CaseFolded(names[first]) != CaseFolded(names[i])) ++first;
    EXPECT_EQ(found, static_cast<LRESULT>(first)) << std::hex << (names[i][1] & 0xFF);
  }
  DestroyWindow(list);
}

}  // namespace
}  // namespace glyvane::test
