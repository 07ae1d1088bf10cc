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
  if (setUp == TableSetUp::Before) SetUpCharacterTable(printer);
  DrawCharacterTable(printer, "Arial", setUp);
  return printer.Calls();
}

// Where a call stands in the log (calls.size() when it is not there).
std::size_t At(const Calls& calls, const std::string& call) {
  return static_cast<std::size_t>(std::find(calls.begin(), calls.end(), call) - calls.begin());
}

const std::string kFooter =
    "Pour utiliser cette table de caractères appuyez sur ALT et sans relacher entrez le numero du caractère "
    "choisi (ex: 0187)";

// Each call with the calls just before it: the title centred by the name's length,
// right after the set-up of the lists' tables; the grid's seventeen lines each way;
// the cell of code 16 x column + row in the font, 17 points; its label in Times New
// Roman 8 points, moved left when it shows the character typed; then the footer, last.
TEST(CharacterTable, EachCallIsMadeInOrderWhereItsCellSaysInItsFont) {
  const Calls calls = ArialTable();
  const auto cell = [](int x, int y) {
    return Calls{"SetCurrentX(" + std::to_string(x) + ")", "SetCurrentY(" + std::to_string(y) + ")",
                 "SetFontSize(17)", "SetFontName(Arial)"};
  };
  const auto label = [](int y, int x) {
    return Calls{"SetCurrentY(" + std::to_string(y) + ")", "SetCurrentX(" + std::to_string(x) + ")",
                 "SetFontSize(8)", "SetFontName(Times New Roman)"};
  };
  const auto print = [](const std::string& text) { return "Print(" + text + ")"; };
  Calls moved = label(1570, 2850);
  moved.push_back("SetCurrentX(2750)");
  const std::string title = print("Table de caractères de \"Arial\"");
  const std::string bottom = "Line(750, 10150, 15150, 10150, #000000)";
  struct Case {
    std::string call;
    Calls before;
  };
  for (const Case& c : {Case{title, {"SetCurrentY(0)", "SetCurrentX(6125)", "SetFontName(Times New Roman)",
                                     "SetFontSize(15)"}},
                        Case{"Line(750, 550, 15150, 550, #000000)", {title}},
                        Case{"Line(750, 550, 750, 10150, #000000)", {"Line(750, 9550, 15150, 9550, #000000)", bottom}},
                        Case{"SetCurrentX(1060)", {"Line(14250, 550, 14250, 10150, #000000)",
                                                   "Line(15150, 550, 15150, 10150, #000000)"}},
                        Case{print(std::string(1, '\0')), cell(1060, 565)}, Case{print("\x10"), cell(1960, 565)},
                        Case{print("\x01"), cell(1060, 1165)}, Case{print("\xFF"), cell(14560, 9565)},
                        // Control codes print like any other.
                        Case{print("\t"), cell(1060, 5965)}, Case{print("\n"), cell(1060, 6565)},
                        Case{print("\r"), cell(1060, 8365)}, Case{"SetCurrentY(970)", {print("\xFF")}},
                        Case{print("0000"), label(970, 1050)}, Case{print("0032"), label(970, 2850)},
                        Case{print("0033 : !"), moved}, Case{print("0065 : A"), {"SetCurrentX(4550)"}},
                        Case{print("0126 : ~"), {"SetCurrentX(7250)"}},
                        Case{print("0127"), {"SetFontName(Times New Roman)"}},
                        Case{print("0128 : €"), {"SetCurrentX(8150)"}}, Case{print("0255"), label(9970, 14550)},
                        Case{print(kFooter), {"SetFontSize(12)", "SetCurrentX(2250)", "SetCurrentY(10300)"}}}) {
    const std::size_t at = At(calls, c.call);
    ASSERT_LT(at, calls.size()) << c.call;
    ASSERT_GE(at, c.before.size());
    const auto end = calls.begin() + static_cast<long>(at);
    EXPECT_EQ(Calls(end - static_cast<long>(c.before.size()), end), c.before) << c.call;
  }
  EXPECT_EQ(Calls(calls.begin(), calls.begin() + 4),
            (Calls{"SetColourMode(1)", "SetOrientation(2)", "SetPaperSize(9)", "SetCurrentY(0)"}));
  EXPECT_EQ(calls.back(), print(kFooter));
  // The screen's table sets its printer up around the title's position.
  const Calls screen = ArialTable(TableSetUp::OnThePage);
  EXPECT_EQ(Calls(screen.begin(), screen.begin() + 7),
            (Calls{"SetColourMode(1)", "SetCurrentY(0)", "SetCurrentX(6125)", "SetOrientation(2)", "SetPaperSize(9)",
                   "SetFontName(Times New Roman)", "SetFontSize(15)"}));
}

}  // namespace
}  // namespace glyvane
