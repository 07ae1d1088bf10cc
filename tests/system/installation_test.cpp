// Installing the font file shown, against the prefix's real Fonts folder, font table
// and registry (or the registry's test double where Wine cannot be made to refuse a
// write or lack "SystemRoot"). Each test undoes every file and value it added.
#include <gtest/gtest.h>
#include <shlobj.h>

#include <fstream>
#include <functional>
#include <iterator>

#include "font_folders.h"
#include "tests/unit/fake_registry.h"
#include "viewer/font_registration.h"

namespace glyvane::test {
namespace {

using namespace form1_ids;

std::string FontsFolder() {
  char path[MAX_PATH] = {};
  SHGetFolderPathA(nullptr, CSIDL_FONTS, nullptr, 0, path);
  return path;
}

std::string Contents(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Runs a command line of the machine under Wine (Wine starts Unix programs itself)
// and waits for it: true when it succeeded.
bool RunUnixCommand(const std::string& command) {
  using UnixName = char*(CDECL*)(LPCWSTR);
  const auto unixName = reinterpret_cast<UnixName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  char marker[MAX_PATH];
  GetTempPathA(MAX_PATH, marker);
  lstrcatA(marker, "glyvane-command-done");
  DeleteFileA(marker);
  wchar_t wide[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, marker, -1, wide, MAX_PATH);
  const std::string markerUnix = unixName(wide);
  std::string line = "Z:\\bin\\sh -c \"" + command + " && echo ok >'" + markerUnix + "' || echo failed >'" +
                     markerUnix + "'\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) return false;
  if (!WaitUntil([&] { return GetFileAttributesA(marker) != INVALID_FILE_ATTRIBUTES && Contents(marker).size() > 1; }, 10s)) {
    return false;
  }
  const bool ok = Contents(marker).rfind("ok", 0) == 0;
  DeleteFileA(marker);
  return ok;
}

std::string UnixPath(const std::string& path) {
  using UnixName = char*(CDECL*)(LPCWSTR);
  const auto unixName = reinterpret_cast<UnixName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  wchar_t wide[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
  return unixName(wide);
}

// Every file and value these tests may install, removed before each test too: a test
// that stopped half-way may have left one.
const char* const kFilesInstalled[] = {"installable.ttf", "INSTALLABLE.TTF", "nouvelle.Ttf", "bitmap.fon",
                                       "glyvane-installable.ttf"};
const char* const kValuesInstalled[] = {"Glyvane Installable (TrueType)", "Glyvane Nouvelle (Plotter)",
                                        "Glyfon (Plotter)"};

class InstallationTest : public FolderTest {
 protected:
  void SetUp() override {
    FolderTest::SetUp();
    installedFiles_.assign(std::begin(kFilesInstalled), std::end(kFilesInstalled));
    installedValues_.assign(std::begin(kValuesInstalled), std::end(kValuesInstalled));
    Uninstall();
  }
  void TearDown() override {
    FolderTest::TearDown();
    Uninstall();
  }
  // Whatever an installation added: the copies in the Fonts folder, their place in
  // the font table, their registry values.
  void Uninstall() {
    for (const std::string& name : installedFiles_) {
      const std::string path = FontsFolder() + "\\" + name;
      while (RemoveFontResourceA(path.c_str())) {
      }
      DeleteFileA(path.c_str());
    }
    for (const std::string& value : installedValues_) {
      for (const char* key : {kNtFontsKey, kOtherFontsKey}) RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, key, value.c_str());
    }
  }

  // fixture shown from a folder of its own, as fileName: its face is new.
  std::string Show(FontFolder& folder, const std::string& fixture, const std::string& fileName) {
    const std::string path = folder.Add(fixture, fileName);
    Browse(folder.path());
    ClickFile(fileName);
    EXPECT_EQ(form->TemporaryFontPath(), path);
    EXPECT_TRUE(Command2Enabled());
    return path;
  }

  std::unique_ptr<DialogAnswer> Install() {
    auto answer = std::make_unique<DialogAnswer>(GetCurrentProcessId(), IDOK);
    Click(kCommand2);
    EXPECT_TRUE(answer->Wait());
    return answer;
  }

  // After a refused installation: nothing of it is left, and the user can try again.
  void ExpectNothingInstalled(const std::string& shown, const std::string& fileName) {
    EXPECT_EQ(form->TemporaryFontPath(), shown);
    EXPECT_TRUE(Command2Enabled());
    for (const std::string& value : installedValues_) {
      EXPECT_FALSE(ReadMachineValue(kNtFontsKey, value)) << value;
      EXPECT_FALSE(ReadMachineValue(kOtherFontsKey, value)) << value;
    }
    EXPECT_TRUE(LeftTheFontTable(FontsFolder() + "\\" + fileName));
  }

  std::vector<std::string> installedFiles_;
  std::vector<std::string> installedValues_;
};

TEST_F(InstallationTest, ATtfFileIsCopiedRecordedUnderTheNtKeyAndItsFaceListed) {
  FontFolder folder("installer");
  StartInOtherFontsMode();
  const std::string shown = Show(folder, "faces/installable.ttf", "installable.ttf");
  const auto answer = Install();
  EXPECT_EQ(answer->text, "La police Glyvane Installable a été ajoutée");
  EXPECT_EQ(answer->title, "Glyvane de Talvenne");
  EXPECT_EQ(answer->icon, static_cast<UINT>(MB_ICONINFORMATION));
  EXPECT_EQ(ReadMachineValue(kNtFontsKey, "Glyvane Installable (TrueType)"), "installable.ttf");
  EXPECT_EQ(Contents(FontsFolder() + "\\installable.ttf"), Contents(shown));
  EXPECT_GE(ComboIndexOf("Glyvane Installable"), 0);
  EXPECT_EQ(ComboEntry(static_cast<int>(SendMessageA(Control(kCombo1), LB_GETCURSEL, 0, 0))), "Arial");
  EXPECT_EQ(form->CurrentFace(), "Arial");
  EXPECT_EQ(form->TemporaryFontPath(), "");
  EXPECT_FALSE(Command2Enabled());

  // Shown again, the file holds an installed font.
  Browse(folder.path());
  ClickFile("installable.ttf");
  EXPECT_TRUE(Label5Visible());
  EXPECT_FALSE(Command2Enabled());
}

TEST_F(InstallationTest, OnlyNamesEndingInTtfOrTTFAreTrueType) {
  struct Case {
    const char* fixture;
    const char* fileName;
    const char* value;
  };
  StartInOtherFontsMode();
  // The folders stay to the end: Wine drops an installed face with the file shown
  // before it, which would make the next file's face look like a replacement.
  std::vector<std::unique_ptr<FontFolder>> folders;
  for (const Case& c : {Case{"faces/installable.ttf", "INSTALLABLE.TTF", "Glyvane Installable (TrueType)"},
                        Case{"faces/nouvelle.ttf", "nouvelle.Ttf", "Glyvane Nouvelle (Plotter)"},
                        Case{"faces/bitmap.fon", "bitmap.fon", "Glyfon (Plotter)"}}) {
    folders.push_back(std::make_unique<FontFolder>(std::string("suffixe-") + c.fixture[6]));
    Show(*folders.back(), c.fixture, c.fileName);
    EXPECT_EQ(Install()->icon, static_cast<UINT>(MB_ICONINFORMATION)) << c.fileName;
    EXPECT_EQ(ReadMachineValue(kNtFontsKey, c.value), c.fileName);
  }
}

// What the window does between showing a file and installing it changes neither the
// file installed nor the face it is recorded under: choosing the same folder again
// resets File1's selection, the installed fonts put Arial into the grid.
TEST_F(InstallationTest, TheFileAndFaceInstalledAreTheOnesShown) {
  struct Case {
    const char* name;
    std::function<void(FontFolder&)> meanwhile;
  };
  const Case cases[] = {
      {"the same folder again",
       [this](FontFolder& folder) {
         folder.Add("faces/seconde.ttf");
         Browse(folder.path());
       }},
      {"the installed fonts and back",
       [this](FontFolder&) {
         Click(kOption1);
         Click(kOption2);
       }},
      {"an installed font clicked",
       [this](FontFolder&) {
         Click(kOption1);
         const HWND combo = Control(kCombo1);
         SendMessageA(combo, LB_SETCURSEL, static_cast<WPARAM>(ComboIndexOf("Liberation Serif")), 0);
         SendMessageA(main, WM_COMMAND, MAKEWPARAM(kCombo1, LBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
         Click(kOption2);
       }},
  };
  const std::optional<std::string> arial = ReadMachineValue(kNtFontsKey, "Arial (TrueType)");
  WriteMachineValue(kNtFontsKey, "Arial (TrueType)", "arial.ttf");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    {
      FontFolder folder("montre");
      StartInOtherFontsMode();
      Show(folder, "faces/installable.ttf", "installable.ttf");
      c.meanwhile(folder);
      ASSERT_TRUE(Command2Enabled());
      EXPECT_EQ(Install()->text, "La police Glyvane Installable a été ajoutée");
      EXPECT_EQ(ReadMachineValue(kNtFontsKey, "Glyvane Installable (TrueType)"), "installable.ttf");
      EXPECT_EQ(ReadMachineValue(kNtFontsKey, "Arial (TrueType)"), "arial.ttf");
      form.reset();
    }
    Uninstall();
  }
  if (arial) {
    WriteMachineValue(kNtFontsKey, "Arial (TrueType)", *arial);
  } else {
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kNtFontsKey, "Arial (TrueType)");
  }
}

// The registry's record of another file under the same face is the system's, not
// this program's to replace; the same file recorded again is no conflict.
TEST_F(InstallationTest, AFaceRecordedForAnotherFileIsRefusedAndTheRecordKept) {
  WriteMachineValue(kNtFontsKey, "Glyvane Installable (TrueType)", "autre.ttf");
  FontFolder folder("inscrite");
  StartInOtherFontsMode();
  const std::string shown = Show(folder, "faces/installable.ttf", "installable.ttf");
  const auto answer = Install();
  EXPECT_EQ(answer->text, "La police Glyvane Installable est déjà inscrite dans le registre de Windows pour le "
                          "fichier autre.ttf, qui a été laissé tel quel. La police n'a pas été installée.");
  EXPECT_EQ(answer->icon, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_EQ(ReadMachineValue(kNtFontsKey, "Glyvane Installable (TrueType)"), "autre.ttf");
  EXPECT_EQ(GetFileAttributesA((FontsFolder() + "\\installable.ttf").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(form->TemporaryFontPath(), shown);

  WriteMachineValue(kNtFontsKey, "Glyvane Installable (TrueType)", "INSTALLABLE.TTF");
  EXPECT_EQ(Install()->text, "La police Glyvane Installable a été ajoutée");
  EXPECT_EQ(ReadMachineValue(kNtFontsKey, "Glyvane Installable (TrueType)"), "installable.ttf");
}

TEST_F(InstallationTest, AnotherFileOfTheSameNameInTheFontsFolderIsRefusedAndKept) {
  const std::string other = FontsFolder() + "\\installable.ttf";
  {
    std::ofstream(other) << "un autre fichier";
  }
  FontFolder folder("homonyme");
  StartInOtherFontsMode();
  const std::string shown = Show(folder, "faces/installable.ttf", "installable.ttf");
  const auto answer = Install();
  EXPECT_EQ(answer->text, "Le dossier " + FontsFolder() +
                              " contient déjà un autre fichier nommé installable.ttf, qui a été laissé tel quel. "
                              "La police n'a pas été installée.");
  EXPECT_EQ(answer->icon, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_EQ(Contents(other), "un autre fichier");
  EXPECT_EQ(form->TemporaryFontPath(), shown);
  EXPECT_TRUE(Command2Enabled());
  EXPECT_FALSE(ReadMachineValue(kNtFontsKey, "Glyvane Installable (TrueType)"));
}

TEST_F(InstallationTest, AFontsFolderThatCannotBeWrittenIsReportedAndNothingIsLeft) {
  const std::string fonts = UnixPath(FontsFolder());
  if (!RunUnixCommand("chattr +i '" + fonts + "'")) GTEST_SKIP() << "no immutable folders on this machine";
  struct Writable {
    std::string fonts;
    ~Writable() { EXPECT_TRUE(RunUnixCommand("chattr -i '" + fonts + "'")); }
  } restore{fonts};
  FontFolder folder("lecture-seule");
  StartInOtherFontsMode();
  const std::string shown = Show(folder, "faces/installable.ttf", "installable.ttf");
  const auto answer = Install();
  EXPECT_EQ(answer->text, "Impossible de copier le fichier installable.ttf dans le dossier " + FontsFolder() +
                              ". La police n'a pas été installée.");
  EXPECT_EQ(answer->icon, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_EQ(GetFileAttributesA((FontsFolder() + "\\installable.ttf").c_str()), INVALID_FILE_ATTRIBUTES);
  ExpectNothingInstalled(shown, "installable.ttf");
}

// A file of the Fonts folder itself that is not installed yet is installed where it is.
TEST_F(InstallationTest, AFileShownFromTheFontsFolderIsInstalledWithoutACopy) {
  const std::string inFonts = FontsFolder() + "\\glyvane-installable.ttf";
  ASSERT_TRUE(CopyFileA(FixturePath("faces/installable.ttf").c_str(), inFonts.c_str(), FALSE));
  StartInOtherFontsMode();
  Browse(FontsFolder());
  ClickFile("glyvane-installable.ttf");
  ASSERT_TRUE(Command2Enabled());
  EXPECT_EQ(Install()->icon, static_cast<UINT>(MB_ICONINFORMATION));
  EXPECT_EQ(ReadMachineValue(kNtFontsKey, "Glyvane Installable (TrueType)"), "glyvane-installable.ttf");
  EXPECT_EQ(Contents(inFonts), Contents(FixturePath("faces/installable.ttf")));
}

// Wine's registry has "SystemRoot" and takes every write: the test double stands
// for a system without it and for a registry that refuses.
class InstallationOnAnotherRegistryTest : public InstallationTest {
 protected:
  FakeRegistry registry;
};

TEST_F(InstallationOnAnotherRegistryTest, WithoutSystemRootTheValueGoesUnderTheOtherKey) {
  FontFolder folder("sans-systemroot");
  StartInOtherFontsMode(registry);
  Show(folder, "faces/installable.ttf", "installable.ttf");
  EXPECT_EQ(Install()->text, "La police Glyvane Installable a été ajoutée");
  const FakeRegistry::Where other{RegistryRoot::LocalMachine, kOtherFontsKey, "Glyvane Installable (TrueType)"};
  EXPECT_EQ(registry.values[other], "installable.ttf");
  EXPECT_EQ(registry.types[other], static_cast<uint32_t>(REG_SZ));
  EXPECT_EQ(registry.values.count({RegistryRoot::LocalMachine, kNtFontsKey, "Glyvane Installable (TrueType)"}), 0u);
}

TEST_F(InstallationOnAnotherRegistryTest, ARefusedRegistryWriteIsReportedAndUndone) {
  registry.values[{RegistryRoot::LocalMachine, kWindowsNtKey, kSystemRootValue}] = "C:\\windows";
  registry.locked.insert(kNtFontsKey);
  FontFolder folder("registre");
  StartInOtherFontsMode(registry);
  const std::string shown = Show(folder, "faces/installable.ttf", "installable.ttf");
  const auto answer = Install();
  EXPECT_EQ(answer->text,
            "Impossible d'inscrire la police dans le registre de Windows (HKEY_LOCAL_MACHINE\\Software\\Microsoft\\"
            "Windows NT\\CurrentVersion\\Fonts). La police n'a pas été installée.");
  EXPECT_EQ(answer->icon, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_EQ(answer->title, "Glyvane de Talvenne");
  EXPECT_EQ(GetFileAttributesA((FontsFolder() + "\\installable.ttf").c_str()), INVALID_FILE_ATTRIBUTES);
  ExpectNothingInstalled(shown, "installable.ttf");
  // Another try once the registry takes it.
  registry.locked.clear();
  EXPECT_EQ(Install()->text, "La police Glyvane Installable a été ajoutée");
}

}  // namespace
}  // namespace glyvane::test
