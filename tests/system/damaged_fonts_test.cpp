// Damaged font files, as a folder downloaded from anywhere holds them: listed,
// picked one after another and the face shown printed; none ends or stalls the
// program. The same test runs on a folder of many such files (scripts/damaged-fonts),
// which names the folder in GLYVANE_DAMAGED_FONTS and reads the lines it prints.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "font_folders.h"
#include "printing/char_table.h"
#include "printing/gdi_printer_surface.h"

namespace glyvane::test {
namespace {

using DamagedFontsTest = FolderTest;

TEST_F(DamagedFontsTest, NoDamagedFileEndsTheProgramAndOneThatEndsTheTrialIsRefused) {
  const char* given = std::getenv("GLYVANE_DAMAGED_FONTS");
  const std::string source = given ? given : std::string(GLYVANE_DAMAGED_FIXTURES) + "\\abimees";
  const std::vector<std::string> damaged = FilesIn(source, "*.ttf");
  ASSERT_FALSE(damaged.empty()) << source;
  // A run that ended on a file goes on after it; a long run is cut into parts.
  const char* from = std::getenv("GLYVANE_DAMAGED_FROM");
  const char* to = std::getenv("GLYVANE_DAMAGED_TO");
  const size_t first = from ? std::strtoul(from, nullptr, 10) : 0;
  const size_t last = to ? std::min<size_t>(std::strtoul(to, nullptr, 10), damaged.size()) : damaged.size();

  FontFolder folder("abimees");
  for (const std::string& name : damaged) folder.Add(source + "\\" + name);
  StartInOtherFontsMode();
  Browse(folder.path());
  ASSERT_EQ(form->Files().Count(), static_cast<int>(damaged.size()));

  // The tables go to the printer in one document that is dropped at the end: the
  // faces are drawn on the printer's DC page by page, and no queue fills up.
  GdiPrinterSurface printer("Glyvane abimees");
  int shown = 0;
  int refused = 0;
  for (size_t i = first; i < last; ++i) {
    const std::string& name = damaged[i];
    SCOPED_TRACE(name);
    std::printf("pick %zu %s\n", i, name.c_str());
    std::fflush(stdout);
    const auto answer = Pick(name);
    if (answer->Pressed()) {
      EXPECT_TRUE(answer->text == "Ce fichier n'est pas une police d'imrpimante." ||
                  answer->text.rfind("Impossible d'afficher cette police.", 0) == 0)
          << answer->text;
      ++refused;
      continue;
    }
    const std::string face = form->CurrentFace();
    EXPECT_FALSE(face.empty());
    if (shown > 0) printer.NewPage();
    DrawCharacterTable(printer, face, TableSetUp::OnThePage);
    ++shown;
  }
  printer.AbortDocument();
  std::printf("shown %d refused %d\n", shown, refused);
}

}  // namespace
}  // namespace glyvane::test
