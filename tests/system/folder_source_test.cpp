// The folder source: the real folder picker, the listing by face name and its tooltips,
// and each file shown from it: in the font table while it is shown, its face in the
// grid; odd files refused or shown, with the process alive throughout, nothing written
// beside the program and the font table left as it was.
#include "common/system/font_trial.h"
#include "common/system/program_folder.h"
#include "font_folders.h"
#include "viewer/face_match.h"
#include "viewer/temporary_font.h"

namespace glyvane::test {
namespace {

using namespace form1_ids;
using Clock = std::chrono::steady_clock;

constexpr const char* kNotAFont = "Ce fichier n'est pas une police d'imrpimante.";

struct OddFile {
  const char* name;
  const char* entry;  // List1's text
  const char* face;   // the face shown; nullptr for a file refused
  const char* source = nullptr;  // a fixture, when not "odd/" + name
  bool installed = false;        // stands for an installed font: neither kept in the table nor installable
  const char* refusal = kNotAFont;
};

// Each file shown is in the font table until the next pick, a refusal or the window's
// end; two files of one face are two entries, each opening its own file. A file that
// brings no face of its own stands for the installed font its full name begins with.
// Its family is installed here, as Wine would not load a copy of a system font at all;
// the installed-font list is the one read at start-up.
TEST_F(FolderTest, EachFileIsListedByFaceAndShownFromItsOwnFileOrRefusedWithoutHarm) {
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
      {"copie-gras.ttf", "Glyvane Copie Gras", "Glyvane Copie", "faces/copie-gras.ttf", true},
      {"sans-copie.ttf", "Liberation Sans", "Liberation Sans", "faces/sans-copie.ttf", true},
      {.name = "copie-sans-nom.ttf", .entry = "Zzz Nom Inconnu", .face = nullptr, .source = "faces/copie-sans-nom.ttf",
       .refusal = "Impossible d'afficher cette police. Si le problème persiste, envoyez-moi le fichier à l'adresse "
                  "suivante : talvenne@orvex.fr"},
      // Claims a Japanese code page: the system adds a vertical twin, "@" + face.
      {"verticale.ttf", "Glyvane Verticale", "Glyvane Verticale", GLYVANE_DAMAGED_FIXTURES "/verticale.ttf"},
  };
  const TemporaryFont copie(FixturePath("faces/copie.ttf"));
  FontFolder odd("bizarre");
  for (const OddFile& file : files) odd.Add(file.source ? file.source : std::string("odd/") + file.name, file.name);
  odd.Add("odd/cff.otf");  // not a name the listing takes
  const std::vector<std::string> besideTheProgram = FilesIn(ProgramFolder());
  StartInOtherFontsMode();
  {
    const TemporaryFont another(FixturePath("faces/seconde.ttf"));  // as another program adds a font
    Browse(odd.path());
    ASSERT_EQ(form->Files().Count(), static_cast<int>(std::size(files)));
    for (const OddFile& file : files) EXPECT_EQ(ListBox(Control(kList1)).Item(EntryOf(file.name)), file.entry);
    ASSERT_TRUE(DeleteFileA(odd.PathOf("supprime.ttf").c_str()));
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
      EXPECT_EQ(form->TemporaryFontPath(), file.installed ? "" : odd.PathOf(file.name));
      EXPECT_NE(Command2Enabled(), file.installed);
      EXPECT_EQ(Label5Visible(), file.installed);
      EXPECT_EQ(form->CurrentFace(), file.face);
      shown = form->CurrentFace();
    }
  }

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
  g_sounds.clear();
  EXPECT_EQ(Browse(folder.path()).text, "Sélectionnez un dossier :\n" + folder.path());  // the status: the folder
  const std::vector<std::string> listed = {"", "", "Glyvane Copie Gras", "Glyvane Nouvelle", "Glyvane Nouvelle",
                                           "Glyvane Seconde"};
  EXPECT_EQ(Entries(), listed);
  for (const std::string& name : form->Files().Names()) EXPECT_GE(EntryOf(name), 0) << name;
  ClickFile("nouvelle-bis.ttf");
  EXPECT_EQ(form->TemporaryFontPath(), twin);
  ClickFile("nouvelle.ttf");
  EXPECT_EQ(form->TemporaryFontPath(), first);
  EXPECT_EQ(WindowText(Control(kLabel4)), first);
  EXPECT_EQ(WindowText(Control(kFrame1)), "Caractères de Glyvane Nouvelle : ");
  EXPECT_EQ(form->Grid().FontOf(222), (FontStyle{"Glyvane Nouvelle", 11}));
  EXPECT_EQ(form->Controls().FontOf(kText2).face, "Glyvane Nouvelle");
  EXPECT_EQ(form->Controls().RectOf(kText2).height, 735);
  EXPECT_EQ(g_sounds.size(), 3u);  // one click sound for "Parcourir ...", one for each entry

