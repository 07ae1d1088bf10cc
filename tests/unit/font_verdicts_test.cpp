#include "common/font_verdicts.h"

#include <gtest/gtest.h>

namespace glyvane {
namespace {

TEST(FontVerdicts, HoldOnlyForTheSameFileUnchanged) {
  FontVerdicts verdicts;
  verdicts.Remember("C:\\polices\\a.ttf", FileStamp{1000, 77}, false);
  verdicts.Remember("C:\\polices\\b.ttf", FileStamp{1000, 77}, true);
  struct Row {
    const char* path;
    FileStamp stamp;
    std::optional<bool> known;
  };
  const Row rows[] = {
      {"C:\\polices\\a.ttf", {1000, 77}, false},
      {"C:\\polices\\b.ttf", {1000, 77}, true},
      {"C:\\polices\\a.ttf", {1001, 77}, std::nullopt},  // rewritten, another size
      {"C:\\polices\\a.ttf", {1000, 78}, std::nullopt},  // rewritten, the same size
      {"C:\\polices\\c.ttf", {1000, 77}, std::nullopt},
  };
  for (const Row& row : rows) EXPECT_EQ(verdicts.Known(row.path, row.stamp), row.known) << row.path;

  verdicts.Remember("C:\\polices\\a.ttf", FileStamp{1001, 80}, true);  // tried again once changed
  EXPECT_EQ(verdicts.Known("C:\\polices\\a.ttf", FileStamp{1001, 80}), true);
  EXPECT_EQ(verdicts.Known("C:\\polices\\a.ttf", FileStamp{1000, 77}), std::nullopt);
}

}  // namespace
}  // namespace glyvane
