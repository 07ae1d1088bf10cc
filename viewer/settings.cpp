#include "viewer/settings.h"

#include "viewer/size_setting.h"

namespace glyvane {

std::string GlyvaneSettings::Read(const char* name) const {
  return ReadRegistryValue(store_, RegistryRoot::LocalMachine, kConfigurationKey, name);
}

void GlyvaneSettings::Write(const char* name, const std::string& text) const {
  WriteRegistryValue(store_, RegistryRoot::LocalMachine, kConfigurationKey, name, text);
}

double GlyvaneSettings::TableSize() const { return SizeFromSetting(Read(kTableValue), decimalSeparator_); }
double GlyvaneSettings::CopySize() const { return SizeFromSetting(Read(kCopyValue), decimalSeparator_); }
void GlyvaneSettings::SaveTableSize(const std::string& typed) const { Write(kTableValue, typed); }
void GlyvaneSettings::SaveCopySize(const std::string& typed) const { Write(kCopyValue, typed); }

bool GlyvaneSettings::PreviewOn() const { return PreviewOnFromSetting(Read(kPreviewValue)); }
void GlyvaneSettings::SavePreview(bool on) const { Write(kPreviewValue, PreviewSettingText(on)); }

// An empty value is no folder: the picker starts at the default, as when absent.
std::string GlyvaneSettings::Folder() const {
  const std::string folder = GetUserSetting(store_, kFolderApplication, kFolderSection, kFolderKey);
  return folder.empty() ? kDefaultFolder : folder;
}

void GlyvaneSettings::SaveFolder(const std::string& folder) const {
  SaveUserSetting(store_, kFolderApplication, kFolderSection, kFolderKey, folder);
}

}  // namespace glyvane
