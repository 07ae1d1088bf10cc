#include "printing/char_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "printing/recording_surface.h"

namespace glyvane {
namespace {

class CharacterTableTest : public ::testing::Test {
 protected:
  void Draw(const std::string& font, TableSetUp setUp = TableSetUp::Before) {
    DrawCharacterTable(printer, font, setUp);
    calls = printer.Calls();
  }
  // Where a call stands in the log (calls.size() when it is not there).
  size_t At(const std::string& call, size_t from = 0) const {
    return static_cast<size_t>(std::find(calls.begin() + static_cast<long>(from), calls.end(), call) - calls.begin());
  }
  // The calls just before the print of `text`, back to the previous print.
  std::vector<std::string> Before(const std::string& text) const {
    const size_t print = At("Print(" + text + ")");
    size_t start = print;
    while (start > 0 && calls[start - 1].rfind("Print(", 0) != 0) --start;
    return std::vector<std::string>(calls.begin() + static_cast<long>(start), calls.begin() + static_cast<long>(print));
  }
  RecordingSurface printer;
  std::vector<std::string> calls;
};

TEST_F(CharacterTableTest, TheTitleIsCentredByTheNamesLengthInTimesNewRoman15) {
  Draw("Arial");
  EXPECT_EQ(Before("Table de caractères de \"Arial\""),
            (std::vector<std::string>{"SetCurrentY(0)", "SetCurrentX(6125)", "SetFontName(Times New Roman)",
                                      "SetFontSize(15)"}));
  EXPECT_EQ(calls.front(), "SetCurrentY(0)");  // nothing set up before, for the tables of the dialog's lists
}

TEST_F(CharacterTableTest, SeventeenLinesEachWayFrameTheSixteenBySixteenGrid) {
  Draw("Arial");
  std::vector<std::string> lines;
  std::copy_if(calls.begin(), calls.end(), std::back_inserter(lines),
               [](const std::string& call) { return call.rfind("Line(", 0) == 0; });
  ASSERT_EQ(lines.size(), 34u);
  EXPECT_EQ(lines[0], "Line(750, 550, 15150, 550, #000000)");
  EXPECT_EQ(lines[16], "Line(750, 10150, 15150, 10150, #000000)");
  EXPECT_EQ(lines[17], "Line(750, 550, 750, 10150, #000000)");
  EXPECT_EQ(lines[33], "Line(15150, 550, 15150, 10150, #000000)");
  EXPECT_LT(At("Print(Table de caractères de \"Arial\")"), At(lines[0]));
}

TEST_F(CharacterTableTest, EachCellPrintsItsCodeInTheFontWithCodeSixteenTimesColumnPlusRow) {
  Draw("Wingdings");
  std::vector<size_t> characters;
  for (size_t i = 0; i < calls.size(); ++i) {
    if (calls[i].size() == 8 && calls[i].rfind("Print(", 0) == 0) characters.push_back(i);  // one byte
  }
  ASSERT_GE(characters.size(), 256u);
  // Row by row: the first row reads 0, 16, 32 ... 240, so the second print is code 16.
  auto cell = [this, &characters](size_t n) {
    const size_t print = characters[n];
    return std::vector<std::string>(calls.begin() + static_cast<long>(print) - 4,
                                    calls.begin() + static_cast<long>(print) + 1);
  };
  EXPECT_EQ(cell(0), (std::vector<std::string>{"SetCurrentX(1060)", "SetCurrentY(565)", "SetFontSize(17)",
                                               "SetFontName(Wingdings)", std::string("Print(") + '\0' + ")"}));
  EXPECT_EQ(cell(1).front(), "SetCurrentX(1960)");
  EXPECT_EQ(cell(1).back(), std::string("Print(") + '\x10' + ")");
  EXPECT_EQ(cell(16).front(), "SetCurrentX(1060)");  // the second row starts with code 1
  EXPECT_EQ(cell(16)[1], "SetCurrentY(1165)");
  EXPECT_EQ(cell(16).back(), std::string("Print(") + '\x01' + ")");
  EXPECT_EQ(cell(255).front(), "SetCurrentX(14560)");
  EXPECT_EQ(cell(255)[1], "SetCurrentY(9565)");
  EXPECT_EQ(cell(255).back(), "Print(\xFF)");
  // Codes 9, 10 and 13 (rows 9, 10 and 13 of the first column) print like any other.
  EXPECT_EQ(cell(144).back(), "Print(\t)");
  EXPECT_EQ(cell(160).back(), "Print(\n)");
  EXPECT_EQ(cell(208).back(), "Print(\r)");
}

TEST_F(CharacterTableTest, CodeLabelsInTimesNewRoman8WithTheTypedCharacterMovedLeft) {
  Draw("Arial");
  const std::vector<std::string> plain{"SetCurrentY(970)", "SetCurrentX(2850)", "SetFontSize(8)",
                                       "SetFontName(Times New Roman)"};
  EXPECT_EQ(Before("0032"), plain);  // code 32: row 0, column 2
  EXPECT_EQ(Before("0033 : !"), (std::vector<std::string>{"SetCurrentY(1570)", "SetCurrentX(2850)", "SetFontSize(8)",
                                                          "SetFontName(Times New Roman)", "SetCurrentX(2750)"}));
  EXPECT_EQ(Before("0128 : €").back(), "SetCurrentX(8150)");
  EXPECT_EQ(Before("0065 : A")[0], "SetCurrentY(1570)");
  EXPECT_EQ(Before("0126 : ~").back(), "SetCurrentX(7250)");
  EXPECT_EQ(Before("0127").back(), "SetFontName(Times New Roman)");
  EXPECT_EQ(Before("0129")[1], "SetCurrentX(8250)");  // column 8, no move
  EXPECT_EQ(Before("0255")[0], "SetCurrentY(9970)");
  EXPECT_EQ(Before("0000")[1], "SetCurrentX(1050)");
  // Labels come after every character.
  EXPECT_LT(At(std::string("Print(\xFF)")), At("Print(0000)"));
}

TEST_F(CharacterTableTest, TheFooterClosesThePageWordForWord) {
  Draw("Arial");
  const std::string footer =
      "Print(Pour utiliser cette table de caractères appuyez sur ALT et sans relacher entrez le numero du "
      "caractère choisi (ex: 0187))";
  ASSERT_EQ(calls.back(), footer);
  EXPECT_EQ(Before(footer.substr(6, footer.size() - 7)),
            (std::vector<std::string>{"SetFontSize(12)", "SetCurrentX(2250)", "SetCurrentY(10300)"}));
  EXPECT_EQ(printer.Page(), 1);  // one page
}

TEST_F(CharacterTableTest, TheScreenTableSetsItsPrinterUpAroundTheTitlesPosition) {
  Draw("Arial", TableSetUp::OnThePage);
  EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + 7),
            (std::vector<std::string>{"SetColourMode(1)", "SetCurrentY(0)", "SetCurrentX(6125)", "SetOrientation(2)",
                                      "SetPaperSize(9)", "SetFontName(Times New Roman)", "SetFontSize(15)"}));
}

}  // namespace
}  // namespace glyvane
