#include "common/registry_store.h"

#include <gtest/gtest.h>

#include "fake_registry.h"

namespace glyvane {
namespace {

constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;
const std::string kKey = "Software\\Orvex\\Glyvane\\Configuration";

// A text may be stored with or without its NUL: the text ends at the first one.
TEST(RegistryValues, ReadUpToTheFirstNulAndWriteFailingSilently) {
  FakeRegistry registry;
  for (const auto& [stored, text] : std::initializer_list<std::pair<std::string, std::string>>{
           {"", ""}, {std::string(1, '\0'), ""}, {"7", "7"}, {std::string("12\0", 3), "12"},
           {std::string("ab\0cd", 5), "ab"}, {std::string("\0abc", 4), ""}}) {
    registry.values[{kMachine, kKey, "Table"}] = stored;
    EXPECT_EQ(ReadRegistryValue(registry, kMachine, kKey, "Table"), text) << stored;
  }
  WriteRegistryValue(registry, kMachine, kKey, "Table", "Non");
  registry.locked.insert(kKey);
  WriteRegistryValue(registry, kMachine, kKey, "Table", "Oui");
  EXPECT_EQ((registry.values[{kMachine, kKey, "Table"}]), "Non");
}

// An existing empty value is returned as it is, not replaced by the default.
TEST(UserSettings, LiveUnderTheApplicationAndSectionOfTheCurrentUser) {
  FakeRegistry registry;
  EXPECT_EQ(GetUserSetting(registry, "Glyvane", "Configuration", "Dossier", "C:\\"), "C:\\");
  SaveUserSetting(registry, "Glyvane", "Configuration", "Dossier", "D:\\Polices");
  EXPECT_EQ((registry.values[{RegistryRoot::CurrentUser, kKey, "Dossier"}]), "D:\\Polices");
  SaveUserSetting(registry, "Catalogue", "Coordonnées", "Nom", "");
  EXPECT_EQ(GetUserSetting(registry, "Catalogue", "Coordonnées", "Nom", "x"), "");
}

}  // namespace
}  // namespace glyvane
