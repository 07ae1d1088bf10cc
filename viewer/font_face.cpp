#include "viewer/font_face.h"

#include <windows.h>

#include "common/font_names.h"

namespace glyvane {

namespace {

// The names of a font file as the system would give them to this user: the one
// place that says how a file's names are read.
std::optional<FontNames> ReadNamesForUser(const std::string& path) {
  return ReadFontNames(path, GetUserDefaultLangID());
}

}  // namespace

std::string FontFaceFromFile(const std::string& path) { return FaceOfNames(ReadNamesForUser(path)); }

std::string FontFaceFromFile(const std::string& path, const InstalledFaces& installed) {
  return LongestInstalledBeginning(FontFaceFromFile(path), installed);
}

}  // namespace glyvane
