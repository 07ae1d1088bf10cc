#include "viewer/face_match.h"

#include <gtest/gtest.h>

#include "viewer/font_registration.h"

namespace glyvane {
namespace {

// The file's own spelling is kept, whatever the case of the installed name.
TEST(LongestInstalledBeginning, TakesTheLongestBeginningThatIsAnInstalledNameWhateverItsCase) {
  const InstalledFaces installed({"Ar", "Arial", "Arial Black", "Liberation Sans Narrow", "\xC9""cole"});  // École
  const std::pair<const char*, const char*> rows[] = {
      {"Arial Gras", "Arial"}, {"Arial Black Italique", "Arial Black"}, {"Arial", "Arial"},
      {"Liberation Sans Narrow Bold", "Liberation Sans Narrow"}, {"Aria", "Ar"}, {"Times New Roman", ""}, {"", ""},
      {"ARIAL GRAS", "ARIAL"}, {"\xE9""COLE Gras", "\xE9""COLE"}, {"ecole", ""}};
  for (const auto& [name, expected] : rows) EXPECT_EQ(LongestInstalledBeginning(name, installed), expected) << name;
}

TEST(FontValueName, SaysTrueTypeOnlyForNamesEndingInTtfOrTTF) {
  const std::pair<const char*, const char*> rows[] = {{"arial.ttf", "Arial (TrueType)"},
      {"ARIAL.TTF", "Arial (TrueType)"}, {"arial.Ttf", "Arial (Plotter)"}, {"arial.tTF", "Arial (Plotter)"},
      {"arial.fon", "Arial (Plotter)"}, {"ttf", "Arial (TrueType)"}, {"tf", "Arial (Plotter)"}};
  for (const auto& [file, value] : rows) EXPECT_EQ(FontValueName("Arial", file), value) << file;
}

}  // namespace
}  // namespace glyvane
