#include "viewer/settings.h"

#include <gtest/gtest.h>

#include "common/app_error.h"
#include "fake_registry.h"
#include "viewer/size_setting.h"

namespace glyvane {
namespace {

class GlyvaneSettingsTest : public ::testing::Test {
 protected:
  std::string& Stored(const char* name) {
    return registry.values[{RegistryRoot::LocalMachine, kConfigurationKey, name}];
  }
  FakeRegistry registry;
  GlyvaneSettings french{registry, ','};
};

// (The sizes and the preview as the window reads and saves them: the main window's tests.)
TEST_F(GlyvaneSettingsTest, AnEmptyFolderIsTheDefaultAndWhatIsSavedIsStoredAsTyped) {
  SaveUserSetting(registry, kFolderApplication, kFolderSection, kFolderKey, "");
  EXPECT_EQ(french.Folder(), "C:\\");
  french.SaveFolder("D:\\Polices");
  EXPECT_EQ(french.Folder(), "D:\\Polices");
  Stored(kPreviewValue) = "non";
  EXPECT_TRUE(french.PreviewOn());
}

// A stored size the commands would refuse gives the default, as an absent one does;
// one that is no number in the user's locale is a type mismatch.
TEST_F(GlyvaneSettingsTest, StoredSizesAreReadInTheUserLocale) {
  Stored(kTableValue) = "12,5";
  EXPECT_THROW(GlyvaneSettings(registry, '.').TableSize(), AppError);
  for (const char* stored : {"0", "-5", "0,5", "16", "1e308", "1e-300"}) {
    Stored(kCopyValue) = stored;
    EXPECT_EQ(french.CopySize(), 11.0) << stored;
  }
  Stored(kCopyValue) = "abc";
  EXPECT_THROW(french.CopySize(), AppError);
}

TEST(AcceptSizeAnswer, TakesNumbersFromOneToBelowSixteenInTheUserLocale) {
  EXPECT_EQ(AcceptSizeAnswer("15,99", ','), 15.99);
  EXPECT_EQ(AcceptSizeAnswer("1", ','), 1.0);
  EXPECT_EQ(AcceptSizeAnswer("12.5", '.'), 12.5);
  for (const char* refused : {"16", "16,0", "0", "0,5", "1e-300", "-2", "", "abc", "12.5"}) {
    EXPECT_FALSE(AcceptSizeAnswer(refused, ',')) << refused;
  }
}

}  // namespace
}  // namespace glyvane
