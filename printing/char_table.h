#pragma once
// The character table of a font: one landscape A4 page with its 256 codes in a
// 16 x 16 grid, each cell with the character in the font and the four-digit number
// that types it with ALT held down.
#include <string>

#include "printing/printer_surface.h"

namespace glyvane {

// What every character table sets before its first page: monochrome, landscape, A4.
void SetUpCharacterTable(PrinterSurface& printer);

// How the page sets the printer up itself, for the one-page table of the font on
// screen: nothing, or the colour mode before the title's position and the
// orientation and paper after it.
enum class TableSetUp { Before, OnThePage };

// Draws the page of the font named `font` at the printer's current page.
void DrawCharacterTable(PrinterSurface& printer, const std::string& font, TableSetUp setUp = TableSetUp::Before);

// The line at the foot of every table.
extern const char* const kCharacterTableFooter;

// "Table de caractères de "Arial"".
std::string CharacterTableTitle(const std::string& font);

// The label of code c: four digits, then " : " and the character for the codes a
// keyboard types (33 to 126, and 128, the euro sign): "0065 : A", "0128 : €", "0032".
std::string CodeLabel(int code);

}  // namespace glyvane
