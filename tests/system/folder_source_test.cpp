// The folder source: the real folder picker, the listing by face name and its tooltips,
// and each file shown from it, in the font table only while it is shown; odd files
// refused or shown, with the process alive throughout.
#include "common/system/font_trial.h"
#include "font_folders.h"
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
      {"BITMAP.Fon", "", "Glyodd", "odd/bitmap.fon"},
      {"collection.ttf", "Glyvane Collection", "Glyvane Collection"},
      {"cff.ttf", "Glyvane Test CFF", "Glyvane Test CFF"},
      {"francais.ttf", "Glyvane Française Normale", "Glyvane Française"},
      {"mac.ttf", "Glyvane Mac Regular", "Glyvane Mac"},
      // Full names may have up to 63 characters: listed whole.
      {"quarante.ttf", "Glyvane Quarante Caracteres Pour Le Nom!", "Glyvane Quarante"},
      {"nouvelle.ttf", "Glyvane Nouvelle", "Glyvane Nouvelle", "faces/nouvelle.ttf"},
      {"NOUVELLE-BIS.TTF", "Glyvane Nouvelle", "Glyvane Nouvelle", "faces/nouvelle.ttf"},
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
  StartInOtherFontsMode();
  {
    const TemporaryFont another(FixturePath("faces/seconde.ttf"));  // as another program adds a font
    Browse(odd.path());
    ASSERT_EQ(form->Files().Count(), static_cast<int>(std::size(files)));
    for (const OddFile& file : files) EXPECT_EQ(ListBox(Control(kList1)).Item(EntryOf(file.name)), file.entry);
    ASSERT_TRUE(DeleteFileA(odd.PathOf("supprime.ttf").c_str()));
    std::string shown = form->CurrentFace();
    std::string held;
    for (const OddFile& file : files) {
      SCOPED_TRACE(file.name);
      const auto answer = Pick(file.name);
      EXPECT_TRUE(LeftTheFontTable(held));
      if (!file.face) {
        EXPECT_EQ(answer->text, file.refusal);
        EXPECT_EQ(answer->title, "Glyvane de Talvenne");
        EXPECT_EQ(answer->icon, static_cast<UINT>(MB_ICONSTOP));
        EXPECT_EQ(form->TemporaryFontPath(), "");
        EXPECT_FALSE(Command2Enabled());
        EXPECT_EQ(form->CurrentFace(), shown);
        continue;
      }
      EXPECT_FALSE(answer->Pressed()) << answer->text;
      EXPECT_EQ(form->TemporaryFontPath(), file.installed ? "" : odd.PathOf(file.name));
      EXPECT_NE(Command2Enabled(), file.installed);
      EXPECT_EQ(IsWindowVisible(Control(kLabel5)) != FALSE, file.installed);
      EXPECT_EQ(form->CurrentFace(), file.face);
      EXPECT_EQ(WindowText(Control(kFrame1)), "Caractères de " + std::string(file.face) + " : ");
      EXPECT_EQ(form->Grid().FontOf(222), (FontStyle{file.face, 11}));
      EXPECT_EQ(form->Controls().FontOf(kText2).face, file.face);
      shown = form->CurrentFace();
      held = form->TemporaryFontPath();
    }
  }

  // Another folder, cancelled, then picked: its files only, sorted by face; the file shown is no longer installable.
  FontFolder other("autre");
  other.Add("faces/seconde.ttf", "a-seconde.ttf");
  other.Add("faces/nouvelle.ttf");
  const std::vector<std::string> listed = Entries();
  Browse(other.path(), IDCANCEL);
  EXPECT_EQ(Entries(), listed);
  ASSERT_TRUE(Command2Enabled());
  EXPECT_EQ(Browse(other.path()).text, "Sélectionnez un dossier :\n" + other.path());  // the status: the folder
  EXPECT_FALSE(Command2Enabled());
  EXPECT_EQ(Entries(), (std::vector<std::string>{"Glyvane Nouvelle", "Glyvane Seconde"}));
  const HWND list = Control(kList1);
  const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  const std::pair<int, const char*> tooltips[] = {
      {0, "nouvelle.ttf"}, {1, "a-seconde.ttf"}, {4, ""}, {0, "nouvelle.ttf"}};  // by entry, 4 below the last
  for (const auto& [entry, tooltip] : tooltips) {
    SendMessageA(list, WM_MOUSEMOVE, 0, MAKELPARAM(5, entry * height + height / 2));
    EXPECT_EQ(form->Controls().TooltipOf(kList1), tooltip) << entry;
  }
  SendMessageA(main, WM_CLOSE, 0, 0);
  for (const OddFile& file : files) EXPECT_TRUE(LeftTheFontTable(odd.PathOf(file.name))) << file.name;
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
      EXPECT_EQ(notices, 2);
    }
    EXPECT_EQ(table.held, 0);
  }
}

// A folder printout's files go to the font trial ahead of the program: a file that
// ends the trial process, even long before it is asked about, is the one refused; the
// files sent with it or after it, a sound font with PostScript outlines among them, survive.
TEST(FontTrialTest, AFileThatEndsTheTrialAmongFilesTriedAheadIsTheOneRefused) {
  FontFolder folder("essai");
  const std::string killer = folder.Add(GLYVANE_DAMAGED_FIXTURES "/tueuse.ttf");
  const std::vector<std::string> files = {folder.Add(std::string(GLYVANE_FONT_FIXTURES) + "/cff.otf"),
                                          folder.Add("faces/nouvelle.ttf"), folder.Add("faces/seconde.ttf"), killer,
                                          folder.Add("faces/installable.ttf"), folder.Add("faces/bitmap.fon")};
  const ExpectedFontFiles expected(files);
  for (const std::string& file : files) {
    if (file == killer) Sleep(2000);
    EXPECT_EQ(FontFileSurvivesTrial(file), file != killer) << file;
  }
}

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

// The read lets window events run after each file. A newer folder has more files than
// the older read had listed, so an older read that went on would list them again. Closing
// the window ends the read and the program in well under the time of a whole read.
TEST_F(FolderTest, DuringAReadEntriesOpenANewerFolderReplacesItAndClosingEndsIt) {
  FontFolder many("nombreux");
  const std::string first = many.Add("faces/nouvelle.ttf", "a-nouvelle.ttf");  // sorts first
  FillWithSmallFonts(many, kManyFiles);
  FontFolder newer("nouveau");
  newer.Add("faces/seconde.ttf");
  FillWithSmallFonts(newer, kNewerFiles);
  StartInOtherFontsMode();
  const HWND list = Control(kList1);
  std::unique_ptr<FolderPickerAnswer> secondPicker;
  std::atomic<int> seen = 0;
  {
    const std::jthread during = WhenListed(list, seen, [&] {
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
  std::vector<std::string> expected(kNewerFiles, "Glyvane Petite");
  expected.push_back("Glyvane Seconde");
  EXPECT_EQ(Entries(), expected);
  const auto wholeRead = Clock::now() - Browse(many.path()).pressedAt;
  form.reset();

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
    PostMessageA(window, WM_CLOSE, 0, 0);
  });
  PostMessageA(window, WM_COMMAND, MAKEWPARAM(kCommand1, BN_CLICKED), 0);
  ASSERT_TRUE(glyvane.WaitForExit(kPatience));
  EXPECT_LT(seen, kManyFiles);
  EXPECT_LT(Clock::now() - asked, wholeRead / 2);
}

}  // namespace
}  // namespace glyvane::test
