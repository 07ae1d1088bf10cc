#include "viewer/help_menu.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

namespace glyvane {
namespace {

// Either folder's viewer serves (with both, the system folder's wins: the main window's
// test sees it); only hh.exe itself counts, not a file of another name there.
TEST(HelpViewer, EitherFoldersHhExeServes) {
  const std::string windows = "C:\\WINDOWS\\hh.exe";
  const std::string system = "C:\\WINDOWS\\SYSTEM32\\hh.exe";
  const struct {
    std::set<std::string> present;
    std::string prefix;
  } rows[] = {{{system}, system + " "},
              {{windows}, windows + " "},
              {{}, ""},
              {{"C:\\WINDOWS\\winhlp32.exe", "C:\\WINDOWS\\SYSTEM32\\hh"}, ""}};
  for (const auto& row : rows) {
    auto exists = [&row](const std::string& path) { return row.present.count(path) > 0; };
    EXPECT_EQ(HelpViewerPrefix("C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32", exists), row.prefix);
  }
}

// Behaves as GetWindowsDirectoryA does for a folder of the given path: longer than
// 128 characters, and than MAX_PATH, it is asked for again with room enough.
TEST(HelpViewer, FoldersAreReadWholeWhateverTheirLength) {
  for (size_t length : {10u, 127u, 128u, 200u, 259u, 260u, 600u}) {
    const std::string folder = "C:\\" + std::string(length - 3, 'w');
    int calls = 0;
    auto get = [&folder, &calls](char* buffer, unsigned size) {
      ++calls;
      if (folder.size() + 1 > size) return static_cast<unsigned>(folder.size() + 1);
      folder.copy(buffer, folder.size());
      buffer[folder.size()] = '\0';
      return static_cast<unsigned>(folder.size());
    };
    EXPECT_EQ(ReadFolderPath(get), folder) << length;
    EXPECT_TRUE(length != 10 || calls == 1) << "a usual folder is read once";
  }
  EXPECT_EQ(ReadFolderPath([](char*, unsigned) { return 0u; }), "");
}

TEST(HelpCommand, NoViewerMessageWordForWordWithItsLineBreaksLfThenCr) {
  EXPECT_EQ(NoHelpViewerMessage(),
            "Pour ouvrir le fichier d'aide, vous devez :\n\r\n\r"
            "    - Soit installer Internet Explorer 3 ou supperieur\n\r"
            "    - Soit t\xE9l\xE9" "charger sur mon site \"http://www.orvex.fr\" le programme \"Aide HTML\".");
}

// Quoted as a whole: Wine quotes an unquoted path itself, so only this test sees it.
TEST(AuthorLink, TheCatalogueBesideTheProgramQuotedAsAWhole) {
  EXPECT_EQ(CatalogueCommandLine("C:\\Program Files\\Glyvane"), "\"C:\\Program Files\\Glyvane\\catalogue.EXE\"");
}

}  // namespace
}  // namespace glyvane
