#include "common/font_names.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <vector>

namespace glyvane {

namespace {

// The bytes a file's first read takes: the header and a directory of 64 tables, more
// than nearly every font has.
constexpr std::streamsize kHeadLength = 12 + 16 * 64;

// Whatever length a name table declares, everything its header can point at lies
// within this many bytes of its start: 65535 records and as many language tags,
// strings at 16-bit offsets past a 16-bit storage offset. A larger table is not
// read beyond it.
constexpr uint32_t kNameTableReach = 6 + 12 * 65535 + 2 + 4 * 65535 + 3 * 65535;

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] << 8 | p[1]); }
uint32_t U32(const uint8_t* p) {
  return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3];
}
constexpr uint32_t Tag(const char (&text)[5]) {
  return uint32_t{uint8_t(text[0])} << 24 | uint32_t{uint8_t(text[1])} << 16 |
         uint32_t{uint8_t(text[2])} << 8 | uint8_t(text[3]);
}

// The characters of code page 1252's bytes 0x80-0x9F. Its five unassigned bytes
// stand for the C1 controls of the same number, as in the system's own table.
constexpr std::array<uint16_t, 32> kCp1252Controls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The characters of Mac Roman's bytes 0x80-0xFF.
constexpr std::array<uint16_t, 128> kMacRomanHigh = {
    0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1, 0x00E0, 0x00E2, 0x00E4,
    0x00E3, 0x00E5, 0x00E7, 0x00E9, 0x00E8, 0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF,
    0x00F1, 0x00F3, 0x00F2, 0x00F4, 0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC, 0x2020,
    0x00B0, 0x00A2, 0x00A3, 0x00A7, 0x2022, 0x00B6, 0x00DF, 0x00AE, 0x00A9, 0x2122, 0x00B4,
    0x00A8, 0x2260, 0x00C6, 0x00D8, 0x221E, 0x00B1, 0x2264, 0x2265, 0x00A5, 0x00B5, 0x2202,
    0x2211, 0x220F, 0x03C0, 0x222B, 0x00AA, 0x00BA, 0x03A9, 0x00E6, 0x00F8, 0x00BF, 0x00A1,
    0x00AC, 0x221A, 0x0192, 0x2248, 0x2206, 0x00AB, 0x00BB, 0x2026, 0x00A0, 0x00C0, 0x00C3,
    0x00D5, 0x0152, 0x0153, 0x2013, 0x2014, 0x201C, 0x201D, 0x2018, 0x2019, 0x00F7, 0x25CA,
    0x00FF, 0x0178, 0x2044, 0x20AC, 0x2039, 0x203A, 0xFB01, 0xFB02, 0x2021, 0x00B7, 0x201A,
    0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1, 0x00CB, 0x00C8, 0x00CD, 0x00CE, 0x00CF, 0x00CC,
    0x00D3, 0x00D4, 0xF8FF, 0x00D2, 0x00DA, 0x00DB, 0x00D9, 0x0131, 0x02C6, 0x02DC, 0x00AF,
    0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7};

// Windows LANGIDs of the Mac language codes 0-15, which platforms 0 and 1 use.
constexpr std::array<uint16_t, 16> kMacLanguages = {
    0x0409, 0x040C, 0x0407, 0x0410, 0x0413, 0x041D, 0x040A, 0x0406,
    0x0416, 0x0414, 0x040D, 0x0411, 0x0401, 0x040B, 0x0408, 0x040F};

constexpr uint16_t kUsEnglish = 0x0409;

char ToCp1252(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  const auto found = std::find(kCp1252Controls.begin(), kCp1252Controls.end(), c);
  if (found == kCp1252Controls.end()) return '?';
  return static_cast<char>(0x80 + (found - kCp1252Controls.begin()));
}

// The decoders stop at a NUL, as the C string the system makes of the name would, and
// at the length the system keeps. A UTF-16 name of odd length loses its last byte.
std::u16string FromUtf16(const uint8_t* text, size_t length, size_t limit) {
  std::u16string out;
  for (size_t i = 0; i + 1 < length && out.size() < limit; i += 2) {
    const char16_t unit = U16(text + i);
    if (unit == 0) break;
    out += unit;
  }
  return out;
}

std::u16string FromMacRoman(const uint8_t* text, size_t length, size_t limit) {
  std::u16string out;
  for (size_t i = 0; i < length && out.size() < limit && text[i] != 0; ++i) {
    out += static_cast<char16_t>(text[i] < 0x80 ? text[i] : kMacRomanHigh[text[i] - 0x80u]);
  }
  return out;
}

enum class Encoding { kUnreadable, kUtf16, kMacRoman };

// How the system reads a record's text: the Windows platform's Unicode and symbol
// encodings, every Unicode platform encoding, Mac Roman.
Encoding RecordEncoding(uint16_t platform, uint16_t encoding) {
  if (platform == 3 && (encoding <= 1 || encoding == 10)) return Encoding::kUtf16;
  if (platform == 0) return Encoding::kUtf16;
  if (platform == 1 && encoding == 0) return Encoding::kMacRoman;
  return Encoding::kUnreadable;
}

