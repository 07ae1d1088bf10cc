#include "viewer/settings.h"

#include <gtest/gtest.h>

#include "common/app_error.h"
#include "fake_registry.h"
#include "viewer/size_setting.h"

namespace glyvane {
namespace {

class GlyvaneSettingsTest : public ::testing::Test {
 protected:
  void Store(const char* name, const std::string& text) {
    registry.values[{RegistryRoot::LocalMachine, kConfigurationKey, name}] = text;
  }
  FakeRegistry registry;
  GlyvaneSettings french{registry, ','};
};

TEST_F(GlyvaneSettingsTest, FirstRunUsesSizeElevenPreviewOnAndTheRootOfC) {
  EXPECT_EQ(french.TableSize(), 11.0);
  EXPECT_EQ(french.CopySize(), 11.0);
  EXPECT_TRUE(french.PreviewOn());
  EXPECT_EQ(french.Folder(), "C:\\");
}

TEST_F(GlyvaneSettingsTest, AnEmptyFolderValueReadsAsTheRootOfC) {
  SaveUserSetting(registry, kFolderApplication, kFolderSection, kFolderKey, "");
  EXPECT_EQ(french.Folder(), "C:\\");
  french.SaveFolder("D:\\Polices");
  EXPECT_EQ(french.Folder(), "D:\\Polices");
}

TEST_F(GlyvaneSettingsTest, SizesAreReadInTheUserLocale) {
  Store(kTableValue, "12,5");
  EXPECT_EQ(french.TableSize(), 12.5);
  GlyvaneSettings english(registry, '.');
  EXPECT_THROW(english.TableSize(), AppError);
}

// A stored size the commands would refuse gives the default, as an absent one does.
TEST_F(GlyvaneSettingsTest, AStoredSizeOutsideWhatTheCommandsAcceptReadsAsEleven) {
  for (const char* stored : {"0", "-5", "0,5", "16", "1e308", "1e-300"}) {
    Store(kCopyValue, stored);
    EXPECT_EQ(french.CopySize(), 11.0) << stored;
  }
}

TEST_F(GlyvaneSettingsTest, AStoredSizeThatIsNoNumberIsATypeMismatch) {
  Store(kCopyValue, "abc");
  try {
    french.CopySize();
    FAIL() << "no error";
  } catch (const AppError& error) {
    EXPECT_EQ(error.number(), 13);
    EXPECT_EQ(ErrorMessageText(error), "Erreur N°13 : Incompatibilité de type");
  }
}

TEST_F(GlyvaneSettingsTest, OnlyTheExactTextNonTurnsThePreviewOff) {
  for (const char* text : {"non", "Oui", "NON", "Non ", "x"}) {
    Store(kPreviewValue, text);
    EXPECT_TRUE(french.PreviewOn()) << text;
  }
  Store(kPreviewValue, "Non");
  EXPECT_FALSE(french.PreviewOn());
}

TEST_F(GlyvaneSettingsTest, WritesWhatTheUserTypedAndThePreviewWords) {
  french.SaveTableSize("12,50");
  french.SavePreview(false);
  EXPECT_EQ((registry.values[{RegistryRoot::LocalMachine, kConfigurationKey, "Table"}]), "12,50");
  EXPECT_EQ((registry.values[{RegistryRoot::LocalMachine, kConfigurationKey, "Aperçu"}]), "Non");
  french.SavePreview(true);
  EXPECT_EQ((registry.values[{RegistryRoot::LocalMachine, kConfigurationKey, "Aperçu"}]), "Oui");
}

TEST(AcceptSizeAnswer, TakesNumbersFromOneToBelowSixteen) {
  EXPECT_EQ(AcceptSizeAnswer("15", ','), 15.0);
  EXPECT_EQ(AcceptSizeAnswer("15,99", ','), 15.99);
  EXPECT_EQ(AcceptSizeAnswer("1", ','), 1.0);
  EXPECT_EQ(AcceptSizeAnswer("12.5", '.'), 12.5);
  for (const char* refused : {"16", "16,0", "100", "0", "0,5", "1e-300", "-2", "", "abc", "12.5"}) {
    EXPECT_FALSE(AcceptSizeAnswer(refused, ',')) << refused;
  }
  EXPECT_FALSE(AcceptSizeAnswer("12,5", '.'));
}

}  // namespace
}  // namespace glyvane
