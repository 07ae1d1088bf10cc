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

// The longest names the system's font list holds: LF_FACESIZE and LF_FULLFACESIZE
// less their terminators.
constexpr size_t kFaceNameLength = 31;
constexpr size_t kFullNameLength = 63;

// Names as the font stores them, in UTF-16, cut where the system's font list cuts
// them: the family and style at 31 UTF-16 units, the full name at 63 (a surrogate
// pair may be cut in two, as there).
struct Utf16FontNames {
  std::u16string family;    // name ID 1, the face name the system lists
  std::u16string fullName;  // name ID 4, e.g. "Arial Gras"; empty when the font has none
  std::u16string style;     // name ID 2, e.g. "Gras"; empty when the font has none

  bool operator==(const Utf16FontNames& other) const {
    return family == other.family && fullName == other.fullName && style == other.style;
  }
};

// The same names in an ANSI code page, as the A functions give them. The Windows
// programs convert with the system's own conversion (common/system/font_file_names.h);
// the portable code has its own to code page 1252 (ToCp1252).
struct FontNames {
  std::string family;
  std::string fullName;
  std::string style;

  bool operator==(const FontNames& other) const {
    return family == other.family && fullName == other.fullName && style == other.style;
  }
};

// The names of the font file at path (the first face of a collection) as the system
// chooses them for a user of language langId (a Windows LANGID): in that language,
// else in US English, else (where the system under Wine leaves the name empty) in
// the same primary language, else in any; Windows names before Mac names before
// Unicode ones of the same language. nullopt when the file cannot be read, is no
// well-formed TrueType, CFF OpenType or collection file, lacks a table without which
// the system refuses a font (head, hhea, hmtx, OS/2), or has no family name. Reads
// the start of the file (header and table directory) and the name table only.
std::optional<Utf16FontNames> ReadUtf16FontNames(const std::string& path, uint16_t langId);

// The same from the whole file's bytes in memory.
std::optional<Utf16FontNames> ParseUtf16FontNames(const uint8_t* data, size_t size,
                                                  uint16_t langId);

// The reader's own conversion to code page 1252, for the native builds: each UTF-16
// unit outside that code page becomes '?' (no best fit).
std::string ToCp1252(const std::u16string& text);
FontNames ToCp1252(const Utf16FontNames& names);

// ReadUtf16FontNames and ParseUtf16FontNames converted by ToCp1252.
std::optional<FontNames> ReadFontNames(const std::string& path, uint16_t langId);
std::optional<FontNames> ParseFontNames(const uint8_t* data, size_t size, uint16_t langId);

// True when the bytes start as a TrueType, CFF OpenType or collection file does.
bool HasTrueTypeSignature(const uint8_t* data, size_t size);

}  // namespace glyvane
