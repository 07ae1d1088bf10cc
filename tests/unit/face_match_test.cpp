#include "viewer/face_match.h"

#include <gtest/gtest.h>

#include "viewer/font_registration.h"

namespace glyvane {
namespace {

// Case is compared as code page 1252 has it (École Œuvre Ška Ÿves), and the file's
// own spelling is kept.
TEST(LongestInstalledBeginning, TakesTheLongestBeginningThatIsAnInstalledNameWhateverItsCase) {
  const InstalledFaces installed({"Ar", "Arial", "Arial Black", "Liberation Sans Narrow", "\xC9""cole", "\x8C""uvre",
                                  "\x8A""ka", "\x9F""ves"});
  const std::pair<const char*, const char*> rows[] = {
      {"Arial Gras", "Arial"}, {"Arial Black Italique", "Arial Black"}, {"Arial", "Arial"},
      {"Liberation Sans Narrow Bold", "Liberation Sans Narrow"}, {"Aria", "Ar"}, {"Times New Roman", ""}, {"", ""},
      {"ARIAL GRAS", "ARIAL"}, {"\xE9""COLE Gras", "\xE9""COLE"}, {"\x9C""UVRE", "\x9C""UVRE"},
      {"\x9A""KA", "\x9A""KA"}, {"\xFF""VES", "\xFF""VES"}, {"ecole", ""}};
  for (const auto& [name, expected] : rows) EXPECT_EQ(LongestInstalledBeginning(name, installed), expected) << name;
  // × is no capital of ÷, and ß has none here.
  EXPECT_FALSE(InstalledFaces({"\xD7"}).Contains("\xF7"));
  EXPECT_FALSE(InstalledFaces({"\xDF"}).Contains("\xFF"));
}

TEST(FaceOfNames, IsTheFullNameOrElseTheFamily) {
  EXPECT_EQ(FaceOfNames(FontNames{"Arial", "Arial Gras", "Gras"}), "Arial Gras");
  EXPECT_EQ(FaceOfNames(FontNames{"Glyvane Test CFF", "", "Regular"}), "Glyvane Test CFF");
  EXPECT_EQ(FaceOfNames(std::nullopt), "");
}

TEST(FontValueName, SaysTrueTypeOnlyForNamesEndingInTtfOrTTF) {
  const std::pair<const char*, const char*> rows[] = {{"arial.ttf", "Arial (TrueType)"},
      {"ARIAL.TTF", "Arial (TrueType)"}, {"arial.Ttf", "Arial (Plotter)"}, {"arial.tTF", "Arial (Plotter)"},
      {"arial.fon", "Arial (Plotter)"}, {"ttf", "Arial (TrueType)"}, {"tf", "Arial (Plotter)"}};
  for (const auto& [file, value] : rows) EXPECT_EQ(FontValueName("Arial", file), value) << file;
}

}  // namespace
}  // namespace glyvane
