#include "catalogue/order_printout.h"

#include <algorithm>
#include <cmath>

#include "catalogue/author.h"
#include "catalogue/order_pricing.h"

namespace glyvane {

namespace {

constexpr const char* kFaxPattern = "0# ## ## ## ##";
constexpr int kSignatureLines = 8;

bool DigitsAlone(const std::string& text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// Blanks of the pattern that no digit reached would otherwise show as gaps: runs of
// blanks become one, and none is left at either end.
std::string SingleBlanks(const std::string& text) {
  std::string result;
  for (const char c : text) {
    if (c == ' ' && (result.empty() || result.back() == ' ')) continue;
    result += c;
  }
  if (!result.empty() && result.back() == ' ') result.pop_back();
  return result;
}

}  // namespace

// The digits are laid into the pattern from the right, as a number is: its leading
// zeros go, the pattern's "0" puts one back, and digits beyond the pattern's go in
// front. The text is never read into an integer, which ten digits would overflow.
std::string FaxText(const std::string& typed) {
  if (!DigitsAlone(typed)) return typed;
  std::string digits = typed.substr(std::min(typed.find_first_not_of('0'), typed.size()));
  const std::string pattern = kFaxPattern;
  std::string result;
  for (auto at = pattern.rbegin(); at != pattern.rend(); ++at) {
    if (*at == ' ') {
      result.insert(result.begin(), ' ');
    } else if (!digits.empty()) {
      result.insert(result.begin(), digits.back());
      digits.pop_back();
    } else if (*at == '0') {
      result.insert(result.begin(), '0');
    }
  }
  return SingleBlanks(digits + result);
}

std::vector<std::string> OrderLines(const OrderSheet& sheet) {
  const std::string author = kAuthorName;
  const std::string sixTabs(6, '\t');
  std::vector<std::string> lines{"Je désire commander à " + author + " les logiciels suivants :"};
  for (const std::string& item : sheet.items) lines.push_back("\t\t- " + item);
  const OrderTotal total = PriceOrder(sheet.items, sheet.decimalSeparator);
  lines.insert(lines.end(), {sheet.shippingRule, sheet.priceNote, "", "Nom : " + sheet.name + ", Prénom : " + sheet.firstName,
                             "Adresse : " + sheet.address,
                             sheet.postalCodeCaption + sheet.postalCode + ", Ville : " + sheet.town + ", France"});
  if (!sheet.fax.empty()) lines.push_back("Fax : " + FaxText(sheet.fax));
  if (!sheet.email.empty()) lines.push_back("E mail : " + sheet.email);
  lines.insert(lines.end(), {"Comment avez-vous connu ces programmes ?", "  " + sheet.knownBy, "Fait le " + sheet.date,
                             "Signature :"});
  lines.insert(lines.end(), kSignatureLines, "");
  lines.insert(lines.end(),
               {"A envoyer, accompagné d'un chèque bancaire d'un montant de " + std::to_string(total.francs) +
                    " FF ou de " + total.euros + " € à l'ordre de ",
                sixTabs + "\"" + author + "\" à :", "", sixTabs + "  " + author, sixTabs + kAuthorStreet,
                sixTabs + kAuthorTown, sixTabs + "\t" + kAuthorCountry});
  return lines;
}

// The text before each tab is printed where it stands and the line's position kept;
// only the last piece moves on to the next line.
void PrintAtMargin(PrinterSurface& printer, const std::string& line, double tabStop) {
  const double y = printer.CurrentY();
  double x = kOrderMargin;
  std::string::size_type start = 0;
  for (std::string::size_type tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1) {
    const std::string piece = line.substr(start, tab - start);
    if (!piece.empty()) {
      printer.SetCurrentX(x);
      printer.Print(piece);
      printer.SetCurrentY(y);
      x += printer.TextWidth(piece);
    }
    x = kOrderMargin + (std::floor((x - kOrderMargin) / tabStop) + 1) * tabStop;
  }
  printer.SetCurrentX(x);
  printer.Print(line.substr(start));
}

int PrintOrder(PrinterSurface& printer, JobWindows& windows, int copies, const std::vector<std::string>& lines,
               double tabStop) {
  PrintJob job(printer, windows);
  int started = 0;
  const bool all = job.Run(copies, [&] {
    ++started;
    printer.SetPaperSize(kPaperA4);
    printer.SetFontName("Times New Roman");
    printer.SetFontSize(12);
    printer.SetCurrentY(600);
    for (const std::string& line : lines) PrintAtMargin(printer, line, tabStop);
    return true;
  });
  // Nothing cancels an order: a copy that did not go out is one the printer refused.
  return all ? copies : started - 1;
}

}  // namespace glyvane
