#pragma once
// The one way the program makes a font file's font usable by name, for the viewer
// and the printouts alike.
#include <optional>
#include <string>

#include "viewer/face_match.h"
#include "viewer/temporary_font.h"

namespace glyvane {

// A font file made usable: the face to ask for by name, and the file held in the
// font table when that face is the file's own (none when the face is installed).
struct FontFileFace {
  enum class Outcome { Usable, NotAFont, NoFace };
  Outcome outcome = Outcome::NotAFont;
  std::string face;
  std::optional<TemporaryFont> font;
};

// Makes the font of the file at path usable by its face name. A damaged file is
// refused before the system sees it, and so is a file that ends or stalls the trial
// process, or that the system does not take in two tries (NotAFont). The face comes from the file's own names: a family the
// installed fonts lack is the file's new face, held in the font table; for an
// installed family the file leaves the table again and the face is the longest
// beginning of the file's name that an installed font bears (NoFace when none
// does). A file the reader cannot name (a bitmap .fon) is known by the face it
// adds to the screen fonts. Nothing stays in the font table unless returned.
FontFileFace MakeFontFilePrintable(const std::string& path, const InstalledFaces& installed);

}  // namespace glyvane
