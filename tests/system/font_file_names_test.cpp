// Font file names in the Windows programs: the portable reader's names, in the
// user's language (French in the test prefix), converted by the system's own
// conversion to the ANSI code page.
#include <gtest/gtest.h>

#include "common/system/font_file_names.h"

namespace glyvane::test {
namespace {

std::string Fixture(const char* name) { return std::string(GLYVANE_FONT_FIXTURES "/") + name; }

TEST(ReadFontNamesForSystem, SpellsNamesAsTheSystemsConversionDoes) {
  // Best fit, where the reader's own conversion writes "?ód? ?mega ?"; a surrogate
  // pair is two units, each a "?".
  const FontNames nonLatin = {"Lódz Omega A", "Lódz Omega A Test “quotes” – ? ? ? ?? a??e", "Omega"};
  EXPECT_EQ(ReadFontNamesForSystem(Fixture("non-latin.ttf")), nonLatin);
  const FontNames french = {"Liberation Sans", "Liberation Sans Gras", "Gras"};
  EXPECT_EQ(ReadFontNamesForSystem(Fixture("bold-fr.ttf")), french);
  const std::optional<FontNames> longName = ReadFontNamesForSystem(Fixture("long-full-name.ttf"));
  ASSERT_TRUE(longName);
  EXPECT_EQ(longName->fullName, "Glyvane Long Full Name Condensed Bold Oblique Beyond Sixty-Thre");
}

TEST(ReadFontNamesForSystem, RefusesWhatTheSystemRefuses) {
  for (const char* file : {"no-os2.ttf", "no-hmtx.ttf", "vgasys.fon", "string-past-table.ttf"}) {
    EXPECT_FALSE(ReadFontNamesForSystem(Fixture(file))) << file;
  }
}

TEST(ToAnsiCodePage, CutsAtTheGivenLengthInBytes) {  // "Łódź"
  EXPECT_EQ(ToAnsiCodePage(u"\u0141\u00F3d\u017A", 3), "Lód");
  EXPECT_EQ(ToAnsiCodePage(u"\u0141\u00F3d\u017A", 31), "Lódz");
  EXPECT_EQ(ToAnsiCodePage(u"", 31), "");
}

}  // namespace
}  // namespace glyvane::test
