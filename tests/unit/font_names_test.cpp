#include "common/font_names.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace glyvane {
namespace {

namespace fs = std::filesystem;

constexpr uint16_t kFrench = 0x040C;

std::string Fixture(const std::string& name) {
  return std::string(GLYVANE_FONT_FIXTURES "/") + name;
}

std::vector<uint8_t> Bytes(const fs::path& path) {
  std::vector<uint8_t> bytes(fs::is_regular_file(path) ? fs::file_size(path) : 0);
  std::ifstream(path, std::ios::binary)
      .read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

struct Expected {
  const char* file;
  uint16_t langId;
  FontNames names;
};

TEST(ReadFontNames, ChoosesTheNamesAsTheSystemDoes) {
  const Expected cases[] = {
      {"bold-fr.ttf", kFrench, {"Liberation Sans", "Liberation Sans Gras", "Gras"}},
      {"bold-fr.ttf", 0x080C, {"Liberation Sans", "Liberation Sans Gras BE", "Gras"}},
      {"bold-fr.ttf", 0x0C0C, {"Liberation Sans", "Liberation Sans Gras", "Gras"}},
      {"bold-fr.ttf", 0x0407, {"Liberation Sans", "Liberation Sans Bold", "Bold"}},
      // Windows names in another language come before Mac names in English.
      {"german-only.ttf", kFrench, {"DejaVu Sans", "DejaVu Sans Fett", "Fett"}},
      {"symbol.ttf", kFrench, {"Marlett", "Marlett", "Regular"}},
      {"mac-only.ttf", 0x0409, {"Café Œuvre", "Café Œuvre ? Book", "Book"}},
      {"mac-only.ttf", kFrench, {"Café Œuvre", "Café Œuvre Livre", "Book"}},
      {"collection.ttc", kFrench, {"Liberation Sans", "Liberation Sans", "Regular"}},
      {"cff.otf", kFrench, {"Glyvane Test CFF", "", "Regular"}},
      {"name-only.ttf", kFrench, {"Lone ?", "", ""}},
      {"format1.ttf", kFrench, {"Liberation Mono", "Liberation Mono FR", "Regular"}},
      // The Windows family name's UTF-16 is broken, so the Mac one stands in.
      {"odd-length.ttf", kFrench, {"Liberation Mac", "", ""}},
      {"long-name.ttf", kFrench,
       {"Liberation Serif Long Family Na", "Œuvre « € » – ?ód? ? \x81", "Regular"}},
  };
  for (const Expected& c : cases) {
    EXPECT_EQ(ReadFontNames(Fixture(c.file), c.langId), c.names) << c.file << " " << c.langId;
  }
}

TEST(ReadFontNames, RefusesDamagedAndOtherFiles) {
  for (const char* file :
       {"empty.ttf", "truncated.ttf", "garbage.ttf", "text.ttf", "vgasys.fon",
        "name-format-2.ttf", "name-count-ffff.ttf", "string-past-table.ttf",
        "format1-tag-count.ttf", "storage-in-records.ttf", "table-past-end.ttf",
        "table-length-wraps.ttf", "collection-empty.ttc", "collection-past-end.ttc",
        "no-such-file.ttf", "" /* the folder itself */}) {
    EXPECT_FALSE(ReadFontNames(Fixture(file), kFrench)) << file;
  }
}

TEST(ParseFontNames, AgreesWithTheFileReader) {
  for (const fs::directory_entry& entry : fs::directory_iterator(GLYVANE_FONT_FIXTURES)) {
    const std::vector<uint8_t> bytes = Bytes(entry.path());
    EXPECT_EQ(ParseFontNames(bytes.data(), bytes.size(), kFrench),
              ReadFontNames(entry.path().string(), kFrench))
        << entry.path();
  }
}

// Every table must lie inside the file: each shorter copy is refused, and none is read
// past its end (each copy has a buffer of its own size, for the address sanitizer).
TEST(ParseFontNames, RefusesEveryTruncatedCopy) {
  const std::vector<uint8_t> font = Bytes(Fixture("symbol.ttf"));
  ASSERT_TRUE(ParseFontNames(font.data(), font.size(), kFrench));
  for (size_t size = 0; size < font.size(); ++size) {
    const std::vector<uint8_t> copy(font.begin(), font.begin() + static_cast<std::ptrdiff_t>(size));
    EXPECT_FALSE(ParseFontNames(copy.data(), copy.size(), kFrench)) << size;
  }
}

// Inputs that once made the reader fail; each must now end without fault.
TEST(ParseFontNames, ReadsTheFuzzRegressions) {
  for (const fs::directory_entry& entry : fs::directory_iterator(GLYVANE_FUZZ_REGRESSIONS)) {
    const std::vector<uint8_t> bytes = Bytes(entry.path());
    const std::optional<FontNames> names = ParseFontNames(bytes.data(), bytes.size(), kFrench);
    if (names) {
      EXPECT_LE(names->family.size(), 31u) << entry.path();
    }
  }
}

}  // namespace
}  // namespace glyvane
