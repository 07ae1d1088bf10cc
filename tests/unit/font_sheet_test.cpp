#include "printing/font_sheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "printing/recording_surface.h"

namespace glyvane {
namespace {

using Calls = std::vector<std::string>;

// The recording surface's model at 15 points: 150 twips a character, 360 a line.
std::string Today() { return "07/12/2026"; }

// The calls of one copy of `count` entries named "Fnn", each `scale` times as tall
// as the model's font.
Calls Print(FontSheet sheet, int count, const std::string& folder = "", double scale = 1) {
  RecordingSurface printer;
  for (int i = 0; i < count; ++i) printer.SetFontScale("F" + std::to_string(i), scale);
  FontSheetLayout layout(printer, sheet, folder, &Today);
  layout.Start();
  for (int i = 0; i < count; ++i) layout.Entry("F" + std::to_string(i));
  return printer.Calls();
}

// A character table leaves the printer in landscape: the lists set portrait. The name
// line of a sample entry stays in the heading's font; only the samples are in the
// entry's font.
TEST(FontSheet, APortraitA4UnderTheDatedHeadingThenEachEntrySetsItsAttributesOnThenOffThenItsFont) {
  const Calls firstPage = {"SetColourMode(1)", "SetOrientation(1)", "SetPaperSize(9)", "SetCurrentY(600)",
                           "SetFontName(Times New Roman)", "SetFontSize(15)", "SetCurrentX(3300)",
                           "Print(Liste des polices le 07/12/2026 page 1)", "SetCurrentY(1500)",
                           "SetFontItalic(true)", "SetFontBold(true)", "SetFontStrikethrough(true)",
                           "SetFontUnderline(true)", "SetFontItalic(false)", "SetFontBold(false)",
                           "SetFontStrikethrough(false)", "SetFontUnderline(false)"};
  Calls list = firstPage;
  list.insert(list.end(), {"SetFontName(F0)", "SetFontSize(15)", "SetCurrentX(500)", "Print(F0)"});
  Calls samples = firstPage;
  samples.insert(samples.end(), {"SetFontName(Times New Roman)", "Print()", "SetFontSize(15)", "SetCurrentX(500)",
                                 "Print(F0)", "SetFontName(F0)", "SetCurrentX(500)",
                                 "Print(ABCDEFGHIJKLMNOPQRSTUVWXYZ)", "SetCurrentX(500)",
                                 "Print(abcdefghijklmnopqrstuvwxyz)", "SetCurrentX(500)",
                                 "Print(0123456789/*-+()[]#éèà@€%&)"});
  for (const auto& [sheet, expected] : {std::pair{FontSheet::List, list}, std::pair{FontSheet::Samples, samples}}) {
    EXPECT_EQ(Print(sheet, 1), expected);
  }
}

// Entries of 360 twips fill a column from 1500 to 14900 with 38; a font twice as
// tall with 19. A sample entry is five lines, two in the heading's font: 7 a page,
// or 5 when the font is twice as tall; an entry is never split.
TEST(FontSheet, ColumnsAndPagesFillWithAsManyEntriesAsTheirFontsHeightAllows) {
  struct Case {
    FontSheet sheet;
    double scale;
    int firstInSecondColumn;  // the first on page 2 when one column
    int firstOnPageTwo;
  };
  for (const Case& c : {Case{FontSheet::List, 1, 38, 76}, Case{FontSheet::List, 2, 19, 38},
                        Case{FontSheet::Samples, 1, 7, 7}, Case{FontSheet::Samples, 2, 5, 5}}) {
    SCOPED_TRACE(c.scale);
    int page = 1;
    std::string x;
    std::vector<std::pair<int, std::string>> placed;  // each entry's page and column
    for (const std::string& call : Print(c.sheet, c.firstOnPageTwo + 1, "", c.scale)) {
      if (call == "NewPage()") ++page;
      if (call.rfind("SetCurrentX(", 0) == 0) x = call.substr(12, call.size() - 13);
      if (call.rfind("Print(F", 0) == 0) placed.emplace_back(page, x);
    }
    ASSERT_EQ(placed.size(), static_cast<std::size_t>(c.firstOnPageTwo + 1));
    for (int i = 0; i <= c.firstOnPageTwo; ++i) {
      const bool secondColumn = i >= c.firstInSecondColumn && i < c.firstOnPageTwo;
      const std::pair<int, std::string> expected{i < c.firstOnPageTwo ? 1 : 2, secondColumn ? "5900" : "500"};
      EXPECT_EQ(placed[static_cast<std::size_t>(i)], expected) << i;
    }
  }
}

// The heading is shifted left by half of " du dossier C:\Polices" (22 characters). A
// long path would put the date left of the page and the path off its right.
TEST(FontSheet, TheHeadingCarriesThePrintersPageNumberAndTheFolderShortenedInTheMiddleToStayOnThePage) {
  const Calls calls = Print(FontSheet::Samples, 15, "C:\\Polices");
  Calls headings;
  for (const std::string& call : calls) {
    if (call.rfind("Print(Liste", 0) == 0) headings.push_back(call);
  }
  EXPECT_EQ(headings, (Calls{"Print(Liste des polices le 07/12/2026 page 1 du dossier C:\\Polices)",
                             "Print(Liste des polices le 07/12/2026 page 2 du dossier C:\\Polices)",
                             "Print(Liste des polices le 07/12/2026 page 3 du dossier C:\\Polices)"}));
  EXPECT_EQ(calls[6], "SetCurrentX(1650)");

  const Calls longPath = Print(FontSheet::List, 0, "C:\\" + std::string(140, 'a') + "\\Fin");
  EXPECT_EQ(longPath[6], "SetCurrentX(0)");
  const std::string heading = longPath[7].substr(6, longPath[7].size() - 7);  // "Print(" and ")" off
  EXPECT_LE(heading.size() * 150, 11000u);
  EXPECT_GE(heading.size() * 150, 11000u - 150);
  EXPECT_EQ(heading.rfind("Liste des polices le 07/12/2026 page 1 du dossier C:\\aa", 0), 0u) << heading;
  EXPECT_NE(heading.find("a...a"), std::string::npos) << heading;
  EXPECT_EQ(heading.substr(heading.size() - 5), "a\\Fin");
}

TEST(FontSheet, ANameIsCutToItsLongestBeginningNarrowerThanTheColumn) {
  RecordingSurface printer;
  printer.SetFontSize(15);
  const std::string forty(40, 'x');
  for (const auto& [name, scale, printed] : {std::tuple{forty, 1.0, forty.substr(0, 33)},  // 33 x 150 < 5100
                                             {std::string(34, 'y'), 1.0, std::string(33, 'y')},
                                             {std::string("Court"), 1.0, std::string("Court")},
                                             // not even one character fits: whole
                                             {std::string("Large"), 40.0, std::string("Large")}}) {
    printer.SetFontName(name);
    printer.SetFontScale(name, scale);
    EXPECT_EQ(LongestFittingBeginning(printer, name, 5100), printed);
  }
}

}  // namespace
}  // namespace glyvane
