#include "common/registry_store.h"

#include <gtest/gtest.h>

#include "fake_registry.h"

namespace glyvane {
namespace {

constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;
const std::string kKey = "Software\\Orvex\\Glyvane\\Configuration";

std::string Stored(FakeRegistry& registry, const std::string& bytes) {
  registry.values[{kMachine, kKey, "Table"}] = bytes;
  return ReadRegistryValue(registry, kMachine, kKey, "Table");
}

TEST(ReadRegistryValue, IsEmptyWhenTheKeyOrValueIsMissingOrHoldsNoText) {
  FakeRegistry registry;
  EXPECT_EQ(ReadRegistryValue(registry, kMachine, kKey, "Table"), "");
  EXPECT_EQ(Stored(registry, ""), "");
  EXPECT_EQ(Stored(registry, std::string(1, '\0')), "");  // an empty string's terminator
  registry.locked.insert(kKey);
  EXPECT_EQ(ReadRegistryValue(registry, kMachine, kKey, "Table"), "");
}

TEST(ReadRegistryValue, EndsTheTextAtItsFirstNul) {
  FakeRegistry registry;
  EXPECT_EQ(Stored(registry, "12"), "12");  // stored without a terminator
  EXPECT_EQ(Stored(registry, "7"), "7");
  EXPECT_EQ(Stored(registry, std::string("7\0", 2)), "7");
  EXPECT_EQ(Stored(registry, std::string("12\0", 3)), "12");
  EXPECT_EQ(Stored(registry, std::string("ab\0cd", 5)), "ab");
  EXPECT_EQ(Stored(registry, std::string("\0abc", 4)), "");
}

TEST(WriteRegistryValue, StoresTheTextAsAStringAndFailsSilently) {
  FakeRegistry registry;
  WriteRegistryValue(registry, kMachine, kKey, "Aperçu", "Non");
  const FakeRegistry::Where where{kMachine, kKey, "Aperçu"};
  EXPECT_EQ(registry.values[where], "Non");
  EXPECT_EQ(registry.types[where], kRegSz);
  registry.locked.insert(kKey);
  WriteRegistryValue(registry, kMachine, kKey, "Aperçu", "Oui");  // fails without a word
  EXPECT_EQ(registry.values[where], "Non");
}

TEST(UserSettings, LiveUnderTheApplicationAndSectionOfTheCurrentUser) {
  FakeRegistry registry;
  EXPECT_EQ(GetUserSetting(registry, "Glyvane", "Configuration", "Dossier"), "");
  EXPECT_EQ(GetUserSetting(registry, "Glyvane", "Configuration", "Dossier", "C:\\"), "C:\\");
  SaveUserSetting(registry, "Glyvane", "Configuration", "Dossier", "D:\\Polices");
  EXPECT_EQ((registry.values[{RegistryRoot::CurrentUser, "Software\\Orvex\\Glyvane\\Configuration", "Dossier"}]),
            "D:\\Polices");
  EXPECT_EQ(GetUserSetting(registry, "Glyvane", "Configuration", "Dossier", "C:\\"), "D:\\Polices");
  // A value that exists but is empty is returned as it is, not replaced by the default.
  SaveUserSetting(registry, "Catalogue", "Coordonnées", "Nom", "");
  EXPECT_EQ(GetUserSetting(registry, "Catalogue", "Coordonnées", "Nom", "x"), "");
}

}  // namespace
}  // namespace glyvane
