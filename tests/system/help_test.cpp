// The "Aide" menu's commands that start other programs: the help viewer with the
// help file (F1 and "Aide"), and the catalogue ("Du même auteur ..."). The real
// Glyvane runs from a copy in a folder whose name holds blanks, as an installation
// in "Program Files" would put it, so that the real command lines are tested.
#include <windows.h>

#include <tlhelp32.h>

#include "common/win/unique.h"
#include "font_folders.h"
#include "viewer/help_viewer.h"

namespace glyvane::test {
namespace {

using namespace form1_ids;

constexpr const char* kHelpCaption = "Aide de Glyvane";  // the help file's title
constexpr const char* kStandInClass = "Glyvane.StandIn";

// Copies a program of the build into a test folder, as fileName.
void CopyProgram(const FontFolder& folder, const char* program, const char* fileName) {
  EXPECT_TRUE(CopyFileA(ProgramPath(program).c_str(), folder.PathOf(fileName).c_str(), FALSE)) << program;
}

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

// A shown top-level window of the given class or caption, once one appears.
HWND WaitForWindow(const char* className, const char* caption) {
  HWND found = nullptr;
  WaitUntil([&] {
    found = FindWindowA(className, caption);
    return found && IsWindowVisible(found);
  });
  return found;
}

// Closes a window of another program and waits until its process has ended.
void CloseProgramOf(HWND window) {
  UniqueHandle process(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, ProcessOf(window)));
  PostMessageA(window, WM_CLOSE, 0, 0);
  if (process && WaitForSingleObject(process.get(), 10000) == WAIT_TIMEOUT) TerminateProcess(process.get(), 1);
}

void CloseStrays() {
  while (const HWND help = FindWindowA(nullptr, kHelpCaption)) CloseProgramOf(help);
  while (const HWND standIn = FindWindowA(kStandInClass, nullptr)) CloseProgramOf(standIn);
}

class AideMenuProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    EndStrayGlyvanes();
    CloseStrays();
    for (const char* name :
         {"Glyvane.exe", "Glyvane.chm", "data1.dll", "data2.dll", "Data3.dll", "Data4.dll", "Data5.dll"}) {
      CopyProgram(copy, name, name);
    }
    glyvane = std::make_unique<GlyvaneProcess>(copy.PathOf("Glyvane.exe"));
    main = glyvane->WaitForMainWindow();
    ASSERT_TRUE(main);
  }
  void TearDown() override { CloseStrays(); }

  void Command(int id) const { PostMessageA(main, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  bool MainWindowAnswers() const {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored) != 0;
  }

  // Glyvane and the files it needs, in a folder whose name holds blanks.
  FontFolder copy{"Outils de Glyvane"};
  std::unique_ptr<GlyvaneProcess> glyvane;
  HWND main = nullptr;
};

TEST_F(AideMenuProgram, F1AndAideOpenTheHelpFileInTheViewerFromAFolderWithBlanks) {
  const struct {
    const char* how;
    UINT message;
    WPARAM wParam;
  } ways[] = {{"F1", WM_KEYDOWN, VK_F1}, {"Aide", WM_COMMAND, MAKEWPARAM(kMenuHelp, 0)}};
  for (const auto& way : ways) {
    SCOPED_TRACE(way.how);
    PostMessageA(main, way.message, way.wParam, 0);
    // The viewer captions its window with the file's title only once it has read
    // the file, found in a folder whose name holds blanks. (Wine's viewer ignores
    // the window state it is started with: HelpViewerChoice sees the one asked for.)
    const HWND help = WaitForWindow(nullptr, kHelpCaption);
    ASSERT_TRUE(help);
    EXPECT_NE(ProcessOf(help), glyvane->id());
    EXPECT_TRUE(WaitUntil([help] { return GetForegroundWindow() == help; }, 10s));
    CloseProgramOf(help);
  }
  EXPECT_TRUE(MainWindowAnswers());
}

