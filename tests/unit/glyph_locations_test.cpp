#include "common/glyph_locations.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

namespace glyvane {
namespace {

using Bytes = std::vector<uint8_t>;

// The offset of a table of a font (not a collection), from its directory.
size_t TableAt(const Bytes& font, const char* tag) {
  for (size_t i = 0; i < (size_t{font[4]} << 8 | font[5]); ++i) {
    const uint8_t* entry = font.data() + 12 + 16 * i;
    if (std::equal(tag, tag + 4, entry)) {
      return size_t{entry[8]} << 24 | size_t{entry[9]} << 16 | size_t{entry[10]} << 8 | entry[11];
    }
  }
  ADD_FAILURE() << tag;
  return 0;
}

void Put16(Bytes& font, size_t at, uint16_t value) {
  font[at] = static_cast<uint8_t>(value >> 8);
  font[at + 1] = static_cast<uint8_t>(value);
}

TEST(GlyphLocationsFit, RefusesLocationsThatLeadOutsideTheGlyphDataAndPassesOtherFiles) {
  std::ifstream file("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf", std::ios::binary);
  const Bytes sound((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  ASSERT_GT(sound.size(), 1000u);
  const size_t head = TableAt(sound, "head");
  const size_t loca = TableAt(sound, "loca");
  const size_t maxp = TableAt(sound, "maxp");
  ASSERT_EQ(sound[head + 51], 1);  // long locations
  struct Row {
    const char* what;
    std::function<void(Bytes&)> damage;
    bool fits;
  };
  const Row rows[] = {
      {"sound", [](Bytes&) {}, true},
      {"format flipped to short", [&](Bytes& f) { Put16(f, head + 50, 0); }, false},
      {"no such format", [&](Bytes& f) { Put16(f, head + 50, 2); }, false},
      {"a location past the glyphs", [&](Bytes& f) { Put16(f, loca + 8, 0x7FFF); }, false},
      {"a location going back", [&](Bytes& f) { Put16(f, loca + 18, 0); Put16(f, loca + 16, 0); }, false},
      {"more glyphs than locations", [&](Bytes& f) { Put16(f, maxp + 4, 0xFFFF); }, false},
      {"fewer glyphs than locations", [&](Bytes& f) { Put16(f, maxp + 4, 3); }, true},
      // Not TrueType outlines, or noise that the reader of names refuses: nothing to check.
      {"text", [](Bytes& f) { f = {'t', 'e', 'x', 't'}; }, true},
      {"noise", [](Bytes& f) { f.assign(100, 0xFF); }, true},
  };
  for (const Row& row : rows) {
    Bytes font = sound;
    row.damage(font);
    EXPECT_EQ(GlyphLocationsFit(font.data(), font.size()), row.fits) << row.what;
  }
}

}  // namespace
}  // namespace glyvane
