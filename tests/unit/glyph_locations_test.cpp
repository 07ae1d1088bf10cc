#include "common/glyph_locations.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

namespace glyvane {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes FileBytes(const char* path) {
  std::ifstream file(path, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// The offset of a table of a font (not a collection), from its directory.
size_t TableAt(const Bytes& font, const char* tag) {
  const size_t count = size_t{font[4]} << 8 | font[5];
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* entry = font.data() + 12 + 16 * i;
    if (std::equal(tag, tag + 4, entry)) return size_t{entry[8]} << 24 | size_t{entry[9]} << 16 | size_t{entry[10]} << 8 | entry[11];
  }
  ADD_FAILURE() << tag;
  return 0;
}

void Put16(Bytes& font, size_t at, uint16_t value) {
  font[at] = static_cast<uint8_t>(value >> 8);
  font[at + 1] = static_cast<uint8_t>(value);
}

TEST(GlyphLocationsFit, RefusesLocationsThatLeadOutsideTheGlyphData) {
  const Bytes sound = FileBytes("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf");
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
      {"a location going back", [&](Bytes& f) { Put16(f, loca + 16 + 2, 0); Put16(f, loca + 16, 0); }, false},
      {"more glyphs than locations", [&](Bytes& f) { Put16(f, maxp + 4, 0xFFFF); }, false},
      {"fewer glyphs than locations", [&](Bytes& f) { Put16(f, maxp + 4, 3); }, true},
  };
  for (const Row& row : rows) {
    Bytes font = sound;
    row.damage(font);
    EXPECT_EQ(GlyphLocationsFit(font.data(), font.size()), row.fits) << row.what;
  }
}

TEST(GlyphLocationsFit, PassesFontsWithoutTrueTypeOutlinesAndShortFiles) {
  const Bytes text = {'t', 'e', 'x', 't'};
  EXPECT_TRUE(GlyphLocationsFit(text.data(), text.size()));
  const Bytes noise(100, 0xFF);  // the reader of names refuses it; nothing to check here
  EXPECT_TRUE(GlyphLocationsFit(noise.data(), noise.size()));
  EXPECT_TRUE(FileGlyphLocationsFit("/no/such/file.ttf"));
}

}  // namespace
}  // namespace glyvane
