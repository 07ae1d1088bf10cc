#include "common/font_verdicts.h"

#include <gtest/gtest.h>

namespace glyvane {
namespace {

TEST(FontVerdicts, HoldOnlyForTheSameFileUnchanged) {
  FontVerdicts verdicts;
  verdicts.Remember("C:\\a.ttf", FileStamp{1000, 77}, false);
  verdicts.Remember("C:\\b.ttf", FileStamp{1000, 77}, true);
  EXPECT_EQ(verdicts.Known("C:\\a.ttf", {1000, 77}), false);
  EXPECT_EQ(verdicts.Known("C:\\b.ttf", {1000, 77}), true);
  EXPECT_EQ(verdicts.Known("C:\\a.ttf", {1001, 77}), std::nullopt);  // rewritten, another size
  EXPECT_EQ(verdicts.Known("C:\\a.ttf", {1000, 78}), std::nullopt);  // rewritten, the same size
  EXPECT_EQ(verdicts.Known("C:\\c.ttf", {1000, 77}), std::nullopt);
  verdicts.Remember("C:\\a.ttf", FileStamp{1001, 80}, true);  // tried again once changed
  EXPECT_EQ(verdicts.Known("C:\\a.ttf", {1001, 80}), true);
  EXPECT_EQ(verdicts.Known("C:\\a.ttf", {1000, 77}), std::nullopt);
}

}  // namespace
}  // namespace glyvane
