// Installing the font file shown, against the prefix's real Fonts folder and font
// table, and the registry's test double (which can lack "SystemRoot" or refuse a
// write). The test undoes every file it added.
#include <shlobj.h>

#include <fstream>
#include <iterator>

#include "font_folders.h"
#include "tests/unit/fake_registry.h"
#include "viewer/font_registration.h"

namespace glyvane::test {
namespace {

using namespace form1_ids;

constexpr const char* kValue = "Glyvane Installable (TrueType)";

std::string FontsFolder() {
  char path[MAX_PATH] = {};
  SHGetFolderPathA(nullptr, CSIDL_FONTS, nullptr, 0, path);
  return path;
}

std::string Contents(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class InstallationTest : public FolderTest {
 protected:
  // Copies in the Fonts folder, before the test (one stopped half-way may have left some) and once its window has gone.
  InstallationTest() { Uninstall(); }
  ~InstallationTest() override { Uninstall(); }

  static void Uninstall() {
    for (const char* name : {"installable.ttf", "glyvane-seconde.ttf"}) RemoveFontFile(FontsFolder() + "\\" + name);
  }

  std::unique_ptr<DialogAnswer> Install() {
    auto answer = std::make_unique<DialogAnswer>(GetCurrentProcessId(), IDOK);
    Click(kCommand2);
    EXPECT_TRUE(answer->Wait());
    return answer;
  }
};

// Each obstacle is reported, nothing of the attempt is left, and the user can try again
// once it is gone: another file's registration under the same face is the system's to
// keep, the same file's is no conflict. What File1 selects or the grid shows since does
// not change the file installed or its face. A file of the Fonts folder is installed where
// it is. The registry stands for a system without "SystemRoot" (another fonts key), then NT.
TEST_F(InstallationTest, EachObstacleIsReportedAndLeavesNothingAndTheFileShownIsInstalledOnceItIsGone) {
  FakeRegistry registry;
  FontFolder folder("installer");
  const std::string shown = folder.Add("faces/installable.ttf");
  const FakeRegistry::Where value{RegistryRoot::LocalMachine, kOtherFontsKey, kValue};
  const std::string copy = FontsFolder() + "\\installable.ttf";
  struct Obstacle {
    std::function<void()> put;
    std::string message;
    std::function<void()> remove;
  };
  const Obstacle obstacles[] = {
      {[&] { registry.values[value] = "autre.ttf"; },
       "La police Glyvane Installable est déjà inscrite dans le registre de Windows pour le fichier autre.ttf, qui a "
       "été laissé tel quel.",
       [&] {
         EXPECT_EQ(registry.values[value], "autre.ttf");
         registry.values.erase(value);
       }},
      {[&] { std::ofstream(copy) << "un autre fichier"; },
       "Le dossier " + FontsFolder() +
           " contient déjà un autre fichier nommé installable.ttf, qui a été laissé tel quel.",
       [&] {
         EXPECT_EQ(Contents(copy), "un autre fichier");
         DeleteFileA(copy.c_str());
       }},
      {[&] { registry.locked.insert(kOtherFontsKey); },
       "Impossible d'inscrire la police dans le registre de Windows (HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\"
       "CurrentVersion\\Fonts).",
       [&] { registry.locked.clear(); }},
  };
  StartInOtherFontsMode(registry);
  Browse(folder.path());
  ClickFile("installable.ttf");
  for (const Obstacle& obstacle : obstacles) {
    SCOPED_TRACE(obstacle.message);
    obstacle.put();
    const auto answer = Install();
    EXPECT_EQ(answer->text, obstacle.message + " La police n'a pas été installée.");
    EXPECT_EQ(answer->icon, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_TRUE(Command2Enabled());
    EXPECT_TRUE(LeftTheFontTable(copy));
    obstacle.remove();
    EXPECT_EQ(GetFileAttributesA(copy.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(registry.values.count(value), 0u);
  }

  Click(kOption1);
  const HWND combo = Control(kCombo1);
  SendMessageA(combo, LB_SETCURSEL, static_cast<WPARAM>(ComboIndexOf("Liberation Serif")), 0);
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(kCombo1, LBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  Click(kOption2);
  folder.Add("faces/seconde.ttf");
  Browse(folder.path());  // the same folder again: File1's selection goes, the file stays installable
  ASSERT_TRUE(Command2Enabled());
  registry.values[{RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "SystemRoot"}] =
      "C:\\windows";
  const auto answer = Install();
  EXPECT_EQ(answer->text, "La police Glyvane Installable a été ajoutée");
  EXPECT_EQ(answer->title, "Glyvane de Talvenne");
  EXPECT_EQ(answer->icon, static_cast<UINT>(MB_ICONINFORMATION));
  EXPECT_EQ((registry.values[{RegistryRoot::LocalMachine, kNtFontsKey, kValue}]), "installable.ttf");
  EXPECT_EQ(Contents(copy), Contents(shown));  // kept, not undone as a failed attempt is
  EXPECT_GE(ComboIndexOf("Glyvane Installable"), 0);
  EXPECT_EQ(form->TemporaryFontPath(), "");
  EXPECT_FALSE(Command2Enabled());

  const std::string inFonts = FontsFolder() + "\\glyvane-seconde.ttf";
  ASSERT_TRUE(CopyFileA(FixturePath("faces/seconde.ttf").c_str(), inFonts.c_str(), FALSE));
  Browse(FontsFolder());
  ClickFile("glyvane-seconde.ttf");
  const FakeRegistry::Where second{RegistryRoot::LocalMachine, kNtFontsKey, "Glyvane Seconde (TrueType)"};
  registry.values[second] = "GLYVANE-SECONDE.TTF";
  EXPECT_EQ(Install()->text, "La police Glyvane Seconde a été ajoutée");
  EXPECT_EQ(registry.values[second], "glyvane-seconde.ttf");
  EXPECT_EQ(registry.types[second], static_cast<uint32_t>(REG_SZ));
}

}  // namespace
}  // namespace glyvane::test
