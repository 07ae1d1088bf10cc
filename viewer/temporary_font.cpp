#include "viewer/temporary_font.h"

#include <windows.h>

#include <utility>

namespace glyvane {

TemporaryFont::TemporaryFont(std::string path)
    : path_(std::move(path)), held_(AddFontResourceA(path_.c_str()) > 0) {}

TemporaryFont::TemporaryFont(std::string path, AlreadyAdded) : path_(std::move(path)), held_(true) {}

TemporaryFont::TemporaryFont(TemporaryFont&& other) noexcept
    : path_(std::move(other.path_)), held_(std::exchange(other.held_, false)) {}

TemporaryFont::~TemporaryFont() {
  if (held_) RemoveFontResourceA(path_.c_str());
}

bool TemporaryFont::Remove() {
  if (RemoveFontResourceA(path_.c_str()) == 0) return false;
  held_ = false;
  return true;
}

void TemporaryFont::AddAgain() {
  if (AddFontResourceA(path_.c_str()) > 0) held_ = true;
}

bool TemporaryFont::RemoveOrRetry() {
  if (!held_ || Remove()) return true;
  AddAgain();
  return Remove();
}

}  // namespace glyvane
