#pragma once
// The glyph location table of a TrueType font against its glyph data. A printer
// driver under Wine copies each glyph's outline from where the location table says
// it lies, without looking where the glyph data ends: a font whose locations point
// past its glyphs (a damaged table, or a location format flipped) makes it read
// outside the font, and the program ends at once when that memory is not mapped.
#include <cstddef>
#include <cstdint>
#include <string>

namespace glyvane {

// True when the bytes hold no TrueType outlines (CFF fonts, bitmap files, other
// files), or when the location format is one of the two there are, the location
// table holds an entry for each glyph and one more, and the locations never go
// back nor past the end of the glyph data. The first face of a collection is
// checked.
bool GlyphLocationsFit(const uint8_t* data, size_t size);

// The same for the file at path; true when the file cannot be read (the system
// then answers for it).
bool FileGlyphLocationsFit(const std::string& path);

}  // namespace glyvane
