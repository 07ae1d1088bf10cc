#pragma once
// A font file in the system's font table for as long as it is needed: added by the
// constructor, removed by the destructor unless it went before (Remove) or stays
// for good (Keep). And the one way the program makes a font file's font usable by
// name, for the viewer and the printouts alike.
#include <optional>
#include <string>

#include "viewer/face_match.h"

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

// A font file made usable: the face to ask for by name, and the file held in the
// font table when that face is the file's own (none when the face is installed).
struct FontFileFace {
  enum class Outcome { Usable, NotAFont, NoFace };
  Outcome outcome = Outcome::NotAFont;
  std::string face;
  std::optional<TemporaryFont> font;
};

// Makes the font of the file at path usable by its face name. A damaged file is
// refused before the system sees it, and so is a file the system does not take in
// two tries (NotAFont). The face comes from the file's own names: a family the
// installed fonts lack is the file's new face, held in the font table; for an
// installed family the file leaves the table again and the face is the longest
// beginning of the file's name that an installed font bears (NoFace when none
// does). A file the reader cannot name (a bitmap .fon) is known by the face it
// adds to the screen fonts. Nothing stays in the font table unless returned.
FontFileFace MakeFontFilePrintable(const std::string& path, const InstalledFaces& installed);

}  // namespace glyvane
