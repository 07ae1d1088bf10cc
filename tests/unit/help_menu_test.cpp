#include "viewer/help_menu.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace glyvane {
namespace {

// Either folder's viewer serves (with both, the system folder's wins: the main window's
// test sees it).
TEST(HelpViewer, EitherFoldersHhExeServes) {
  const std::string windows = "C:\\WINDOWS\\hh.exe";
  const std::string system = "C:\\WINDOWS\\SYSTEM32\\hh.exe";
  const struct {
    std::set<std::string> present;
    std::string prefix;
  } rows[] = {{{system}, system + " "}, {{windows}, windows + " "}, {{}, ""}};
  for (const auto& row : rows) {
    auto exists = [&row](const std::string& path) { return row.present.count(path) > 0; };
    EXPECT_EQ(HelpViewerPrefix("C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32", exists), row.prefix);
  }
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
