// A folder printout's files go to the font trial ahead of the program: a file
// that ends the trial process while the program works on the file before it is the
// one refused, and the files sent with it or after it are tried again and survive.
// The program may work long on the file before: the killer has then ended the
// process before it is asked about. A sound font with PostScript outlines survives
// too: the trial prints it as the program does.
#include "common/system/font_trial.h"
#include "font_folders.h"

namespace glyvane::test {
namespace {

TEST(FontTrialTest, AFileThatEndsTheTrialAmongFilesTriedAheadIsTheOneRefused) {
  FontFolder folder("essai");
  const std::string killer = folder.Add(GLYVANE_DAMAGED_FIXTURES "/tueuse.ttf");
  const std::vector<std::string> files = {folder.Add(std::string(GLYVANE_FONT_FIXTURES) + "/cff.otf"),
                                          folder.Add("faces/nouvelle.ttf"), folder.Add("faces/seconde.ttf"), killer,
                                          folder.Add("faces/installable.ttf"), folder.Add("faces/bitmap.fon")};
  const std::vector<bool> survives = {true, true, true, false, true, true};
  const ExpectedFontFiles expected(files);
  for (size_t i = 0; i < files.size(); ++i) {
    if (files[i] == killer) Sleep(2000);
    EXPECT_EQ(FontFileSurvivesTrial(files[i]), survives[i]) << files[i];
  }
}

}  // namespace
}  // namespace glyvane::test
