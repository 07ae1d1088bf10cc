// A folder printout's files go to the font trial one ahead of the program: a file
// that ends the trial process while the program works on the file before it is the
// one refused, and the files sent with it or after it are tried again and survive.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/win/font_trial.h"
#include "font_folders.h"

namespace glyvane::test {
namespace {

TEST(FontTrialTest, AFileThatEndsTheTrialAmongFilesTriedAheadIsTheOneRefused) {
  FontFolder folder("essai");
  std::string killer = std::string("Z:") + GLYVANE_DAMAGED_FIXTURES + "/tueuse.ttf";
  std::replace(killer.begin(), killer.end(), '/', '\\');
  ASSERT_TRUE(CopyFileA(killer.c_str(), folder.PathOf("tueuse.ttf").c_str(), FALSE));
  const std::vector<std::string> files = {folder.Add("faces/nouvelle.ttf"), folder.Add("faces/seconde.ttf"),
                                          folder.PathOf("tueuse.ttf"), folder.Add("faces/installable.ttf"),
                                          folder.Add("faces/bitmap.fon")};
  const std::vector<bool> survives = {true, true, false, true, true};
  const ExpectedFontFiles expected(files);
  for (size_t i = 0; i < files.size(); ++i) EXPECT_EQ(FontFileSurvivesTrial(files[i]), survives[i]) << files[i];
}

}  // namespace
}  // namespace glyvane::test
