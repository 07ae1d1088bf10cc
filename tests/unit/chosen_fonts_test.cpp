#include "printing/chosen_fonts.h"

#include <gtest/gtest.h>

namespace glyvane {
namespace {

TEST(ToggleChosenFont, KeepsTheTickingOrderAndDropsAnIndexTickedAgain) {
  std::vector<int> chosen;
  for (int item : {5, 2, 5}) ToggleChosenFont(chosen, item);
  EXPECT_EQ(chosen, std::vector<int>{2});
  for (int item : {7, 3, 12}) ToggleChosenFont(chosen, item);
  EXPECT_EQ(chosen, (std::vector<int>{2, 7, 3, 12}));
  ToggleChosenFont(chosen, 7);
  ToggleChosenFont(chosen, 7);  // ticked again: now last
  EXPECT_EQ(chosen, (std::vector<int>{2, 3, 12, 7}));
  ToggleChosenFont(chosen, 1);  // 1 is not 12's first digit
  ToggleChosenFont(chosen, 1);
  EXPECT_EQ(chosen, (std::vector<int>{2, 3, 12, 7}));
}

}  // namespace
}  // namespace glyvane