// A missing catalogue and one the system refuses are reported as errors, and
// Glyvane goes on; the real one starts beside the program, with nothing passed.
TEST_F(AideMenuProgram, DuMemeAuteurStartsTheCatalogueBesideTheProgramOrSaysWhyNot) {
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
    DialogAnswer answer(glyvane->id(), IDOK);
    Command(kMenuAuteur);
    ASSERT_TRUE(answer.Wait());
    EXPECT_EQ(answer.title, "Glyvane de Talvenne");
    EXPECT_EQ(answer.icon, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_EQ(answer.text.substr(0, failure.opening.size()), failure.opening);
    // The system's refusal: its number and words follow.
    EXPECT_EQ(answer.text.size() > failure.opening.size() + 5, failure.content != nullptr) << answer.text;
    EXPECT_TRUE(MainWindowAnswers());
  }

  CopyProgram(copy, "stand_in_program.exe", "catalogue.EXE");
  Command(kMenuAuteur);
  const HWND catalogue = WaitForWindow(kStandInClass, nullptr);
  ASSERT_TRUE(catalogue);
  EXPECT_EQ(WindowText(catalogue), "Remplaçant [\"" + path + "\"]");
  EXPECT_FALSE(IsZoomed(catalogue));
  EXPECT_FALSE(IsIconic(catalogue));
  EXPECT_TRUE(WaitUntil([catalogue] { return GetForegroundWindow() == catalogue; }, 10s));
  // Glyvane goes on while the catalogue runs.
  EXPECT_TRUE(MainWindowAnswers());
  EXPECT_TRUE(IsWindow(catalogue));
}

// Glyvane in this process, looking for the viewer in two folders that the test
// fills, in place of the Windows and system folders.
class HelpViewerChoice : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    CloseStrays();
    SetHelpViewerFolders(HelpViewerFolders{windows.path(), system.path()});
  }
  void TearDown() override {
    SetHelpViewerFolders(std::nullopt);
    CloseStrays();
    MainWindowTest::TearDown();
  }

  FontFolder windows{"Windows"};
  FontFolder system{"System"};
};

// The processes this one has started that are still running.
int ChildProcesses() {
  const UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  int count = 0;
  for (BOOL more = Process32First(snapshot.get(), &entry); more; more = Process32Next(snapshot.get(), &entry)) {
    count += entry.th32ParentProcessID == GetCurrentProcessId();
  }
  return count;
}

// Without a viewer the user is told where to get one, and nothing starts, not even
// the system's own viewer by its bare name; with both, the system folder's wins.
TEST_F(HelpViewerChoice, TheSystemFoldersViewerOpensTheHelpFileMaximisedAndFocusedAndNoneIsSaid) {
  Start();
  const int running = ChildProcesses();
  {
    DialogAnswer answer(GetCurrentProcessId(), IDOK);
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(kMenuHelp, 0), 0);
    ASSERT_TRUE(answer.Wait());
    EXPECT_EQ(g_sounds, std::vector<std::string>{"data2.dll"});  // the click, first
    EXPECT_EQ(answer.title, "Glyvane de Talvenne");
    EXPECT_EQ(answer.icon, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(answer.text.rfind("Pour ouvrir le fichier d'aide, vous devez :", 0), 0u) << answer.text;
    EXPECT_EQ(ChildProcesses(), running);
  }
  CopyProgram(windows, "stand_in_program.exe", "hh.exe");
  CopyProgram(system, "stand_in_program.exe", "hh.exe");
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(kMenuHelp, 0), 0);
  const HWND viewer = WaitForWindow(kStandInClass, nullptr);
  ASSERT_TRUE(viewer);
  // One blank after hh.exe, then the help path as it stands.
  EXPECT_EQ(WindowText(viewer), "Remplaçant [" + system.PathOf("hh.exe") + " " + ProgramPath("Glyvane.chm") + "]");
  EXPECT_TRUE(IsZoomed(viewer));
  EXPECT_TRUE(PumpUntil([viewer] { return GetForegroundWindow() == viewer; }, 10s));
}

}  // namespace
}  // namespace glyvane::test
