#include <gtest/gtest.h>

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

// Alphabetical by caption as a sorted list box orders them, each with its own
// picture, inside the frame; the last (CD Orvex) opens no entry.
TEST(GridButtons, AreAlphabeticalWithAPictureOfTheirOwnInsideTheFrame) {
  std::vector<std::string> captions;
  std::set<int> pictures;
  for (const CatalogueButton& button : GridButtons()) {
    captions.push_back(button.caption);
    pictures.insert(button.picture);
  }
  ExpectInListOrder(captions);
  EXPECT_EQ(captions.back(), "CD Orvex");
  EXPECT_EQ(EntryOfButton("Command8"), nullptr);
  EXPECT_EQ(pictures.size(), static_cast<size_t>(kGridButtonCount));
  EXPECT_EQ(GridButtonRect(5).left, GridButtonRect(0).left);  // five to a row
  EXPECT_GT(GridButtonRect(5).top, GridButtonRect(4).top);
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
  EXPECT_EQ(EntryOfButton("Command1"), nullptr);
  EXPECT_EQ(EntryOfButton("Command"), nullptr);
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
    EXPECT_GT(price.francs, 0) << text;
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
}

TEST(OrderItems, AreInTheOrderOfASortedListBox) {
  ExpectInListOrder({OrderItems().begin(), OrderItems().end()});
}

}  // namespace
}  // namespace glyvane