// How well a name record suits, as the system chooses: the language first (the
// user's, then US English; where neither exists, the same primary language, then
// any), then the platform (Windows, Mac, Unicode), then the earlier record. -1 for
// records the system does not read.
int RecordScore(uint16_t platform, uint16_t encoding, uint16_t language, uint16_t langId) {
  if (RecordEncoding(platform, encoding) == Encoding::kUnreadable) return -1;
  if (language >= 0x8000) return -1;  // a language tag of format 1, which the system ignores
  if (platform == 0 && encoding != 0 && encoding != 2 && encoding != 3) {
    language = 0;  // these encodings carry no language
  } else if (platform != 3) {
    language = language < kMacLanguages.size() ? kMacLanguages[language] : uint16_t{0};
  }

  int languageRank = 0;
  if (language == langId) {
    languageRank = 3;
  } else if (language == kUsEnglish) {
    languageRank = 2;
  } else if ((language & 0x3FF) == (langId & 0x3FF)) {
    languageRank = 1;
  }
  const int platformRank = platform == 3 ? 2 : platform == 1 ? 1 : 0;
  return languageRank * 3 + platformRank;
}

// table holds min(length, kNameTableReach) bytes of a name table of the given length.
std::optional<Utf16FontNames> ParseNameTable(const uint8_t* table, uint32_t length,
                                             uint16_t langId) {
  const uint16_t format = U16(table);
  const uint16_t count = U16(table + 2);
  const uint16_t storage = U16(table + 4);
  if (format > 1) return std::nullopt;
  uint32_t headerEnd = 6 + 12u * count;
  if (format == 1) {  // language tag records follow the name records
    if (headerEnd + 2 > length) return std::nullopt;
    headerEnd += 2 + 4u * U16(table + headerEnd);
  }
  if (headerEnd > length || storage < headerEnd || storage > length) return std::nullopt;
  const uint32_t storageLength = length - storage;

  constexpr std::array<uint16_t, 3> kIds = {1, 4, 2};
  constexpr std::array<size_t, 3> kLimits = {kFaceNameLength, kFullNameLength, kFaceNameLength};
  std::array<int, 3> bestScore = {-1, -1, -1};
  std::array<const uint8_t*, 3> best = {};
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* record = table + 6 + 12 * i;
    if (uint32_t{U16(record + 10)} + U16(record + 8) > storageLength) return std::nullopt;
    for (size_t id = 0; id < kIds.size(); ++id) {
      if (U16(record + 6) != kIds[id]) continue;
      const int score = RecordScore(U16(record), U16(record + 2), U16(record + 4), langId);
      if (score > bestScore[id]) {
        bestScore[id] = score;
        best[id] = record;
      }
    }
  }

  std::array<std::u16string, 3> names;
  for (size_t id = 0; id < kIds.size(); ++id) {
    const uint8_t* record = best[id];
    if (!record) continue;
    const uint8_t* text = table + storage + U16(record + 10);
    names[id] = RecordEncoding(U16(record), U16(record + 2)) == Encoding::kMacRoman
                    ? FromMacRoman(text, U16(record + 8), kLimits[id])
                    : FromUtf16(text, U16(record + 8), kLimits[id]);
  }
  if (names[0].empty()) return std::nullopt;
  return Utf16FontNames{names[0], names[1], names[2]};
}

// The tables without which the system refuses a font, or adds it but lists no face,
// each at the least length that holds its fixed fields (OS/2: those of its version
// 0). The system under Wine takes any OS/2 table that is not empty and reads past
// the end of a short one.
struct RequiredTable {
  uint32_t tag;
  uint32_t length;
};
constexpr std::array<RequiredTable, 4> kRequiredTables = {
    {{Tag("head"), 54}, {Tag("hhea"), 36}, {Tag("hmtx"), 0}, {Tag("OS/2"), 78}}};

