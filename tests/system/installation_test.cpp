// Installing the font file shown, against the prefix's real Fonts folder and font
// table, and its real registry or the registry's test double (which can lack
// "SystemRoot" or refuse a write). Each test undoes every file and value it added.
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
constexpr const char* kInstalled = "La police Glyvane Installable a été ajoutée";

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
  // Before the test, as one that stopped half-way may have left some, and once its window has gone.
  InstallationTest() { Uninstall(); }
  ~InstallationTest() override { Uninstall(); }

  // The copies in the Fonts folder, their place in the font table, their values.
  static void Uninstall() {
    for (const char* name : {"installable.ttf", "glyvane-installable.ttf"}) RemoveFontFile(FontsFolder() + "\\" + name);
    for (const char* key : {kNtFontsKey, kOtherFontsKey}) RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, key, kValue);
  }

  std::unique_ptr<DialogAnswer> Install() {
    auto answer = std::make_unique<DialogAnswer>(GetCurrentProcessId(), IDOK);
    Click(kCommand2);
    EXPECT_TRUE(answer->Wait());
    return answer;
  }
};

// Neither what File1 selects nor what the grid shows after the file was shown changes
// the file installed or the face it is recorded under.
TEST_F(InstallationTest, TheFileShownIsCopiedRecordedUnderTheNtKeyAndItsFaceListed) {
  FontFolder folder("installer");
  const std::string shown = folder.Add("faces/installable.ttf");
  StartInOtherFontsMode();
  Browse(folder.path());
  ClickFile("installable.ttf");
  Click(kOption1);
  const HWND combo = Control(kCombo1);
  SendMessageA(combo, LB_SETCURSEL, static_cast<WPARAM>(ComboIndexOf("Liberation Serif")), 0);
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(kCombo1, LBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  Click(kOption2);
  folder.Add("faces/seconde.ttf");
  Browse(folder.path());  // the same folder again: File1's selection goes, the file stays installable
  ASSERT_TRUE(Command2Enabled());

  const auto answer = Install();
  EXPECT_EQ(answer->text, kInstalled);
  EXPECT_EQ(answer->title, "Glyvane de Talvenne");
  EXPECT_EQ(answer->icon, static_cast<UINT>(MB_ICONINFORMATION));
  EXPECT_EQ(ReadMachineValue(kNtFontsKey, kValue), "installable.ttf");
  EXPECT_EQ(Contents(FontsFolder() + "\\installable.ttf"), Contents(shown));
  EXPECT_GE(ComboIndexOf("Glyvane Installable"), 0);
  EXPECT_EQ(form->TemporaryFontPath(), "");
  EXPECT_FALSE(Command2Enabled());
}

// Each obstacle is reported, nothing of the attempt is left, and the user can try again
// once it is gone. The registry's record of another file under the same face is the
// system's, not this program's to replace; the same file recorded again is no conflict.
// A file of the Fonts folder itself that is not installed yet is installed where it is.
// Wine's registry has "SystemRoot" and takes every write: the test double stands for a
// system without it (whose fonts key is another) and for a registry that refuses.
TEST_F(InstallationTest, EachObstacleIsReportedAndLeavesNothingInstalled) {
  FakeRegistry registry;
  FontFolder folder("obstacles");
  const std::string shown = folder.Add("faces/installable.ttf");
  const FakeRegistry::Where value{RegistryRoot::LocalMachine, kOtherFontsKey, kValue};
  const std::string copy = FontsFolder() + "\\installable.ttf";
  HANDLE held = nullptr;
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
      {[&] { held = CreateFileA(shown.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr); },  // no sharing
       "Impossible de copier le fichier installable.ttf dans le dossier " + FontsFolder() + ".",
       [&] { CloseHandle(held); }},
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
  const std::string inFonts = FontsFolder() + "\\glyvane-installable.ttf";
  ASSERT_TRUE(CopyFileA(shown.c_str(), inFonts.c_str(), FALSE));
  Browse(FontsFolder());
  ClickFile("glyvane-installable.ttf");
  registry.values[value] = "GLYVANE-INSTALLABLE.TTF";
  EXPECT_EQ(Install()->text, kInstalled);
  EXPECT_EQ(registry.values[value], "glyvane-installable.ttf");
  EXPECT_EQ(registry.types[value], static_cast<uint32_t>(REG_SZ));
}

}  // namespace
}  // namespace glyvane::test
