#include "common/registry_store.h"

namespace glyvane {

namespace {

// A stored string ends at its first NUL, whether or not its writer stored one.
std::string UpToFirstNul(std::string data) {
  const size_t nul = data.find('\0');
  if (nul != std::string::npos) data.resize(nul);
  return data;
}

}  // namespace

std::string ReadRegistryValue(RegistryStore& store, RegistryRoot root, const std::string& path,
                              const std::string& name, uint32_t /*type*/) {
  RegistryRead read = store.Read(root, path, name);
  // A one-character text stored without its NUL ("9") is one byte long too: only the
  // NUL itself makes an empty value.
  if (read.status != RegistryRead::Status::Found) return {};
  return UpToFirstNul(std::move(read.data));
}

void WriteRegistryValue(RegistryStore& store, RegistryRoot root, const std::string& path,
                        const std::string& name, std::string_view text, uint32_t type) {
  store.Write(root, path, name, text, type);
}

std::string UserSettingPath(const std::string& application, const std::string& section) {
  return "Software\\Orvex\\" + application + "\\" + section;
}

std::string GetUserSetting(RegistryStore& store, const std::string& application,
                           const std::string& section, const std::string& key,
                           const std::string& defaultValue) {
  RegistryRead read = store.Read(RegistryRoot::CurrentUser, UserSettingPath(application, section), key);
  if (read.status != RegistryRead::Status::Found) return defaultValue;
  return UpToFirstNul(std::move(read.data));
}

void SaveUserSetting(RegistryStore& store, const std::string& application,
                     const std::string& section, const std::string& key, std::string_view value) {
  store.Write(RegistryRoot::CurrentUser, UserSettingPath(application, section), key, value, kRegSz);
}

}  // namespace glyvane
