#pragma once
// The names stored in a TrueType/OpenType font file, read by the program itself:
// the system's own call for this misnames, refuses or crashes on some files, so a
// file is checked here before any system font call sees it. The reader trusts
// nothing in the file and never reads outside it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace glyvane {

// Names as GDI gives them: in code page 1252, at most 31 characters each.
struct FontNames {
  std::string family;    // name ID 1, the face name the system lists
  std::string fullName;  // name ID 4, e.g. "Arial Gras"; empty when the font has none
  std::string style;     // name ID 2, e.g. "Gras"; empty when the font has none

  bool operator==(const FontNames& other) const {
    return family == other.family && fullName == other.fullName && style == other.style;
  }
};

// The names of the font file at path (the first face of a collection), in the
// language langId (a Windows LANGID) when the font has it. nullopt when the file
// cannot be read or is no well-formed TrueType, CFF OpenType or collection file, or
// has no family name. Reads the start of the file (header and table directory) and
// the name table only.
std::optional<FontNames> ReadFontNames(const std::string& path, uint16_t langId);

// The same from the whole file's bytes in memory.
std::optional<FontNames> ParseFontNames(const uint8_t* data, size_t size, uint16_t langId);

}  // namespace glyvane
