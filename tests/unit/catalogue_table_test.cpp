#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "catalogue/button_grid.h"
#include "catalogue/entry_table.h"
#include "catalogue/order_items.h"

namespace glyvane {
namespace {

// How a sorted list box of a French system orders texts (word sort): case and
// accents do not count first, hyphens and apostrophes are passed over, blanks come
// before digits and digits before letters. Texts whose keys differ are ordered by
// them; equal keys would leave the order to finer rules, so the tests want them
// different.
std::string ListOrderKey(const std::string& text) {
  static const std::string accented = "àáâãäåçèéêëìíîïñòóôõöùúûüýÿÀÁÂÃÄÅÇÈÉÊËÌÍÎÏÑÒÓÔÕÖÙÚÛÜÝ";
  static const std::string plain = "AAAAAACEEEEIIIINOOOOOUUUUYYAAAAAACEEEEIIIINOOOOOUUUUY";
  std::string key;
  for (const char c : text) {
    if (c == '-' || c == '\'') continue;
    const size_t accent = accented.find(c);
    if (accent != std::string::npos) {
      key += plain[accent];
    } else if (c == '\x9c' || c == '\x8c') {  // œ, Œ
      key += "OE";
    } else if (c >= 'a' && c <= 'z') {
      key += static_cast<char>(c - 'a' + 'A');
    } else {
      key += c;
    }
  }
  return key;
}

void ExpectInListOrder(const std::vector<std::string>& texts) {
  for (size_t i = 1; i < texts.size(); ++i) {
    EXPECT_LT(ListOrderKey(texts[i - 1]), ListOrderKey(texts[i]))
        << '"' << texts[i - 1] << "\" should come before \"" << texts[i] << '"';
  }
}

TEST(GridButtons, FollowTheButtonNamesRowByRow) {
  const std::vector<std::string> expected = {
      "Command12", "Command15", "Command3",  "Command7",  "Command16",
      "Command17", "Command6",  "Command5",  "Command11", "Command13",
      "Command9",  "Command10", "Command4",  "Command14", "Command8"};
  std::vector<std::string> names;
  for (const CatalogueButton& button : GridButtons()) names.push_back(button.name);
  EXPECT_EQ(names, expected);
}

TEST(GridButtons, AreAlphabeticalByCaptionWithCdOrvexLast) {
  std::vector<std::string> captions;
  for (const CatalogueButton& button : GridButtons()) captions.push_back(button.caption);
  ExpectInListOrder(captions);
  EXPECT_EQ(captions.back(), "CD Orvex");
  EXPECT_EQ(EntryOfButton("Command8"), nullptr);
}

TEST(GridButtons, EachShowsAPictureOfItsOwn) {
  std::set<int> pictures;
  for (const CatalogueButton& button : GridButtons()) pictures.insert(button.picture);
  EXPECT_EQ(pictures.size(), static_cast<size_t>(kGridButtonCount));
}

TEST(GridButtonRect, PlacesFiveColumnsAndThreeRowsInsideTheFrame) {
  const TwipRect first = GridButtonRect(0);
  EXPECT_EQ(first.left, 240);
  EXPECT_EQ(first.top, 480);
  EXPECT_EQ(first.width, 1575);
  EXPECT_EQ(first.height, 855);
  EXPECT_EQ(GridButtonRect(4).left, 7440);
  EXPECT_EQ(GridButtonRect(4).top, 480);
  EXPECT_EQ(GridButtonRect(5).left, 240);
  EXPECT_EQ(GridButtonRect(5).top, 1440);
  EXPECT_EQ(GridButtonRect(12).left, 3840);
  EXPECT_EQ(GridButtonRect(12).top, 2400);
  const TwipRect last = GridButtonRect(14);
  EXPECT_LE(last.left + last.width, kButtonFrameRect.width);
  EXPECT_LE(last.top + last.height, kButtonFrameRect.height);
  EXPECT_THROW(GridButtonRect(15), std::out_of_range);
  EXPECT_THROW(GridButtonRect(-1), std::out_of_range);
}

TEST(EntryOfButton, FindsTheEntryOfEachEntryButton) {
  for (const CatalogueEntry& entry : CatalogueEntries()) {
    EXPECT_EQ(EntryOfButton(entry.button.name), &entry) << entry.button.name;
  }
  EXPECT_STREQ(EntryOfButton("Command12")->entryName, "Agenda 2000");
  EXPECT_EQ(EntryOfButton("Command1"), nullptr);
  EXPECT_EQ(EntryOfButton("Command"), nullptr);
}

TEST(CatalogueEntries, TheGlyvaneRowIsTheFontViewersOwn) {
  int found = 0;
  for (const CatalogueEntry& entry : CatalogueEntries()) {
    if (std::string(entry.entryName) != "Glyvane") continue;
    ++found;
    EXPECT_STREQ(entry.operatingSystem, "Windows 9x/NT");
    EXPECT_STREQ(entry.extraRequirement, "");
    EXPECT_STREQ(entry.versionText, "3.20");
    EXPECT_STREQ(entry.priceText, "50 FF ou 7,62 Euros");
    const std::string description = entry.description;
    EXPECT_EQ(description.find(". "), std::string::npos) << "one sentence";
    EXPECT_EQ(description.back(), '.');
  }
  EXPECT_EQ(found, 1);
}

TEST(CatalogueEntries, OnlyCommand10AndCommand15NeedWindows9x) {
  std::set<std::string> nineX;
  for (const CatalogueEntry& entry : CatalogueEntries()) {
    const std::string system = entry.operatingSystem;
    if (system == "Windows 9x") {
      nineX.insert(entry.button.name);
    } else {
      EXPECT_EQ(system, "Windows 9x/NT") << entry.button.name;
    }
  }
  EXPECT_EQ(nineX, (std::set<std::string>{"Command10", "Command15"}));
}

TEST(CatalogueEntries, OnlyCommand3AndCommand17HaveAnExtraRequirement) {
  std::set<std::string> extra;
  for (const CatalogueEntry& entry : CatalogueEntries()) {
    if (*entry.extraRequirement != '\0') extra.insert(entry.button.name);
  }
  EXPECT_EQ(extra, (std::set<std::string>{"Command17", "Command3"}));
}

TEST(CatalogueEntries, VersionsHaveTwoDecimals) {
  for (const CatalogueEntry& entry : CatalogueEntries()) {
    const std::string version = entry.versionText;
    const size_t point = version.find('.');
    ASSERT_NE(point, std::string::npos) << version;
    EXPECT_GE(point, 1u) << version;
    EXPECT_EQ(version.size() - point - 1, 2u) << version;
    EXPECT_EQ(version.find_first_not_of("0123456789."), std::string::npos) << version;
  }
}

// A paid entry's price text, read back: its francs, and its euros as written.
struct WrittenPrice {
  int francs = 0;
  std::string euros;
};

WrittenPrice ReadPriceText(const std::string& text) {
  WrittenPrice price;
  const size_t ff = text.find(" FF ou ");
  const size_t euros = text.rfind(" Euros");
  if (ff == std::string::npos || euros == std::string::npos || euros + 6 != text.size()) {
    return price;
  }
  price.francs = std::stoi(text.substr(0, ff));
  price.euros = text.substr(ff + 7, euros - ff - 7);
  return price;
}

// The euro amount worked out here, apart from the program's formatting.
std::string EurosOf(int francs) {
  const long cents = std::lround(francs / 6.55957 * 100.0);
  char text[32];
  std::snprintf(text, sizeof text, "%ld,%02ld", cents / 100, cents % 100);
  return text;
}

TEST(CatalogueEntries, NinePaidInWholeFrancsAndEurosFiveFree) {
  int paid = 0;
  int free = 0;
  for (const CatalogueEntry& entry : CatalogueEntries()) {
    const std::string text = entry.priceText;
    if (text == "Gratuit") {
      ++free;
      continue;
    }
    ++paid;
    const WrittenPrice price = ReadPriceText(text);
    EXPECT_GE(price.francs, 10) << text;  // two or three digits
    EXPECT_LE(price.francs, 999) << text;
    EXPECT_EQ(text.substr(0, text.find(' ')), std::to_string(price.francs)) << text;
    EXPECT_EQ(price.euros, EurosOf(price.francs)) << text;
  }
  EXPECT_EQ(paid, 9);
  EXPECT_EQ(free, 5);
}

// The order form offers exactly the catalogue: for a paid entry its priced item, at
// the francs of its price text, and its " - ShareWare" twin; for a free one its
// " - FreeWare" item.
TEST(OrderItems, MatchTheEntriesNamesAndPrices) {
  std::multiset<std::string> expected;
  std::multiset<std::string> offered;
  for (const CatalogueEntry& entry : CatalogueEntries()) {
    const std::string name = entry.entryName;
    if (std::string(entry.priceText) == "Gratuit") {
      expected.insert(name + " - FreeWare");
    } else {
      expected.insert(name + " - " + std::to_string(ReadPriceText(entry.priceText).francs) +
                      " FF°");
      expected.insert(name + " - ShareWare");
    }
  }
  int trailingBlanks = 0;
  for (std::string item : OrderItems()) {
    if (item.back() == ' ') {
      ++trailingBlanks;
      item.pop_back();
    }
    offered.insert(item);
  }
  EXPECT_EQ(offered, expected);
  EXPECT_EQ(trailingBlanks, 1);
  EXPECT_EQ(std::string(OrderItems()[21]), "Glyvane - 50 FF°");
}

TEST(OrderItems, AreInTheOrderOfASortedListBox) {
  ExpectInListOrder({OrderItems().begin(), OrderItems().end()});
}

TEST(PriceNote, StartsWithTheDegreeSignOnOneLine) {
  const std::string note = kPriceNote;
  EXPECT_EQ(note.rfind("° ", 0), 0u);
  EXPECT_EQ(note.find('\n'), std::string::npos);
}

// The detail dialog's description box is 4215 x 1215 twips in Times New Roman: even
// at 8 points it shows about six lines of 60 characters, under 400 in all.
TEST(CatalogueEntries, DescriptionsAreOneParagraphAndOneNeedsScrolling) {
  size_t longest = 0;
  for (const CatalogueEntry& entry : CatalogueEntries()) {
    const std::string description = entry.description;
    EXPECT_FALSE(description.empty()) << entry.entryName;
    EXPECT_EQ(description.find_first_of("\r\n"), std::string::npos) << entry.entryName;
    EXPECT_EQ(description.find("  "), std::string::npos) << entry.entryName;
    longest = std::max(longest, description.size());
  }
  EXPECT_GT(longest, 600u);
}

}  // namespace
}  // namespace glyvane
