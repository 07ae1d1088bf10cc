// The "Aide" menu's commands that start other programs: the help viewer with the
// help file (F1 and "Aide"), and the catalogue ("Du même auteur ..."). The real
// Glyvane runs from a copy in a folder whose name holds blanks, as an installation
// in "Program Files" would put it, so that the real command lines are tested.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "common/win/unique.h"
#include "main_window.h"
#include "support.h"
#include "viewer/form1_ids.h"
#include "viewer/help_viewer.h"

namespace glyvane::test {
namespace {

using namespace form1_ids;

constexpr const char* kHelpCaption = "Aide de Glyvane";  // the help file's title
constexpr const char* kStandInClass = "Glyvane.StandIn";

// A folder of the test's own, with the files put in it; removed at the end.
class TestFolder {
 public:
  explicit TestFolder(std::string folder) : folder_(std::move(folder)) { CreateDirectoryA(folder_.c_str(), nullptr); }
  ~TestFolder() {
    for (const std::string& file : files_) DeleteFileA(file.c_str());
    RemoveDirectoryA(folder_.c_str());
  }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const std::string& path() const { return folder_; }
  std::string Path(const std::string& name) const { return folder_ + "\\" + name; }
  void Add(const std::string& from, const std::string& name) {
    EXPECT_TRUE(CopyFileA(from.c_str(), Path(name).c_str(), FALSE)) << from;
    files_.push_back(Path(name));
  }
  void Write(const std::string& name, const std::string& bytes) {
    UniqueHandle file(CreateFileA(Path(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    files_.push_back(Path(name));
  }

 private:
  std::string folder_;
  std::vector<std::string> files_;
};

// Glyvane and the files it needs, copied to a folder whose name holds blanks.
class ProgramCopy : public TestFolder {
 public:
  ProgramCopy() : TestFolder("C:\\Outils de Glyvane") {
    for (const char* name :
         {"Glyvane.exe", "Glyvane.chm", "data1.dll", "data2.dll", "Data3.dll", "Data4.dll", "Data5.dll"}) {
      Add(ProgramPath(name), name);
    }
  }
};

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

std::string ImagePath(DWORD processId) {
  UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  char path[MAX_PATH] = {};
  DWORD size = sizeof path;
  if (!process || !QueryFullProcessImageNameA(process.get(), 0, path, &size)) return {};
  return path;
}

bool SamePath(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

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
  }
  void TearDown() override { CloseStrays(); }

  // Glyvane started from the copy, with its main window shown.
  HWND Start() {
    glyvane = std::make_unique<GlyvaneProcess>(copy.Path("Glyvane.exe"));
    main = glyvane->WaitForMainWindow();
    return main;
  }
  void Command(int id) const { PostMessageA(main, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  bool MainWindowAnswers() const {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored) != 0;
  }

  // The message "Du même auteur ..." shows when the catalogue does not start, as an
  // error (the window's caption, the critical icon); empty when none came.
  std::string AuteurFailure() {
    if (!Start()) return {};
    DialogAnswer answer(glyvane->id(), IDOK);
    Command(kMenuAuteur);
    if (!answer.Wait()) return {};
    EXPECT_EQ(answer.title, "Glyvane de Talvenne");
    EXPECT_EQ(answer.icon, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_TRUE(MainWindowAnswers());
    return answer.text;
  }

  ProgramCopy copy;
  std::unique_ptr<GlyvaneProcess> glyvane;
  HWND main = nullptr;
};

using HelpCommand = AideMenuProgram;
using AuteurCommand = AideMenuProgram;

TEST_F(HelpCommand, F1AndAideOpenTheHelpFileInTheViewerFromAFolderWithBlanks) {
  ASSERT_TRUE(Start());
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

TEST_F(AuteurCommand, StartsTheCatalogueBesideTheProgramInANormalFocusedWindowWithNothingPassed) {
  copy.Add(ProgramPath("stand_in_program.exe"), "catalogue.EXE");
  ASSERT_TRUE(Start());
  Command(kMenuAuteur);
  const HWND catalogue = WaitForWindow(kStandInClass, nullptr);
  ASSERT_TRUE(catalogue);
  EXPECT_PRED2(SamePath, ImagePath(ProcessOf(catalogue)), copy.Path("catalogue.EXE"));
  EXPECT_EQ(WindowText(catalogue), "Remplaçant [\"C:\\Outils de Glyvane\\catalogue.EXE\"]");  // nothing passed
  EXPECT_FALSE(IsZoomed(catalogue));
  EXPECT_FALSE(IsIconic(catalogue));
  EXPECT_TRUE(WaitUntil([catalogue] { return GetForegroundWindow() == catalogue; }, 10s));
  // Glyvane goes on while the catalogue runs.
  EXPECT_TRUE(MainWindowAnswers());
  EXPECT_TRUE(IsWindow(catalogue));
}

TEST_F(AuteurCommand, AMissingCatalogueIsReportedWithWhereItShouldBe) {
  EXPECT_EQ(AuteurFailure(),
            "Le catalogue des autres programmes de l'auteur est introuvable.\r\n\r\n"
            "Il devrait se trouver dans le dossier de Glyvane :\r\n"
            "C:\\Outils de Glyvane\\catalogue.EXE");
}

TEST_F(AuteurCommand, ACatalogueThatCannotStartIsReportedWithTheSystemsReason) {
  copy.Write("catalogue.EXE", "Ceci n'est pas un programme.\r\n");
  const std::string text = AuteurFailure();
  const std::string opening =
      "Le catalogue des autres programmes de l'auteur ne peut pas démarrer :\r\n"
      "C:\\Outils de Glyvane\\catalogue.EXE\r\n\r\nErreur N°";
  EXPECT_EQ(text.substr(0, opening.size()), opening) << text;
  EXPECT_GT(text.size(), opening.size() + 5) << text;  // the number and the system's words
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
  void Help() const { SendMessageA(main, WM_COMMAND, MAKEWPARAM(kMenuHelp, 0), 0); }

  TestFolder root{"C:\\Visionneuses"};
  TestFolder windows{"C:\\Visionneuses\\Windows"};
  TestFolder system{"C:\\Visionneuses\\System"};
  const std::string standIn = ProgramPath("stand_in_program.exe");
};

// The system folder's viewer wins; the Windows folder's opens alone; a file of
// another name is no viewer.
TEST_F(HelpViewerChoice, TheSystemFoldersViewerWinsAndOpensTheHelpFileMaximisedAndFocused) {
  windows.Add(standIn, "hh.exe");
  for (const char* systemViewer : {"hh.exe", "hh"}) {
    SCOPED_TRACE(systemViewer);
    system.Add(standIn, systemViewer);
    Start();
    Help();
    EXPECT_EQ(g_sounds, std::vector<std::string>{"data2.dll"});  // the click
    const HWND viewer = WaitForWindow(kStandInClass, nullptr);
    ASSERT_TRUE(viewer);
    // One blank after hh.exe, then the help path as it stands.
    const std::string folder = std::string(systemViewer) == "hh.exe" ? "System" : "Windows";
    EXPECT_EQ(WindowText(viewer),
              "Remplaçant [C:\\Visionneuses\\" + folder + "\\hh.exe " + ProgramPath("Glyvane.chm") + "]");
    EXPECT_TRUE(IsZoomed(viewer));
    EXPECT_TRUE(PumpUntil([viewer] { return GetForegroundWindow() == viewer; }, 10s));
    CloseStrays();
    DeleteFileA(system.Path(systemViewer).c_str());
    form.reset();
  }
}

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

TEST_F(HelpViewerChoice, WithoutAViewerTheUserIsToldWhereToGetOneAndNothingStarts) {
  Start();
  const int running = ChildProcesses();
  DialogAnswer answer(GetCurrentProcessId(), IDOK);
  Help();
  ASSERT_TRUE(answer.Wait());
  EXPECT_EQ(g_sounds, std::vector<std::string>{"data2.dll"});  // the click, first
  EXPECT_EQ(answer.title, "Glyvane de Talvenne");
  EXPECT_EQ(answer.icon, static_cast<UINT>(MB_ICONINFORMATION));
  EXPECT_EQ(answer.text.rfind("Pour ouvrir le fichier d'aide, vous devez :", 0), 0u) << answer.text;
  // Not even the system's own viewer by its bare name.
  EXPECT_EQ(ChildProcesses(), running);
}

}  // namespace
}  // namespace glyvane::test
