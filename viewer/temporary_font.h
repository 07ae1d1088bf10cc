#pragma once
// A font file in the system's font table for as long as the window shows it: added
// by the constructor, removed by the destructor unless it went before (Remove) or
// stays for good (Keep). It carries the face it brought, so that what is installed
// is the face of this file, whatever the window shows meanwhile.
#include <string>

namespace glyvane {

// The calls that add a file to the system's font table and remove it (the number of
// fonts added or removed, 0 on failure); a test stands in for the system.
class FontTable {
 public:
  virtual ~FontTable() = default;
  virtual int Add(const std::string& path) = 0;
  virtual int Remove(const std::string& path) = 0;
};
FontTable& SystemFontTable();

class TemporaryFont {
 public:
  // Adds the file (AddFontResourceA); added() tells whether the system took it.
  explicit TemporaryFont(std::string path, FontTable& table = SystemFontTable());
  // Takes over a file that is already in the font table.
  struct AlreadyAdded {};
  TemporaryFont(std::string path, AlreadyAdded, FontTable& table = SystemFontTable());
  ~TemporaryFont();
  // A font made by one routine is held by another: the additions go with it.
  TemporaryFont(TemporaryFont&& other) noexcept;
  TemporaryFont& operator=(TemporaryFont&&) = delete;
  TemporaryFont(const TemporaryFont&) = delete;
  TemporaryFont& operator=(const TemporaryFont&) = delete;

  const std::string& path() const { return path_; }
  // The face the file brought, once known.
  const std::string& face() const { return face_; }
  void SetFace(std::string face) { face_ = std::move(face); }
  // True while the system holds at least one of the additions made here.
  bool added() const { return additions_ > 0; }
  // RemoveFontResourceA for every addition still held: true when none is left.
  bool Remove();
  // Remove; when the system refuses, the file is added and removed once more
  // (fontsChanged runs after each step). True when it left the table; otherwise
  // the object keeps every addition it made, for the next try.
  template <typename Notify>
  bool Leave(Notify fontsChanged) {
    if (!Remove()) {
      AddAgain();
      fontsChanged();
      Remove();
    }
    fontsChanged();
    return !added();
  }
  // AddFontResourceA once more.
  void AddAgain();
  // The file stays in the font table when this object goes.
  void Keep() { additions_ = 0; }

 private:
  FontTable& table_;
  std::string path_;
  std::string face_;
  int additions_;  // each needs its own removal
};

}  // namespace glyvane
