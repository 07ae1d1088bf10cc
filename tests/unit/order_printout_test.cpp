#include "catalogue/order_printout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "printing/recording_surface.h"

namespace glyvane {
namespace {

OrderSheet Sheet(std::vector<std::string> items) {
  return {.items = std::move(items),
          .shippingRule = "Plus 15 FF de frais de port",
          .priceNote = "° Note",
          .postalCodeCaption = "Code postal :",
          .name = "Durand",
          .firstName = "Hélène",
          .address = "3 place du Marché",
          .postalCode = "75001",
          .town = "Paris",
          .email = "",
          .fax = "",
          .knownBy = "",
          .date = "07/12/2026",
          .decimalSeparator = ','};
}

TEST(OrderLines, AreTheOrderWordForWordWithTheOptionalLinesLeftOutWhenEmpty) {
  OrderSheet sheet = Sheet({"Glyvane - 50 FF°", "Awélé - FreeWare"});
  const std::vector<std::string> head = {"Je désire commander à Talvenne les logiciels suivants :",
                                         "\t\t- Glyvane - 50 FF°",
                                         "\t\t- Awélé - FreeWare",
                                         "Plus 15 FF de frais de port",
                                         "° Note",
                                         "",
                                         "Nom : Durand, Prénom : Hélène",
                                         "Adresse : 3 place du Marché",
                                         "Code postal :75001, Ville : Paris, France"};
  std::vector<std::string> tail = {"Comment avez-vous connu ces programmes ?", "  ", "Fait le 07/12/2026",
                                   "Signature :"};
  tail.insert(tail.end(), 8, "");
  tail.insert(tail.end(),
              {"A envoyer, accompagné d'un chèque bancaire d'un montant de 65 FF ou de 9,91 € à l'ordre de ",
               "\t\t\t\t\t\t\"Talvenne\" à :", "", "\t\t\t\t\t\t  Talvenne", "\t\t\t\t\t\t12 rue des Tilleuls",
               "\t\t\t\t\t\t35000 Rennes", "\t\t\t\t\t\t\tFrance"});
  std::vector<std::string> expected = head;
  expected.insert(expected.end(), tail.begin(), tail.end());
  EXPECT_EQ(OrderLines(sheet), expected);

  sheet.fax = "0123456789";
  sheet.email = "h@example.fr";
  sheet.knownBy = "Par un ami";
  expected = head;
  expected.insert(expected.end(), {"Fax : 01 23 45 67 89", "E mail : h@example.fr"});
  tail[1] = "  Par un ami";
  expected.insert(expected.end(), tail.begin(), tail.end());
  EXPECT_EQ(OrderLines(sheet), expected);
}

TEST(FaxText, OnlyDigitsAloneFollowThePatternAndAsTextNotAsAnInteger) {
  const struct {
    const char* typed;
    const char* printed;
  } cases[] = {
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
  for (const auto& c : cases) EXPECT_EQ(FaxText(c.typed), c.printed) << c.typed;
}

// The recording surface: every byte 120 twips wide at 12 points, lines 288 high.
TEST(PrintAtMargin, MovesTabsToTheNextStopFromTheMarginOnOneLine) {
  RecordingSurface printer;
  printer.SetFontSize(12);
  printer.SetCurrentY(600);
  printer.ClearCalls();
  const struct {
    const char* line;
    std::vector<std::string> calls;
  } cases[] = {
      {"Nom", {"SetCurrentX(600)", "Print(Nom)"}},
      {"\t\t- x", {"SetCurrentX(1600)", "Print(- x)"}},
      {"ab\tc", {"SetCurrentX(600)", "Print(ab)", "SetCurrentY(1176)", "SetCurrentX(1100)", "Print(c)"}},
      {"abcde\tf", {"SetCurrentX(600)", "Print(abcde)", "SetCurrentY(1464)", "SetCurrentX(1600)", "Print(f)"}},
      {"", {"SetCurrentX(600)", "Print()"}},
  };
  double y = 600;
  for (const auto& c : cases) {
    PrintAtMargin(printer, c.line, 500);
    EXPECT_EQ(printer.Calls(), c.calls) << c.line;
    y += 288;
    EXPECT_EQ(printer.CurrentY(), y) << c.line;
    printer.ClearCalls();
  }
}

class QuietWindows : public JobWindows {
 public:
  void JobStarted() override {}
  void JobEnded() override {}
  // Events run between copies: where a printer can go off line.
  void LetEventsRun() override {
    if (offLineAfterACopy) offLineAfterACopy->RefuseToStart(true);
  }
  void ReportFailure(const std::string& message) override { failures.push_back(message); }
  std::vector<std::string> failures;
  RecordingSurface* offLineAfterACopy = nullptr;
};

TEST(PrintOrder, EachCopyIsAJobOfOnePageSetUpAfreshAndARefusedJobStopsTheRest) {
  RecordingSurface printer;
  QuietWindows windows;
  EXPECT_EQ(PrintOrder(printer, windows, 2, {"a", "b"}, 500), 2);
  EXPECT_EQ(printer.DocumentsSent(), (std::vector<int>{1, 1}));
  const std::vector<std::string> copy = {"SetPaperSize(9)",   "SetFontName(Times New Roman)", "SetFontSize(12)",
                                         "SetCurrentY(600)",  "SetCurrentX(600)",             "Print(a)",
                                         "SetCurrentX(600)",  "Print(b)",                     "EndDocument()"};
  std::vector<std::string> both = copy;
  both.insert(both.end(), copy.begin(), copy.end());
  EXPECT_EQ(printer.Calls(), both);
  EXPECT_TRUE(windows.failures.empty());

  printer.RefuseToStart(true);
  EXPECT_EQ(PrintOrder(printer, windows, 3, {"a"}, 500), 0);
  EXPECT_EQ(printer.DocumentsSent().size(), 2u);
  EXPECT_EQ(windows.failures, std::vector<std::string>{kPrinterRefusedMessage});

  // The copy that went out counts: the form then offers "OK".
  RecordingSurface goingOff;
  QuietWindows afterOne;
  afterOne.offLineAfterACopy = &goingOff;
  EXPECT_EQ(PrintOrder(goingOff, afterOne, 3, {"a"}, 500), 1);
  EXPECT_EQ(goingOff.DocumentsSent(), std::vector<int>{1});
  EXPECT_EQ(goingOff.DocumentsAbandoned(), 1);
  EXPECT_EQ(afterOne.failures, std::vector<std::string>{kPrinterRefusedMessage});
}

}  // namespace
}  // namespace glyvane
