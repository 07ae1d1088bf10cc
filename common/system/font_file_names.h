#pragma once
// Font file names as the system's font list and list boxes spell them: read by the
// portable reader in the user's language and converted by the system's own
// conversion to the ANSI code page, whichever it is.
#include <optional>
#include <string>

#include "common/font_names.h"

namespace glyvane {

// The names of the font file at path (the first face of a collection) in the
// user's language: the family at most 31 bytes, the full name at most 63, cut
// between characters. nullopt when the system would refuse the file or the reader
// cannot read it (a damaged file, a bitmap .fon file).
std::optional<FontNames> ReadFontNamesForSystem(const std::string& path);

// text in the ANSI code page, converted as the system converts its font names
// (WideCharToMultiByte with its default best fit: "Łódź" becomes "Lodz" in code
// page 1252), at most maxBytes long without splitting a double-byte character.
std::string ToAnsiCodePage(const std::u16string& text, size_t maxBytes);

// A file that starts as a TrueType or OpenType font does but that the reader refuses,
// or whose glyph locations do not fit its glyph data (common/glyph_locations.h): its
// tables are damaged. Wine's AddFontResourceA can stall on such a file (a name
// table of 65,535 records held a test for minutes), so the program refuses it as the
// system refuses a file that is no font, before the system sees it. Other files
// (a bitmap .fon, text, noise) go to the system, which answers for them.
bool IsDamagedTrueTypeFile(const std::string& path);

}  // namespace glyvane
