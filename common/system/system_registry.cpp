#include "common/system/system_registry.h"

#include <windows.h>

#include "common/win/unique.h"

namespace glyvane {

namespace {

HKEY RootKey(RegistryRoot root) {
  return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

class Win32Registry : public RegistryStore {
 public:
  RegistryRead Read(RegistryRoot root, const std::string& path, const std::string& name) override {
    RegistryRead read;
    // Reading leaves the registry as it was: a missing key is an absent value.
    HKEY opened = nullptr;
    if (RegOpenKeyExA(RootKey(root), path.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return read;
    UniqueKey key(opened);
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS) {
      read.status = RegistryRead::Status::ValueMissing;
      return read;
    }
    // One byte more than asked for: a string stored without its NUL still ends.
    std::string data(size + 1, ' ');
    DWORD got = size + 1;
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()),
                         &got) != ERROR_SUCCESS) {
      read.status = RegistryRead::Status::ValueMissing;
      return read;
    }
    data.resize(size < got ? size : got);
    read.status = RegistryRead::Status::Found;
    read.data = std::move(data);
    return read;
  }

  bool Write(RegistryRoot root, const std::string& path, const std::string& name, std::string_view data,
             uint32_t type) override {
    HKEY opened = nullptr;
    if (RegCreateKeyA(RootKey(root), path.c_str(), &opened) != ERROR_SUCCESS) return false;
    UniqueKey key(opened);
    // A string's length counts its NUL, so that a reader that relies on it ends the
    // text where it ends ("9" is 2 bytes, not 1).
    const std::string text(data);
    return RegSetValueExA(key.get(), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
  }
};

}  // namespace

RegistryStore& SystemRegistry() {
  static Win32Registry registry;
  return registry;
}

}  // namespace glyvane
