#include "common/glyph_locations.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace glyvane {

namespace {

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] << 8 | p[1]); }
uint32_t U32(const uint8_t* p) {
  return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | uint32_t{p[3]};
}
constexpr uint32_t Tag(const char (&t)[5]) {
  return uint32_t(uint8_t(t[0])) << 24 | uint32_t(uint8_t(t[1])) << 16 | uint32_t(uint8_t(t[2])) << 8 |
         uint32_t(uint8_t(t[3]));
}

struct Table {
  uint64_t offset = 0;
  uint64_t length = 0;
  bool found = false;
};

}  // namespace

bool GlyphLocationsFit(const uint8_t* data, size_t size) {
  if (size < 12) return true;
  uint64_t face = 0;
  if (U32(data) == Tag("ttcf")) {
    if (size < 16) return true;
    face = U32(data + 12);
    if (face > size || size - face < 12) return true;
  }
  const uint16_t tableCount = U16(data + face + 4);
  if (uint64_t{tableCount} * 16 > size - face - 12) return true;
  Table head, maxp, loca, glyf;
  for (uint16_t i = 0; i < tableCount; ++i) {
    const uint8_t* entry = data + face + 12 + 16u * i;
    Table* table = nullptr;
    switch (U32(entry)) {
      case Tag("head"): table = &head; break;
      case Tag("maxp"): table = &maxp; break;
      case Tag("loca"): table = &loca; break;
      case Tag("glyf"): table = &glyf; break;
      default: continue;
    }
    if (table->found) continue;
    *table = Table{U32(entry + 8), U32(entry + 12), true};
    // A table past the end of the file: the reader of names refuses such files.
    if (table->offset > size || table->length > size - table->offset) return true;
  }
  if (!loca.found || !glyf.found) return true;  // no TrueType outlines
  if (!head.found || head.length < 54 || !maxp.found || maxp.length < 6) return false;

  const int16_t format = static_cast<int16_t>(U16(data + head.offset + 50));
  if (format != 0 && format != 1) return false;
  const uint64_t entrySize = format == 0 ? 2 : 4;
  const uint64_t glyphs = U16(data + maxp.offset + 4);
  if (loca.length < (glyphs + 1) * entrySize) return false;
  uint64_t previous = 0;
  for (uint64_t i = 0; i <= glyphs; ++i) {
    const uint8_t* at = data + loca.offset + i * entrySize;
    const uint64_t location = format == 0 ? uint64_t{U16(at)} * 2 : U32(at);
    if (location < previous || location > glyf.length) return false;
    previous = location;
  }
  return true;
}

bool FileGlyphLocationsFit(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return true;
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  return GlyphLocationsFit(bytes.data(), bytes.size());
}

}  // namespace glyvane
