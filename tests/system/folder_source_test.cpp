// The folder source: the real folder picker, the listing by face name and its tooltips,
// and each file shown from it: in the font table while it is shown, its face in the grid.
#include "font_folders.h"
#include "viewer/face_match.h"

namespace glyvane::test {
namespace {

using namespace form1_ids;

// Each file shown is in the font table until the next pick, a refusal or the window's
// end; two files of one face are two entries, each opening its own file.
TEST_F(FolderTest, ThePickedFolderIsListedByFaceAndEachEntryShowsItsOwnFileUntilTheNext) {
  FontFolder folder("liste");
  const std::string first = folder.Add("faces/nouvelle.ttf");
  const std::string twin = folder.Add("faces/nouvelle.ttf", "nouvelle-bis.ttf");
  const std::string second = folder.Add("faces/seconde.ttf", "SECONDE.TTF");
  folder.Add("faces/copie-gras.ttf");
  folder.Add("faces/bitmap.fon", "BITMAP.Fon");
  folder.Add("faces/pas-une-police.ttf");
  folder.Add("faces/nouvelle.ttf", "ignoree.otf");
  FontFolder other("autre");
  other.Add("faces/nouvelle.ttf");
  other.Add("faces/seconde.ttf");
  StartInOtherFontsMode();
  EXPECT_NE(Browse(folder.path()).text.find("Sélectionnez un dossier :\n"), std::string::npos);
  const std::vector<std::string> listed = {"", "", "Glyvane Copie Gras", "Glyvane Nouvelle", "Glyvane Nouvelle",
                                           "Glyvane Seconde"};
  EXPECT_EQ(Entries(), listed);
  for (const std::string& name : form->Files().Names()) EXPECT_GE(EntryOf(name), 0) << name;
  ClickFile("nouvelle-bis.ttf");
  EXPECT_EQ(form->TemporaryFontPath(), twin);
  ClickFile("nouvelle.ttf");
  EXPECT_EQ(form->TemporaryFontPath(), first);
  EXPECT_TRUE(LeftTheFontTable(twin));
  EXPECT_EQ(WindowText(Control(kLabel4)), first);
  EXPECT_EQ(WindowText(Control(kFrame1)), "Caractères de Glyvane Nouvelle : ");
  EXPECT_EQ(form->Grid().FontOf(222), (FontStyle{"Glyvane Nouvelle", 11}));
  EXPECT_EQ(form->Controls().FontOf(kText2).face, "Glyvane Nouvelle");
  EXPECT_EQ(form->Controls().RectOf(kText2).height, 735);
  EXPECT_FALSE(Label5Visible());
  EXPECT_TRUE(Command2Enabled());
  EXPECT_EQ(g_sounds.size(), 3u);  // one click sound for "Parcourir ...", one for each entry

  Browse(other.path(), IDCANCEL);
  EXPECT_EQ(form->Files().Path(), folder.path());
  EXPECT_EQ(Entries(), listed);
  EXPECT_TRUE(Command2Enabled());

  const auto answer = Pick("pas-une-police.ttf");
  EXPECT_EQ(answer->text, "Ce fichier n'est pas une police d'imrpimante.");
  EXPECT_EQ(answer->title, "Glyvane de Talvenne");
  EXPECT_EQ(answer->icon, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_TRUE(LeftTheFontTable(first));

  ClickFile("SECONDE.TTF");
  ASSERT_TRUE(Command2Enabled());
  Browse(other.path());  // another folder: only its files, and the file shown can no longer be installed
  EXPECT_FALSE(Command2Enabled());
  EXPECT_EQ(Entries(), (std::vector<std::string>{"Glyvane Nouvelle", "Glyvane Seconde"}));
  const HWND list = Control(kList1);
  const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  const std::pair<int, const char*> tooltips[] = {
      {0, "nouvelle.ttf"}, {1, "seconde.ttf"}, {4, ""}, {0, "nouvelle.ttf"}};  // by entry, 4 below the last
  for (const auto& [entry, tooltip] : tooltips) {
    const int y = entry * height + height / 2;
    SendMessageA(list, WM_MOUSEMOVE, 0, MAKELPARAM(5, y));
    EXPECT_EQ(form->Controls().TooltipOf(kList1), tooltip) << y;
  }
  SendMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(main));
  EXPECT_TRUE(LeftTheFontTable(second));
}

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
    size_t first = 0;
    while (CaseFolded(names[first]) != CaseFolded(names[i])) ++first;
    const auto name = reinterpret_cast<LPARAM>(names[i].c_str());
    EXPECT_EQ(SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), name), static_cast<LRESULT>(first))
        << std::hex << (names[i][1] & 0xFF);
  }
  DestroyWindow(list);
}

}  // namespace
}  // namespace glyvane::test
