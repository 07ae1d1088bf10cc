#include "viewer/face_match.h"

#include <gtest/gtest.h>

#include "viewer/font_registration.h"

namespace glyvane {
namespace {

TEST(LongestInstalledBeginning, TakesTheLongestBeginningThatIsAnInstalledName) {
  const InstalledFaces installed({"Ar", "Arial", "Arial Black", "Liberation Sans", "Liberation Sans Narrow"});
  EXPECT_EQ(LongestInstalledBeginning("Arial Gras", installed), "Arial");
  EXPECT_EQ(LongestInstalledBeginning("Arial Black Italique", installed), "Arial Black");
  EXPECT_EQ(LongestInstalledBeginning("Arial", installed), "Arial");
  EXPECT_EQ(LongestInstalledBeginning("Liberation Sans Narrow Bold", installed), "Liberation Sans Narrow");
  EXPECT_EQ(LongestInstalledBeginning("Arl", installed), "Ar");
}

TEST(LongestInstalledBeginning, IsEmptyWhenNoBeginningIsInstalled) {
  const InstalledFaces installed({"Arial", "Symbol"});
  EXPECT_EQ(LongestInstalledBeginning("Times New Roman", installed), "");
  EXPECT_EQ(LongestInstalledBeginning("", installed), "");
  EXPECT_EQ(LongestInstalledBeginning("Aria", installed), "");  // a beginning of the name, not of an entry
  EXPECT_EQ(LongestInstalledBeginning("Arial", InstalledFaces({})), "");
}

TEST(LongestInstalledBeginning, ComparesWithoutRegardToCaseAndKeepsTheFilesSpelling) {
  const InstalledFaces installed({"Arial", "\xC9""cole", "\x8C""uvre", "\x8A""ka", "\x9F""ves"});  // École Œuvre Ška Ÿves
  EXPECT_EQ(LongestInstalledBeginning("ARIAL GRAS", installed), "ARIAL");
  EXPECT_EQ(LongestInstalledBeginning("\xE9""COLE Gras", installed), "\xE9""COLE");  // éCOLE
  EXPECT_EQ(LongestInstalledBeginning("\x9C""UVRE", installed), "\x9C""UVRE");       // œUVRE
  EXPECT_EQ(LongestInstalledBeginning("\x9A""KA", installed), "\x9A""KA");           // šKA
  EXPECT_EQ(LongestInstalledBeginning("\xFF""VES", installed), "\xFF""VES");         // ÿVES
  // Accents are not case: "e" is not "é", and × is no capital of ÷.
  EXPECT_EQ(LongestInstalledBeginning("ecole", installed), "");
  EXPECT_FALSE(InstalledFaces({"\xD7"}).Contains("\xF7"));
  EXPECT_FALSE(InstalledFaces({"\xDF"}).Contains("\xFF"));  // ß has no capital here
}

TEST(FaceOfNames, IsTheFullNameOrElseTheFamily) {
  EXPECT_EQ(FaceOfNames(FontNames{"Arial", "Arial Gras", "Gras"}), "Arial Gras");
  EXPECT_EQ(FaceOfNames(FontNames{"Glyvane Test CFF", "", "Regular"}), "Glyvane Test CFF");
  EXPECT_EQ(FaceOfNames(std::nullopt), "");
}

TEST(FontValueName, SaysTrueTypeOnlyForNamesEndingInTtfOrTTF) {
  EXPECT_EQ(FontValueName("Arial", "arial.ttf"), "Arial (TrueType)");
  EXPECT_EQ(FontValueName("Arial", "ARIAL.TTF"), "Arial (TrueType)");
  EXPECT_EQ(FontValueName("Arial", "arial.Ttf"), "Arial (Plotter)");
  EXPECT_EQ(FontValueName("Arial", "arial.tTF"), "Arial (Plotter)");
  EXPECT_EQ(FontValueName("System", "vgasys.fon"), "System (Plotter)");
  EXPECT_EQ(FontValueName("X", "ttf"), "X (TrueType)");
  EXPECT_EQ(FontValueName("X", "tf"), "X (Plotter)");
}

}  // namespace
}  // namespace glyvane
