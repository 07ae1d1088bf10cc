#pragma once
// The printed order: one A4 page in Times New Roman 12 that the customer signs and
// mails with the cheque. Its lines are plain text, a tab moving to the next tab stop.
#include <string>
#include <vector>

#include "printing/print_job.h"
#include "printing/printer_surface.h"

namespace glyvane {

// What the order form holds when it prints: the ticked items in the order they were
// ticked, the captions it prints, the boxes as typed, today's date as printed and
// the user's decimal separator.
struct OrderSheet {
  std::vector<std::string> items;
  std::string shippingRule;       // Label5
  std::string priceNote;          // Label17
  std::string postalCodeCaption;  // Label7
  std::string name, firstName, address, postalCode, town, email, fax, knownBy;
  std::string date;
  char decimalSeparator = ',';
};

// Every line of the order, top to bottom; empty strings are empty lines.
std::vector<std::string> OrderLines(const OrderSheet& sheet);

// The fax number as printed: a number of digits alone follows the pattern
// "0# ## ## ## ##" (0123456789 and 123456789 both give "01 23 45 67 89"); any other
// text prints as typed.
std::string FaxText(const std::string& typed);

// Where every line starts, in twips from the left of the printable area.
constexpr double kOrderMargin = 600;

// Prints one line at the margin, its tabs moved to the next stop (every `tabStop`
// twips from the margin), and moves to the next line.
void PrintAtMargin(PrinterSurface& printer, const std::string& line, double tabStop);

// Prints the order once per copy, each copy a job of its own. A job the printer
// refuses stops the copies still to come (the windows report it). Returns the number
// of copies that went out.
int PrintOrder(PrinterSurface& printer, JobWindows& windows, int copies, const std::vector<std::string>& lines,
               double tabStop);

}  // namespace glyvane
