#include "printing/char_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "printing/recording_surface.h"

namespace glyvane {
namespace {

using Calls = std::vector<std::string>;

Calls ArialTable(TableSetUp setUp = TableSetUp::Before) {
  RecordingSurface printer;
  DrawCharacterTable(printer, "Arial", setUp);
  EXPECT_EQ(printer.Page(), 1);
  return printer.Calls();
}

// Where a call stands in the log (calls.size() when it is not there).
std::size_t At(const Calls& calls, const std::string& call) {
  return static_cast<std::size_t>(std::find(calls.begin(), calls.end(), call) - calls.begin());
}

const std::string kFooter =
    "Pour utiliser cette table de caractères appuyez sur ALT et sans relacher entrez le numero du caractère "
    "choisi (ex: 0187)";

// Each text with the calls just before it: the title centred by the name's length;
// the cell of code 16 x column + row in the font, 17 points; its label in Times New
// Roman 8 points, moved left when it shows the character typed; then the footer.
TEST(CharacterTable, EachTextIsPrintedWhereItsCellSaysInItsFont) {
  const Calls calls = ArialTable();
  const auto cell = [](int x, int y) {
    return Calls{"SetCurrentX(" + std::to_string(x) + ")", "SetCurrentY(" + std::to_string(y) + ")",
                 "SetFontSize(17)", "SetFontName(Arial)"};
  };
  const auto label = [](int y, int x) {
    return Calls{"SetCurrentY(" + std::to_string(y) + ")", "SetCurrentX(" + std::to_string(x) + ")",
                 "SetFontSize(8)", "SetFontName(Times New Roman)"};
  };
  Calls moved = label(1570, 2850);
  moved.push_back("SetCurrentX(2750)");
  struct Case {
    std::string text;
    Calls before;
  };
  for (const Case& c : {Case{"Table de caractères de \"Arial\"", {"SetCurrentY(0)", "SetCurrentX(6125)",
                                                                   "SetFontName(Times New Roman)", "SetFontSize(15)"}},
                        Case{std::string(1, '\0'), cell(1060, 565)}, Case{"\x10", cell(1960, 565)},
                        Case{"\x01", cell(1060, 1165)}, Case{"\xFF", cell(14560, 9565)},
                        // Control codes print like any other.
                        Case{"\t", cell(1060, 5965)}, Case{"\n", cell(1060, 6565)}, Case{"\r", cell(1060, 8365)},
                        Case{"0000", label(970, 1050)}, Case{"0032", label(970, 2850)}, Case{"0033 : !", moved},
                        Case{"0065 : A", {"SetCurrentX(4550)"}}, Case{"0126 : ~", {"SetCurrentX(7250)"}},
                        Case{"0127", {"SetFontName(Times New Roman)"}}, Case{"0128 : €", {"SetCurrentX(8150)"}},
                        Case{"0255", label(9970, 14550)},
                        Case{kFooter, {"SetFontSize(12)", "SetCurrentX(2250)", "SetCurrentY(10300)"}}}) {
    const std::size_t print = At(calls, "Print(" + c.text + ")");
    ASSERT_LT(print, calls.size()) << c.text;
    ASSERT_GE(print, c.before.size());
    const auto end = calls.begin() + static_cast<long>(print);
    EXPECT_EQ(Calls(end - static_cast<long>(c.before.size()), end), c.before) << c.text;
  }
}

// Nothing is set up before the title for the tables of the dialog's lists; the
// screen's table sets its printer up around the title's position.
TEST(CharacterTable, TheTitleTheGridTheCharactersTheLabelsAndTheFooterFollowInOrder) {
  const Calls calls = ArialTable();
  EXPECT_EQ(calls.front(), "SetCurrentY(0)");
  Calls lines;
  std::copy_if(calls.begin(), calls.end(), std::back_inserter(lines),
               [](const std::string& call) { return call.rfind("Line(", 0) == 0; });
  ASSERT_EQ(lines.size(), 34u) << "seventeen lines each way";
  EXPECT_EQ(lines[0], "Line(750, 550, 15150, 550, #000000)");
  EXPECT_EQ(lines[16], "Line(750, 10150, 15150, 10150, #000000)");
  EXPECT_EQ(lines[17], "Line(750, 550, 750, 10150, #000000)");
  EXPECT_EQ(lines[33], "Line(15150, 550, 15150, 10150, #000000)");
  EXPECT_LT(At(calls, "Print(Table de caractères de \"Arial\")"), At(calls, lines[0]));
  EXPECT_LT(At(calls, lines[33]), At(calls, "Print(" + std::string(1, '\0') + ")"));
  EXPECT_LT(At(calls, "Print(\xFF)"), At(calls, "Print(0000)"));
  EXPECT_EQ(calls.back(), "Print(" + kFooter + ")");
  const Calls screen = ArialTable(TableSetUp::OnThePage);
  EXPECT_EQ(Calls(screen.begin(), screen.begin() + 7),
            (Calls{"SetColourMode(1)", "SetCurrentY(0)", "SetCurrentX(6125)", "SetOrientation(2)", "SetPaperSize(9)",
                   "SetFontName(Times New Roman)", "SetFontSize(15)"}));
}

}  // namespace
}  // namespace glyvane