// fetch(offset, length) gives the file's bytes there, or nullptr when they cannot be
// read; each call may reuse the memory of the one before. It is only asked for
// bytes inside the file.
template <typename Fetch>
std::optional<Utf16FontNames> ReadNames(uint64_t fileSize, Fetch fetch, uint16_t langId) {
  const auto fetchInside = [&](uint64_t offset, uint64_t length) -> const uint8_t* {
    if (offset > fileSize || length > fileSize - offset) return nullptr;
    return fetch(offset, static_cast<size_t>(length));
  };

  const uint8_t* header = fetchInside(0, 12);
  if (!header) return std::nullopt;
  uint64_t faceOffset = 0;
  if (U32(header) == Tag("ttcf")) {  // a collection: its first face
    if (U32(header + 8) == 0) return std::nullopt;
    const uint8_t* firstOffset = fetchInside(12, 4);
    if (!firstOffset) return std::nullopt;
    faceOffset = U32(firstOffset);
    header = fetchInside(faceOffset, 12);
    if (!header) return std::nullopt;
  }
  const uint32_t version = U32(header);
  if (version != 0x00010000 && version != Tag("true") && version != Tag("OTTO")) {
    return std::nullopt;
  }
  const uint16_t tableCount = U16(header + 4);
  if (tableCount == 0) return std::nullopt;

  const uint8_t* directory = fetchInside(faceOffset + 12, 16u * tableCount);
  if (!directory) return std::nullopt;
  uint32_t nameOffset = 0;
  uint32_t nameLength = 0;
  bool hasName = false;
  std::array<bool, kRequiredTables.size()> present = {};
  bool hasOutlines = false;  // TrueType's index to its glyphs, or CFF's glyphs
  for (uint32_t i = 0; i < tableCount; ++i) {
    const uint8_t* entry = directory + 16 * i;
    const uint32_t tag = U32(entry);
    const uint32_t offset = U32(entry + 8);
    const uint32_t length = U32(entry + 12);
    if (uint64_t{offset} + length > fileSize) return std::nullopt;
    if (!hasName && tag == Tag("name")) {
      hasName = true;
      nameOffset = offset;
      nameLength = length;
    }
    for (size_t t = 0; t < kRequiredTables.size(); ++t) {
      present[t] = present[t] || (tag == kRequiredTables[t].tag && length >= kRequiredTables[t].length);
    }
    hasOutlines = hasOutlines || (version == Tag("OTTO") ? tag == Tag("CFF ") || tag == Tag("CFF2")
                                                         : tag == Tag("loca"));
  }
  if (!hasName || nameLength < 6) return std::nullopt;
  if (!hasOutlines || std::find(present.begin(), present.end(), false) != present.end()) {
    return std::nullopt;
  }

  const uint8_t* table = fetchInside(nameOffset, std::min(nameLength, kNameTableReach));
  if (!table) return std::nullopt;
  return ParseNameTable(table, nameLength, langId);
}

}  // namespace

std::optional<Utf16FontNames> ReadUtf16FontNames(const std::string& path, uint16_t langId) {
  // System calls cost far more than the bytes: the header and the table directory
  // come in one read, the name table in another, and all go straight to the caller's
  // memory, unbuffered.
  std::filebuf file;
  file.pubsetbuf(nullptr, 0);
  if (!file.open(path, std::ios::in | std::ios::binary)) return std::nullopt;
  std::vector<uint8_t> head(kHeadLength);
  std::vector<uint8_t> buffer;
  const auto fetch = [&](uint64_t offset, size_t length) -> const uint8_t* {
    if (offset + length <= head.size()) return head.data() + offset;
    buffer.resize(length);
    const auto position = static_cast<std::streamoff>(offset);
    const auto count = static_cast<std::streamsize>(length);
    if (file.pubseekpos(position, std::ios::in) != position ||
        file.sgetn(reinterpret_cast<char*>(buffer.data()), count) != count) {
      return nullptr;
    }
    return buffer.data();
  };
  try {  // the stream buffer throws on a failed read, e.g. of a folder
    head.resize(static_cast<size_t>(file.sgetn(reinterpret_cast<char*>(head.data()), kHeadLength)));
    const std::streamoff size = file.pubseekoff(0, std::ios::end, std::ios::in);
    if (size < 0) return std::nullopt;
    return ReadNames(static_cast<uint64_t>(size), fetch, langId);
  } catch (const std::ios_base::failure&) {
    return std::nullopt;
  }
}

std::optional<Utf16FontNames> ParseUtf16FontNames(const uint8_t* data, size_t size, uint16_t langId) {
  const auto fetch = [data](uint64_t offset, size_t) { return data + offset; };
  return ReadNames(size, fetch, langId);
}

std::string ToCp1252(const std::u16string& text) {
  std::string out;
  out.reserve(text.size());
  for (const char16_t c : text) out += ToCp1252(c);
  return out;
}

FontNames ToCp1252(const Utf16FontNames& names) {
  return {ToCp1252(names.family), ToCp1252(names.fullName), ToCp1252(names.style)};
}

std::optional<FontNames> ReadFontNames(const std::string& path, uint16_t langId) {
  const std::optional<Utf16FontNames> names = ReadUtf16FontNames(path, langId);
  if (!names) return std::nullopt;
  return ToCp1252(*names);
}

std::optional<FontNames> ParseFontNames(const uint8_t* data, size_t size, uint16_t langId) {
  const std::optional<Utf16FontNames> names = ParseUtf16FontNames(data, size, langId);
  if (!names) return std::nullopt;
  return ToCp1252(*names);
}

bool HasTrueTypeSignature(const uint8_t* data, size_t size) {
  if (size < 4) return false;
  const uint32_t tag = U32(data);
  return tag == 0x00010000 || tag == Tag("true") || tag == Tag("OTTO") || tag == Tag("ttcf");
}

}  // namespace glyvane
