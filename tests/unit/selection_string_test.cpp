#include "catalogue/selection_string.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace glyvane {
namespace {

// Every item ticked and unticked in scrambled orders, against a plain list of the
// ticked indices kept in ticking order: a reticked item goes to the end, the last
// one unticked gives the empty selection back, and a one-digit index is told from a
// two-digit one that shares its digit (1 and 12, 0 and 10).
TEST(ToggleSelection, AgreesWithAListOfTickedItemsOverLongRuns) {
  std::vector<int> ticked;
  std::string selection = kEmptySelection;
  unsigned state = 12345;
  for (int step = 0; step < 2000; ++step) {
    state = state * 1103515245u + 12345u;
    const int item = static_cast<int>((state >> 16) % 23);
    selection = ToggleSelection(selection, item);
    if (std::erase(ticked, item) == 0) ticked.push_back(item);
    std::string expected = ";";
    for (const int index : ticked) expected += std::to_string(index) + ";";
    ASSERT_EQ(selection, expected) << "step " << step << ", item " << item;
    ASSERT_EQ(SelectedItems(selection), ticked) << "step " << step;
  }
  EXPECT_TRUE(SelectedItems("").empty());
}

}  // namespace
}  // namespace glyvane
