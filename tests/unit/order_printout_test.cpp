#include "catalogue/order_printout.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "printing/recording_surface.h"

namespace glyvane {
namespace {

TEST(OrderLines, AreTheOrderWordForWordWithTheOptionalLinesLeftOutWhenEmpty) {
  OrderSheet sheet{.items = {"Glyvane - 50 FF°", "Awélé - FreeWare"}, .shippingRule = "Plus 15 FF de frais de port",
                   .priceNote = "° Note", .postalCodeCaption = "Code postal :", .name = "Durand",
                   .firstName = "Hélène", .address = "3 place du Marché", .postalCode = "75001", .town = "Paris",
                   .email = "h@example.fr", .fax = "0123456789", .knownBy = "Par un ami", .date = "07/12/2026"};
  std::vector<std::string> expected = {
      "Je désire commander à Talvenne les logiciels suivants :", "\t\t- Glyvane - 50 FF°", "\t\t- Awélé - FreeWare",
      "Plus 15 FF de frais de port", "° Note", "", "Nom : Durand, Prénom : Hélène", "Adresse : 3 place du Marché",
      "Code postal :75001, Ville : Paris, France", "Fax : 01 23 45 67 89", "E mail : h@example.fr",
      "Comment avez-vous connu ces programmes ?", "  Par un ami", "Fait le 07/12/2026", "Signature :",
      "", "", "", "", "", "", "", "",  // room to sign
      "A envoyer, accompagné d'un chèque bancaire d'un montant de 65 FF ou de 9,91 € à l'ordre de ",
      "\t\t\t\t\t\t\"Talvenne\" à :", "", "\t\t\t\t\t\t  Talvenne", "\t\t\t\t\t\t12 rue des Tilleuls",
      "\t\t\t\t\t\t35000 Rennes", "\t\t\t\t\t\t\tFrance"};
  EXPECT_EQ(OrderLines(sheet), expected);

  sheet.email = sheet.fax = sheet.knownBy = "";
  expected.erase(expected.begin() + 9, expected.begin() + 11);
  expected[10] = "  ";
  EXPECT_EQ(OrderLines(sheet), expected);
}

TEST(FaxText, OnlyDigitsAloneFollowThePatternAndAsTextNotAsAnInteger) {
  const std::pair<const char*, const char*> cases[] = {  // typed, printed
      {"0123456789", "01 23 45 67 89"},
      {"123456789", "01 23 45 67 89"},
      {"4294967297", "42 94 96 72 97"},  // past 32 bits
      {"99999999999", "999 99 99 99 99"},
      {"5", "0 5"},
      {"0000", "0"},
      {"+33 1 23 45 67 89", "+33 1 23 45 67 89"},
      {"12,5", "12,5"},
      {"   ", "   "},
  };
  for (const auto& [typed, printed] : cases) EXPECT_EQ(FaxText(typed), printed) << typed;
}

// The recording surface: every byte 120 twips wide at 12 points, lines 288 high.
TEST(PrintAtMargin, MovesTabsToTheNextStopFromTheMarginOnOneLine) {
  RecordingSurface printer;
  printer.SetFontSize(12);
  printer.SetCurrentY(600);
  printer.ClearCalls();
  const std::pair<const char*, std::vector<std::string>> cases[] = {  // line, calls
      {"\t\t- x", {"SetCurrentX(1600)", "Print(- x)"}},
      {"", {"SetCurrentX(600)", "Print()"}},
      {"ab\tc", {"SetCurrentX(600)", "Print(ab)", "SetCurrentY(1176)", "SetCurrentX(1100)", "Print(c)"}},
      {"abcde\tf", {"SetCurrentX(600)", "Print(abcde)", "SetCurrentY(1464)", "SetCurrentX(1600)", "Print(f)"}},
  };
  for (const auto& [line, calls] : cases) {
    PrintAtMargin(printer, line, 500);
    EXPECT_EQ(printer.Calls(), calls) << line;
    printer.ClearCalls();
  }
}

class QuietWindows : public JobWindows {
 public:
  explicit QuietWindows(RecordingSurface& printer) : printer_(printer) {}
  void JobStarted() override {}
  void JobEnded() override {}
  // Events run between copies: the printer goes off line after the second.
  void LetEventsRun() override { printer_.RefuseToStart(++copies_ >= 2); }
  void ReportFailure(const std::string& message) override { failures.push_back(message); }
  std::vector<std::string> failures;

 private:
  RecordingSurface& printer_;
  int copies_ = 0;
};

// The copies that went out count: the form then offers "OK".
TEST(PrintOrder, EachCopyIsAJobOfOnePageSetUpAfreshAndARefusedJobStopsTheRest) {
  RecordingSurface printer;
  QuietWindows windows(printer);
  EXPECT_EQ(PrintOrder(printer, windows, 4, {"a", "b"}, 500), 2);
  EXPECT_EQ(printer.DocumentsSent(), (std::vector<int>{1, 1}));
  EXPECT_EQ(printer.DocumentsAbandoned(), 1);
  EXPECT_EQ(windows.failures, std::vector<std::string>{kPrinterRefusedMessage});
  const std::vector<std::string> copy = {"SetPaperSize(9)",   "SetFontName(Times New Roman)", "SetFontSize(12)",
                                         "SetCurrentY(600)",  "SetCurrentX(600)",             "Print(a)",
                                         "SetCurrentX(600)",  "Print(b)",                     "EndDocument()"};
  std::vector<std::string> three;
  for (int i = 0; i < 3; ++i) three.insert(three.end(), copy.begin(), copy.end());
  EXPECT_EQ(printer.Calls(), three);
}

}  // namespace
}  // namespace glyvane