  Browse(other.path(), IDCANCEL);
  EXPECT_EQ(Entries(), listed);
  EXPECT_TRUE(Command2Enabled());

  const auto answer = Pick("pas-une-police.ttf");
  EXPECT_EQ(answer->text, kNotAFont);
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
  EXPECT_TRUE(LeftTheFontTable(second));
  for (const OddFile& file : files) EXPECT_TRUE(LeftTheFontTable(odd.PathOf(file.name))) << file.name;
  EXPECT_EQ(FilesIn(ProgramFolder()), besideTheProgram);
}

// The installed names are looked up as the list box itself finds its entries
// (LB_FINDSTRINGEXACT): the same pairs of letters count as one. (Wine's list also
// takes the modifier letter "\x88" for "^", which is no matter of case: not mimicked.)
TEST(InstalledFaces, TakeTheSameLettersForOneAsTheListBoxDoes) {
  const ListBox list(CreateWindowExA(0, "LISTBOX", "", LBS_HASSTRINGS, 0, 0, 100, 100, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr));
  ASSERT_TRUE(list);
  std::vector<std::string> names;
  for (int c = 0x20; c <= 0xFF; ++c) {
    if (c == 0x7F || c == 0x88 || (c >= 0x80 && c < 0xA0 && !IsCharAlphaA(static_cast<CHAR>(c)))) continue;
    names.push_back("A" + std::string(1, static_cast<char>(c)) + "z");
    list.Add(names.back());
  }
  for (size_t i = 0; i < names.size(); ++i) {
    size_t first = 0;
    while (CaseFolded(names[first]) != CaseFolded(names[i])) ++first;
    EXPECT_EQ(list.FindExact(names[i]), static_cast<int>(first)) << std::hex << (names[i][1] & 0xFF);
  }
  DestroyWindow(list.handle());
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

// What the user may do while a folder is read: the read lets window events run after
// each file, and stops cleanly when a newer folder, closing the window or "Quitter"
// supersedes it.

// Runs `action` on a thread of its own once `list` holds three entries or more; how
// many it held then in `seen`.
std::jthread WhenListed(HWND list, std::atomic<int>& seen, std::function<void()> action) {
  return std::jthread([list, &seen, action] {
    WaitUntil([&] {
      DWORD_PTR held = 0;
      SendMessageTimeoutA(list, LB_GETCOUNT, 0, 0, SMTO_NORMAL, 1000, &held);
      seen = static_cast<int>(held);
      return seen >= 3;
    });
    action();
  });
}

constexpr int kManyFiles = 3000;
constexpr int kNewerFiles = 400;

void FillWithSmallFonts(FontFolder& folder, int count) {
  for (int i = 0; i < count; ++i) folder.Add("faces/petite.ttf", "petite-" + std::to_string(10000 + i) + ".ttf");
}

// A read superseded: the newer folder has more files than the older read had listed,
// so an older read that went on would list them again from where it stood. Closing
// the window or "Quitter" while a folder is read ends the read and the program at
// once: in about the time an idle program takes to end, not after the rest of the read.
TEST_F(FolderTest, DuringAReadTheModeSwitchesEntriesOpenANewerFolderReplacesItAndClosingEndsIt) {
  FontFolder many("nombreux");
  const std::string first = many.Add("faces/nouvelle.ttf", "a-nouvelle.ttf");  // sorts first
  FillWithSmallFonts(many, kManyFiles);
  FontFolder newer("nouveau");
  const std::string seconde = newer.Add("faces/seconde.ttf");
  FillWithSmallFonts(newer, kNewerFiles);
  StartInOtherFontsMode();
  const HWND list = Control(kList1);
  std::unique_ptr<FolderPickerAnswer> secondPicker;
  std::atomic<int> seen = 0;
  {
    const std::jthread during = WhenListed(list, seen, [&] {
      PostMessageA(Control(kOption1), BM_CLICK, 0, 0);
      PostMessageA(Control(kOption2), BM_CLICK, 0, 0);
      SendMessageA(list, LB_SETCURSEL, 0, 0);
      PostMessageA(main, WM_COMMAND, MAKEWPARAM(kList1, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
      StoreFolder(newer.path());
      secondPicker = std::make_unique<FolderPickerAnswer>("nouveau", IDOK);
      PostMessageA(main, WM_COMMAND, MAKEWPARAM(kCommand1, BN_CLICKED), reinterpret_cast<LPARAM>(Control(kCommand1)));
    });
    StoreFolder(many.path());
    FolderPickerAnswer picker("nombreux", IDOK);
    Click(kCommand1);
    ASSERT_TRUE(picker.Wait());
    EXPECT_LT(seen, kNewerFiles);
  }
  ASSERT_TRUE(secondPicker && secondPicker->Wait());
  EXPECT_EQ(form->TemporaryFontPath(), first);
  EXPECT_TRUE(form->OtherFontsMode());
  std::vector<std::string> expected(kNewerFiles, "Glyvane Petite");
  expected.push_back("Glyvane Seconde");
  EXPECT_EQ(Entries(), expected);
  ClickFile("seconde.ttf");
  EXPECT_EQ(form->TemporaryFontPath(), seconde);
  const auto wholeRead = Clock::now() - Browse(many.path()).pressedAt;
  form.reset();
  Clock::duration idleEnd;
  {
    GlyvaneProcess glyvane;
    const HWND idle = glyvane.WaitForMainWindow();
    ASSERT_TRUE(idle);
    const auto asked = Clock::now();
    PostMessageA(idle, WM_COMMAND, MAKEWPARAM(kMenuQuitter, 0), 0);
    ASSERT_TRUE(glyvane.WaitForExit(kPatience));
    idleEnd = Clock::now() - asked;
  }
  for (const auto& [message, wParam] : {std::pair<UINT, WPARAM>{WM_CLOSE, 0}, {WM_COMMAND, kMenuQuitter}}) {
    SCOPED_TRACE(message);
    GlyvaneProcess glyvane;
    const HWND window = glyvane.WaitForMainWindow();
    ASSERT_TRUE(window);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(kOption2, BN_CLICKED), 0);
    StoreFolder(many.path());
    DialogAnswer picker(glyvane.id(), IDOK);
    seen = 0;
    Clock::time_point asked;
    const std::jthread during = WhenListed(FindControl(window, kList1), seen, [&] {
      asked = Clock::now();
      PostMessageA(window, message, wParam, 0);
    });
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(kCommand1, BN_CLICKED), 0);
    DWORD code = 1;
    ASSERT_TRUE(glyvane.WaitForExit(kPatience, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_LT(seen, kManyFiles);
    EXPECT_LT(Clock::now() - asked, idleEnd + wholeRead / 2);
  }
}

}  // namespace
}  // namespace glyvane::test
