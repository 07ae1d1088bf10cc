#include "common/font_names.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace glyvane {
namespace {

namespace fs = std::filesystem;

constexpr uint16_t kFrench = 0x040C;

std::string Fixture(const std::string& name) { return std::string(GLYVANE_FONT_FIXTURES "/") + name; }

std::vector<uint8_t> Bytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

struct Expected {
  const char* file;
  uint16_t langId;
  FontNames names;
};

// Each expectation was seen in the system's font list under Wine (French user),
// except those marked as the system's fault there. The family and style end at 31
// UTF-16 units, the full name at 63, a NUL ends any, and each unit outside code page
// 1252 becomes one '?': a surrogate pair two, half of one cut at the end one.
TEST(ReadFontNames, ChoosesCutsAndConvertsTheNamesAsTheSystemDoes) {
  const Expected cases[] = {
      {"bold-fr.ttf", kFrench, {"Liberation Sans", "Liberation Sans Gras", "Gras"}},
      // The user's language first, then US English: a style in the same primary
      // language does not come before the English one.
      {"bold-fr.ttf", 0x080C, {"Liberation Sans", "Liberation Sans Gras BE", "Bold"}},
      {"bold-fr.ttf", 0x0C0C, {"Liberation Sans", "Liberation Sans Bold", "Bold"}},
      {"bold-fr.ttf", 0x0407, {"Liberation Sans", "Liberation Sans Bold", "Bold"}},
      {"fr-ca-and-english.ttf", kFrench, {"Glyvane Cas", "Glyvane Cas Regular", "Regular"}},
      {"french-and-english.ttf", kFrench, {"Zeta Glyvane", "Zeta Glyvane Normal", "Normal"}},
      // The language comes before the platform: Mac names in English before Windows
      // names in German. The font has no full name in English: the German one.
      {"german-only.ttf", kFrench, {"DejaVu Mac", "DejaVu Sans Fett", "Bold"}},
      {"symbol.ttf", kFrench, {"Marlett", "Marlett", "Regular"}},
      {"mac-only.ttf", 0x0409, {"Café Œuvre", "Café Œuvre ? Book", "Book"}},
      {"mac-only.ttf", kFrench, {"Café Œuvre", "Café Œuvre Livre", "Book"}},
      // The English full name of the encoding that carries a language, not the
      // one of an encoding that carries none.
      {"unicode-only.ttf", kFrench, {"Glyvane Unicode", "Glyvane Unicode Regular", "Regular"}},
      {"collection.ttc", kFrench, {"Liberation Sans", "Liberation Sans", "Regular"}},
      {"cff.otf", kFrench, {"Glyvane Test CFF", "", "Regular"}},
      {"no-full-name.ttf", kFrench, {"Glyvane Sans Nom", "", "Italic"}},
      // The full name has a language tag (format 1), which the system ignores.
      {"format1.ttf", kFrench, {"Liberation Mono", "", "Regular"}},
      // The Windows family name has an odd length: its last byte is dropped.
      {"odd-length.ttf", kFrench, {"Libera", "", ""}},
      {"name-last.ttf", kFrench, {"Lone ?", "", ""}},
      // Under Wine these two have an empty face and full name: Wine takes no name that
      // is neither in the user's language nor in US English, where Windows falls back.
      {"fr-ca-only.ttf", kFrench, {"Glyvane Québec", "Glyvane Québec Gras", "Gras"}},
      {"german.ttf", kFrench, {"Glyvane Deutsch", "Glyvane Deutsch Fett", "Fett"}},
      {"long-name.ttf", kFrench,
       {"Liberation Serif Long Family Na", "Œuvre « € » – ?ód? ?? \x81", "Regular"}},
      {"long-full-name.ttf", kFrench,
       {"Glyvane Long", "Glyvane Long Full Name Condensed Bold Oblique Beyond Sixty-Thre", "Condensed Bold Oblique"}},
      {"surrogate-cut.ttf", kFrench,
       {"Glyvane Surrogate Cut Family X?", "Glyvane Surrogate Cut Full Name That Runs Past Sixty-Three Uni?",
        "Regular"}},
      {"non-latin.ttf", kFrench, {"?ód? ?mega ?", "?ód? ?mega ? ?est “quotes” – ? ? ? ?? ????", "?mega"}},
  };
  for (const Expected& c : cases) {
    EXPECT_EQ(ReadFontNames(Fixture(c.file), c.langId), c.names) << c.file << " " << c.langId;
  }
}

// Files the system refuses (or adds without listing a face), and damaged files,
// which the reader refuses although the system under Wine lists some of them.
TEST(ReadFontNames, RefusesWhatTheSystemRefusesAndDamagedFiles) {
  for (const char* file : {"no-os2.ttf", "no-head.ttf", "no-hhea.ttf", "no-hmtx.ttf", "no-name.ttf", "no-loca.ttf",
                           "cff-without-outlines.otf", "name-only.ttf", "os2-short.ttf", "empty.ttf", "truncated.ttf",
                           "garbage.ttf", "text.ttf", "vgasys.fon", "name-format-2.ttf", "name-count-ffff.ttf",
                           "string-past-table.ttf", "format1-tag-count.ttf", "storage-in-records.ttf",
                           "table-past-end.ttf", "table-length-wraps.ttf", "collection-empty.ttc",
                           "collection-past-end.ttc", "no-such-file.ttf", "" /* the folder itself */}) {
    EXPECT_FALSE(ReadFontNames(Fixture(file), kFrench)) << file;
  }
}

// What the program refuses itself before the system sees a file: damaged TrueType
// files, not a bitmap font, text or noise, which the system answers for.
TEST(HasTrueTypeSignature, TellsTrueTypeOpenTypeAndCollectionsFromOtherFiles) {
  const std::pair<const char*, bool> rows[] = {{"name-count-ffff.ttf", true}, {"table-past-end.ttf", true},
      {"cff.otf", true}, {"collection.ttc", true}, {"truncated.ttf", true}, {"vgasys.fon", false},
      {"text.ttf", false}, {"empty.ttf", false}};
  for (const auto& [file, trueType] : rows) {
    const std::vector<uint8_t> bytes = Bytes(Fixture(file));
    EXPECT_EQ(HasTrueTypeSignature(bytes.data(), bytes.size()), trueType) << file;
  }
}

// The reader of bytes agrees with the reader of files, and inputs that once made the
// reader fail now end without fault, within the names' limits.
TEST(ParseFontNames, AgreesWithTheFileReaderAndReadsTheFuzzRegressions) {
  for (const char* folder : {GLYVANE_FONT_FIXTURES, GLYVANE_FUZZ_REGRESSIONS}) {
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
      const std::vector<uint8_t> bytes = Bytes(entry.path());
      const std::optional<FontNames> names = ParseFontNames(bytes.data(), bytes.size(), kFrench);
      EXPECT_EQ(names, ReadFontNames(entry.path().string(), kFrench)) << entry.path();
      EXPECT_TRUE(!names || (names->family.size() <= 31 && names->fullName.size() <= 63)) << entry.path();
    }
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

}  // namespace
}  // namespace glyvane
