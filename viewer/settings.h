#pragma once
// Glyvane's settings: the two sizes and the quick preview under HKEY_LOCAL_MACHINE,
// the last folder in the per-user store. Read when used, written when changed.
#include <string>

#include "common/registry_store.h"

namespace glyvane {

constexpr const char* kConfigurationKey = "Software\\Orvex\\Glyvane\\Configuration";
constexpr const char* kTableValue = "Table";
constexpr const char* kCopyValue = "Copier";
constexpr const char* kPreviewValue = "Aperçu";
constexpr const char* kFolderApplication = "Glyvane";
constexpr const char* kFolderSection = "Configuration";
constexpr const char* kFolderKey = "Dossier";
constexpr const char* kDefaultFolder = "C:\\";

class GlyvaneSettings {
 public:
  GlyvaneSettings(RegistryStore& store, char decimalSeparator)
      : store_(store), decimalSeparator_(decimalSeparator) {}

  // Sizes: 11 when absent; a stored text that is no number raises the type-mismatch error.
  double TableSize() const;
  double CopySize() const;
  // Stores the answer as the user typed it.
  void SaveTableSize(const std::string& typed) const;
  void SaveCopySize(const std::string& typed) const;

  bool PreviewOn() const;
  void SavePreview(bool on) const;

  std::string Folder() const;
  void SaveFolder(const std::string& folder) const;

  char decimalSeparator() const { return decimalSeparator_; }

 private:
  std::string Read(const char* name) const;
  void Write(const char* name, const std::string& text) const;

  RegistryStore& store_;
  char decimalSeparator_;
};

}  // namespace glyvane
