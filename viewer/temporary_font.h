#pragma once
// A font file in the system's font table for as long as it is needed: added by the
// constructor, removed by the destructor unless it went before (Remove) or stays
// for good (Keep).
#include <string>

namespace glyvane {

class TemporaryFont {
 public:
  // Adds the file (AddFontResourceA); added() tells whether the system took it.
  explicit TemporaryFont(std::string path);
  // Takes over a file that is already in the font table.
  struct AlreadyAdded {};
  TemporaryFont(std::string path, AlreadyAdded);
  ~TemporaryFont();
  TemporaryFont(TemporaryFont&& other) noexcept;
  TemporaryFont& operator=(TemporaryFont&&) = delete;
  TemporaryFont(const TemporaryFont&) = delete;
  TemporaryFont& operator=(const TemporaryFont&) = delete;

  const std::string& path() const { return path_; }
  bool added() const { return held_; }
  // RemoveFontResourceA: true when the system let the file go.
  bool Remove();
  // AddFontResourceA once more.
  void AddAgain();
  // Remove, and when the system refuses, add the file once more and remove it
  // again; false when it still stays.
  bool RemoveOrRetry();
  // The file stays in the font table when this object goes.
  void Keep() { held_ = false; }

 private:
  std::string path_;
  bool held_;
};

}  // namespace glyvane
