#include "viewer/help_menu.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

namespace glyvane {
namespace {

// The files that exist on the imagined system.
struct Files {
  std::set<std::string> present;
  bool operator()(const std::string& path) const { return present.count(path) > 0; }
};

TEST(HelpViewer, TheSystemFoldersViewerWinsOverTheWindowsFolders) {
  const Files both{{"C:\\WINDOWS\\hh.exe", "C:\\WINDOWS\\SYSTEM32\\hh.exe"}};
  EXPECT_EQ(HelpViewerPrefix("C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32", both), "C:\\WINDOWS\\SYSTEM32\\hh.exe ");
  const Files systemOnly{{"C:\\WINDOWS\\SYSTEM32\\hh.exe"}};
  EXPECT_EQ(HelpViewerPrefix("C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32", systemOnly), "C:\\WINDOWS\\SYSTEM32\\hh.exe ");
  const Files windowsOnly{{"C:\\WINDOWS\\hh.exe"}};
  EXPECT_EQ(HelpViewerPrefix("C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32", windowsOnly), "C:\\WINDOWS\\hh.exe ");
  EXPECT_EQ(HelpViewerPrefix("C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32", Files{}), "");
  // Only hh.exe itself counts, not a file of another name in those folders.
  const Files other{{"C:\\WINDOWS\\winhlp32.exe", "C:\\WINDOWS\\SYSTEM32\\hh"}};
  EXPECT_EQ(HelpViewerPrefix("C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32", other), "");
}

// Behaves as GetWindowsDirectoryA does for a folder of the given path.
struct FolderCall {
  std::string folder;
  int calls = 0;
  unsigned operator()(char* buffer, unsigned size) {
    ++calls;
    if (folder.size() + 1 > size) return static_cast<unsigned>(folder.size() + 1);
    folder.copy(buffer, folder.size());
    buffer[folder.size()] = '\0';
    return static_cast<unsigned>(folder.size());
  }
};

TEST(HelpViewer, FoldersAreReadWholeWhateverTheirLength) {
  FolderCall usual{"C:\\WINDOWS"};
  EXPECT_EQ(ReadFolderPath(std::ref(usual)), "C:\\WINDOWS");
  EXPECT_EQ(usual.calls, 1);
  // Longer than 128 characters, and than MAX_PATH: asked again with room enough.
  for (size_t length : {127u, 128u, 200u, 259u, 260u, 600u}) {
    FolderCall longer{"C:\\" + std::string(length - 3, 'w')};
    EXPECT_EQ(ReadFolderPath(std::ref(longer)), longer.folder) << length;
  }
  EXPECT_EQ(ReadFolderPath([](char*, unsigned) { return 0u; }), "");
}

TEST(HelpCommand, OneBlankAfterTheViewerAndTheHelpPathUnquoted) {
  EXPECT_EQ(HelpCommandLine("C:\\WINDOWS\\SYSTEM32\\hh.exe ", "C:\\Outils"),
            "C:\\WINDOWS\\SYSTEM32\\hh.exe C:\\Outils\\Glyvane.chm");
  EXPECT_EQ(HelpCommandLine("C:\\windows\\system32\\hh.exe ", "C:\\Program Files\\Glyvane"),
            "C:\\windows\\system32\\hh.exe C:\\Program Files\\Glyvane\\Glyvane.chm");
}

TEST(HelpCommand, NoViewerMessageWordForWordWithItsLineBreaksLfThenCr) {
  EXPECT_EQ(NoHelpViewerMessage(),
            "Pour ouvrir le fichier d'aide, vous devez :\n\r\n\r"
            "    - Soit installer Internet Explorer 3 ou supperieur\n\r"
            "    - Soit t\xE9l\xE9" "charger sur mon site \"http://www.orvex.fr\" le programme \"Aide HTML\".");
}

TEST(AuthorLink, TheCatalogueBesideTheProgramQuotedAsAWhole) {
  EXPECT_EQ(CataloguePath("C:\\Program Files\\Glyvane"), "C:\\Program Files\\Glyvane\\catalogue.EXE");
  EXPECT_EQ(CatalogueCommandLine("C:\\Program Files\\Glyvane"), "\"C:\\Program Files\\Glyvane\\catalogue.EXE\"");
}

}  // namespace
}  // namespace glyvane
