#include "viewer/font_file_face.h"

#include <algorithm>
#include <vector>

#include "common/system/font_file_names.h"
#include "common/system/font_trial.h"
#include "common/system/screen_fonts.h"
#include "viewer/font_face.h"

namespace glyvane {

namespace {

// The last face of `after` that `before` lacks: what the file brought; never a
// vertical "@" twin of it, which the system may list after it.
std::string FaceAdded(const std::vector<std::string>& before, const std::vector<std::string>& after) {
  const InstalledFaces known(before);
  const auto added = std::find_if(after.rbegin(), after.rend(), [&](const std::string& name) {
    return !IsVerticalFace(name) && !known.Contains(name);
  });
  return added == after.rend() ? std::string() : *added;
}

}  // namespace

// The file's own names decide, not a comparison with the installed-font list: that
// list was read at start-up, so a font another program added since would be taken
// for the file's; and reading the file costs the same however many fonts there are.
FontFileFace MakeFontFilePrintable(const std::string& path, const InstalledFaces& installed) {
  FontFileFace result;
  // Tried apart first: a file that would end this process is no font here.
  if (!IsFontFileSafeToAdd(path)) return result;
  const std::optional<FontNames> names = ReadFontNamesForSystem(path);
  // Only a file the reader cannot name is found by what it adds.
  const std::vector<std::string> before = names ? std::vector<std::string>() : ScreenFontNames();
  result.font.emplace(path);
  if (!result.font->added()) result.font.emplace(path);  // a second try
  if (!result.font->added()) {
    result.font.reset();
    return result;
  }
  result.outcome = FontFileFace::Outcome::Usable;
  if (!names) {
    result.face = FaceAdded(before, ScreenFontNames());
  } else if (!installed.Contains(names->family)) {
    result.face = names->family;
  } else {
    result.font->Remove();
    result.font.reset();
    result.face = LongestInstalledBeginning(FaceOfNames(names), installed);
  }
  if (result.face.empty()) {
    result.outcome = FontFileFace::Outcome::NoFace;
    result.font.reset();
  }
  return result;
}

}  // namespace glyvane
