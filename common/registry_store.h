#pragma once
// The settings routines over a registry: the rules for reading a text value
// (missing, too short, cut at its first NUL) are kept apart from the system calls,
// so that they hold the same against the real registry and a fake one.
#include <cstdint>
#include <string>
#include <string_view>

namespace glyvane {

enum class RegistryRoot { LocalMachine, CurrentUser };

constexpr uint32_t kRegSz = 1;  // REG_SZ, the only type these programs store

// What one query of a value found.
struct RegistryRead {
  enum class Status { KeyUnavailable, ValueMissing, Found };
  Status status = Status::KeyUnavailable;
  std::string data;  // the value's bytes as stored, with any NUL in them
};

class RegistryStore {
 public:
  virtual ~RegistryStore() = default;
  // Opens the key, without creating it, and reads the value's data.
  virtual RegistryRead Read(RegistryRoot root, const std::string& path,
                            const std::string& name) = 0;
  // Opens or creates the key and stores the text, a REG_SZ value with its
  // terminating NUL (the length includes it); false when that failed.
  virtual bool Write(RegistryRoot root, const std::string& path, const std::string& name,
                     std::string_view data, uint32_t type) = 0;
};

// The value's text, or empty text when the key cannot be opened or the value is
// absent; the text ends at its first NUL, or with the data when it holds none.
std::string ReadRegistryValue(RegistryStore& store, RegistryRoot root, const std::string& path,
                              const std::string& name, uint32_t type = kRegSz);

// Writes the text (the store adds its terminating NUL); a failure goes unnoticed.
void WriteRegistryValue(RegistryStore& store, RegistryRoot root, const std::string& path,
                        const std::string& name, std::string_view text, uint32_t type = kRegSz);

// The per-user settings store: string values by application, section and key, kept
// under HKEY_CURRENT_USER "Software\Orvex\<application>\<section>". An absent key
// reads as defaultValue.
std::string UserSettingPath(const std::string& application, const std::string& section);
std::string GetUserSetting(RegistryStore& store, const std::string& application,
                           const std::string& section, const std::string& key,
                           const std::string& defaultValue = "");
void SaveUserSetting(RegistryStore& store, const std::string& application,
                     const std::string& section, const std::string& key, std::string_view value);

}  // namespace glyvane
