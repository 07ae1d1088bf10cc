#include "printing/font_sheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "printing/recording_surface.h"

namespace glyvane {
namespace {

// The recording surface's model at 15 points: 150 twips a character, 360 a line.
std::string Today() { return "07/12/2026"; }

struct Placed {
  int page;
  std::string x;
};

class FontSheetTest : public ::testing::Test {
 protected:
  // The calls of one copy of `count` entries named "Fnn".
  std::vector<std::string> Print(FontSheet sheet, int count, const std::string& folder = "") {
    FontSheetLayout layout(printer, sheet, folder, &Today);
    layout.Start();
    for (int i = 0; i < count; ++i) layout.Entry("F" + std::to_string(i));
    return printer.Calls();
  }
  // Where each entry's name was printed: its page and the column's x.
  static std::vector<Placed> Entries(const std::vector<std::string>& calls) {
    std::vector<Placed> placed;
    int page = 1;
    std::string x;
    for (const std::string& call : calls) {
      if (call == "NewPage()") ++page;
      if (call.rfind("SetCurrentX(", 0) == 0) x = call.substr(12, call.size() - 13);
      if (call.rfind("Print(F", 0) == 0) placed.push_back({page, x});
    }
    return placed;
  }
  static std::vector<std::string> Headings(const std::vector<std::string>& calls) {
    std::vector<std::string> headings;
    for (const std::string& call : calls) {
      if (call.rfind("Print(Liste", 0) == 0) headings.push_back(call.substr(6, call.size() - 7));
    }
    return headings;
  }
  RecordingSurface printer;
};

// A character table leaves the printer in landscape: the lists set portrait.
TEST_F(FontSheetTest, TheFirstPageIsAPortraitA4WithTheDatedHeading) {
  const std::vector<std::string> calls = Print(FontSheet::List, 0);
  EXPECT_EQ(calls, (std::vector<std::string>{"SetColourMode(1)", "SetOrientation(1)", "SetPaperSize(9)",
                                             "SetCurrentY(600)", "SetFontName(Times New Roman)", "SetFontSize(15)",
                                             "SetCurrentX(3300)", "Print(Liste des polices le 07/12/2026 page 1)",
                                             "SetCurrentY(1500)"}));
}

TEST_F(FontSheetTest, AnEntrySetsTheFourAttributesOnThenOffThenItsOwnFont) {
  const std::vector<std::string> attributes = {
      "SetFontItalic(true)",  "SetFontBold(true)",  "SetFontStrikethrough(true)",  "SetFontUnderline(true)",
      "SetFontItalic(false)", "SetFontBold(false)", "SetFontStrikethrough(false)", "SetFontUnderline(false)"};
  std::vector<std::string> list = attributes;
  list.insert(list.end(), {"SetFontName(F0)", "SetFontSize(15)", "SetCurrentX(500)", "Print(F0)"});
  std::vector<std::string> samples = attributes;
  // The name line stays in the heading's font; only the samples are in the font.
  samples.insert(samples.end(), {"SetFontName(Times New Roman)", "Print()", "SetFontSize(15)", "SetCurrentX(500)",
                                 "Print(F0)", "SetFontName(F0)", "SetCurrentX(500)",
                                 "Print(ABCDEFGHIJKLMNOPQRSTUVWXYZ)", "SetCurrentX(500)",
                                 "Print(abcdefghijklmnopqrstuvwxyz)", "SetCurrentX(500)",
                                 "Print(0123456789/*-+()[]#éèà@€%&)"});
  for (const auto& [sheet, expected] : {std::pair{FontSheet::List, list}, std::pair{FontSheet::Samples, samples}}) {
    printer.ClearCalls();
    std::vector<std::string> calls = Print(sheet, 1);
    calls.erase(calls.begin(), calls.begin() + 9);  // the first page's set-up and heading
    EXPECT_EQ(calls, expected);
  }
}

// Entries of 360 twips fill a column from 1500 to 14900 with 38; a font twice as
// tall with 19. A sample entry is five lines, two in the heading's font: 7 a page,
// or 5 when the font is twice as tall; an entry is never split.
TEST_F(FontSheetTest, ColumnsAndPagesFillWithAsManyEntriesAsTheirFontsHeightAllows) {
  struct Case {
    FontSheet sheet;
    double scale;
    int firstInSecondColumn;  // -1: one column
    int firstOnPageTwo;
  };
  for (const Case& c : {Case{FontSheet::List, 1, 38, 76}, Case{FontSheet::List, 2, 19, 38},
                        Case{FontSheet::Samples, 1, -1, 7}, Case{FontSheet::Samples, 2, -1, 5}}) {
    SCOPED_TRACE(c.scale);
    RecordingSurface surface;
    for (int i = 0; i < 200; ++i) surface.SetFontScale("F" + std::to_string(i), c.scale);
    printer = std::move(surface);
    const std::vector<Placed> entries = Entries(Print(c.sheet, c.firstOnPageTwo + 1));
    const std::string left = "500";
    const int secondColumn = c.firstInSecondColumn < 0 ? c.firstOnPageTwo : c.firstInSecondColumn;
    for (int i = 0; i < c.firstOnPageTwo + 1; ++i) {
      const Placed& entry = entries[static_cast<size_t>(i)];
      EXPECT_EQ(entry.page, i < c.firstOnPageTwo ? 1 : 2) << i;
      EXPECT_EQ(entry.x, i >= secondColumn && i < c.firstOnPageTwo ? "5900" : left) << i;
    }
  }
}

TEST_F(FontSheetTest, LaterPagesCarryThePrintersPageNumberAndTheFolder) {
  const std::vector<std::string> headings = Headings(Print(FontSheet::Samples, 15, "C:\\Polices"));
  EXPECT_EQ(headings, (std::vector<std::string>{
                          "Liste des polices le 07/12/2026 page 1 du dossier C:\\Polices",
                          "Liste des polices le 07/12/2026 page 2 du dossier C:\\Polices",
                          "Liste des polices le 07/12/2026 page 3 du dossier C:\\Polices"}));
  // Shifted left by half of " du dossier C:\Polices" (22 characters).
  EXPECT_EQ(printer.Calls()[6], "SetCurrentX(1650)");
}

// A long path would put the date left of the page and the path off its right.
TEST_F(FontSheetTest, ALongFolderPathKeepsTheHeadingOnThePageAndShortensItsMiddle) {
  const std::string folder = "C:\\" + std::string(140, 'a') + "\\Fin";
  const std::vector<std::string> calls = Print(FontSheet::List, 0, folder);
  EXPECT_EQ(calls[6], "SetCurrentX(0)");
  const std::string heading = Headings(calls).at(0);
  EXPECT_LE(heading.size() * 150, 11000u);
  EXPECT_GE(heading.size() * 150, 11000u - 150);
  EXPECT_EQ(heading.rfind("Liste des polices le 07/12/2026 page 1 du dossier C:\\aa", 0), 0u) << heading;
  EXPECT_NE(heading.find("a...a"), std::string::npos) << heading;
  EXPECT_EQ(heading.substr(heading.size() - 5), "a\\Fin");
}

TEST_F(FontSheetTest, ANameIsCutToItsLongestBeginningNarrowerThanTheColumn) {
  struct Case {
    std::string name;
    double scale;
    std::string printed;
  };
  const std::string forty(40, 'x');
  for (const Case& c : {Case{forty, 1, forty.substr(0, 33)},  // 33 x 150 < 5100 <= 34 x 150
                        Case{std::string(34, 'y'), 1, std::string(33, 'y')},
                        Case{"Court", 1, "Court"},
                        Case{"Large", 40, "Large"}}) {  // not even one character fits: whole
    printer.SetFontName(c.name);
    printer.SetFontSize(15);
    printer.SetFontScale(c.name, c.scale);
    EXPECT_EQ(LongestFittingBeginning(printer, c.name, 5100), c.printed);
  }
}

}  // namespace
}  // namespace glyvane
