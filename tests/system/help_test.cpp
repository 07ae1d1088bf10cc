// The "Aide" menu's commands that start other programs: the help viewer with the
// help file (F1 and "Aide"), and the catalogue ("Du même auteur ..."). A stand-in
// program in place of each shows the command line it was given.
#include "common/win/unique.h"
#include "font_folders.h"
#include "viewer/help_viewer.h"

namespace glyvane::test {
namespace {

using namespace form1_ids;

constexpr const char* kStandInClass = "Glyvane.StandIn";
constexpr const char* kHelpCaption = "Aide de Glyvane";  // the help file's title

// Copies a program of the build into a test folder, as fileName.
void CopyProgram(const FontFolder& folder, const char* program, const char* fileName) {
  EXPECT_TRUE(CopyFileA(ProgramPath(program).c_str(), folder.PathOf(fileName).c_str(), FALSE)) << program;
}

// The stand-in's window, once one shows.
HWND WaitForStandIn() {
  HWND found = nullptr;
  WaitUntil([&] {
    found = FindWindowA(kStandInClass, nullptr);
    return found && IsWindowVisible(found);
  });
  return found;
}

// Closes the windows of other programs of this class or caption, and waits until
// their processes have ended.
void ClosePrograms(const char* className, const char* caption = nullptr) {
  while (const HWND window = FindWindowA(className, caption)) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    UniqueHandle process(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, id));
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (process && WaitForSingleObject(process.get(), 10000) == WAIT_TIMEOUT) TerminateProcess(process.get(), 1);
  }
}

// The real Glyvane runs from a copy in a folder whose name holds blanks, as an
// installation in "Program Files" would put it, so that the real command lines are
// tested. F1 passes through its message loop to the system's own help viewer. A
// missing catalogue and one the system refuses are reported as errors, and Glyvane
// goes on; the real one starts beside the program, with nothing passed.
TEST(AideMenuProgram, F1OpensTheHelpAndDuMemeAuteurStartsTheCatalogueBesideTheProgramOrSaysWhyNot) {
  EndStrayGlyvanes();
  ClosePrograms(kStandInClass);
  ClosePrograms(nullptr, kHelpCaption);
  FontFolder copy{"Outils de Glyvane"};
  for (const char* name :
       {"Glyvane.exe", "Glyvane.chm", "data1.dll", "data2.dll", "Data3.dll", "Data4.dll", "Data5.dll"}) {
    CopyProgram(copy, name, name);
  }
  GlyvaneProcess glyvane(copy.PathOf("Glyvane.exe"));
  const HWND main = glyvane.WaitForMainWindow();
  ASSERT_TRUE(main);
  PostMessageA(main, WM_KEYDOWN, VK_F1, 0);
  // The viewer captions its window with the file's title only once it has read it.
  EXPECT_TRUE(WaitUntil([] { return FindWindowA(nullptr, kHelpCaption) != nullptr; }));
  ClosePrograms(nullptr, kHelpCaption);
  auto answers = [main] {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored) != 0;
  };
  const std::string path = copy.PathOf("catalogue.EXE");
  const struct {
    const char* content;  // a file that is no program, or none
    std::string opening;
  } failures[] = {{nullptr,
                   "Le catalogue des autres programmes de l'auteur est introuvable.\r\n\r\n"
                   "Il devrait se trouver dans le dossier de Glyvane :\r\n" + path},
                  {"faces/nouvelle.ttf",
                   "Le catalogue des autres programmes de l'auteur ne peut pas démarrer :\r\n" + path +
                       "\r\n\r\nErreur N°"}};
  for (const auto& failure : failures) {
    if (failure.content) copy.Add(failure.content, "catalogue.EXE");
    DialogAnswer answer(glyvane.id(), IDOK);
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(kMenuAuteur, 0), 0);
    ASSERT_TRUE(answer.Wait());
    EXPECT_EQ(answer.title, "Glyvane de Talvenne");
    EXPECT_EQ(answer.icon, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_EQ(answer.text.substr(0, failure.opening.size()), failure.opening);
    // The system's refusal: its number and words follow.
    EXPECT_EQ(answer.text.size() > failure.opening.size() + 5, failure.content != nullptr) << answer.text;
    EXPECT_TRUE(answers());
  }

  CopyProgram(copy, "stand_in_program.exe", "catalogue.EXE");
  PostMessageA(main, WM_COMMAND, MAKEWPARAM(kMenuAuteur, 0), 0);
  const HWND catalogue = WaitForStandIn();
  ASSERT_TRUE(catalogue);
  EXPECT_EQ(WindowText(catalogue), "Remplaçant [\"" + path + "\"]");
  EXPECT_FALSE(IsZoomed(catalogue));
  EXPECT_FALSE(IsIconic(catalogue));
  EXPECT_TRUE(WaitUntil([catalogue] { return GetForegroundWindow() == catalogue; }, 10s));
  // Glyvane goes on while the catalogue runs.
  EXPECT_TRUE(answers());
  EXPECT_TRUE(IsWindow(catalogue));
  ClosePrograms(kStandInClass);
}

// Glyvane in this process, looking for the viewer in two folders that the test
// fills, in place of the Windows and system folders.
class HelpViewerChoice : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ClosePrograms(kStandInClass);
    ClosePrograms(nullptr, kHelpCaption);
    SetHelpViewerFolders(HelpViewerFolders{windows.path(), system.path()});
  }
  void TearDown() override {
    SetHelpViewerFolders(std::nullopt);
    ClosePrograms(kStandInClass);
    ClosePrograms(nullptr, kHelpCaption);
    MainWindowTest::TearDown();
  }

  FontFolder windows{"Windows"};
  FontFolder system{"System"};
};

// Without a viewer the user is told where to get one, and nothing starts, not even
// the system's own viewer by its bare name; with both, the system folder's wins.
// The viewer takes the rest of its command line as the file: the help path is not
// quoted, whatever blanks it holds.
TEST_F(HelpViewerChoice, TheSystemFoldersViewerOpensTheHelpFileMaximisedAndFocusedAndNoneIsSaid) {
  Start();
  {
    DialogAnswer answer(GetCurrentProcessId(), IDOK);
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(kMenuHelp, 0), 0);
    ASSERT_TRUE(answer.Wait());
    EXPECT_EQ(g_sounds, std::vector<std::string>{"data2.dll"});  // the click, first
    EXPECT_EQ(answer.title, "Glyvane de Talvenne");
    EXPECT_EQ(answer.icon, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(answer.text.rfind("Pour ouvrir le fichier d'aide, vous devez :", 0), 0u) << answer.text;
    // The system's viewer would show the help file's title within a second.
    EXPECT_FALSE(WaitUntil([] { return FindWindowA(nullptr, kHelpCaption) != nullptr; }, 2s));
  }
  CopyProgram(windows, "stand_in_program.exe", "hh.exe");
  CopyProgram(system, "stand_in_program.exe", "hh.exe");
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(kMenuHelp, 0), 0);
  const HWND viewer = WaitForStandIn();
  ASSERT_TRUE(viewer);
  // One blank after hh.exe, then the help path as it stands.
  EXPECT_EQ(WindowText(viewer), "Remplaçant [" + system.PathOf("hh.exe") + " " + ProgramPath("Glyvane.chm") + "]");
  EXPECT_TRUE(IsZoomed(viewer));
  EXPECT_TRUE(PumpUntil([viewer] { return GetForegroundWindow() == viewer; }, 10s));
}

}  // namespace
}  // namespace glyvane::test
