#include "viewer/font_face.h"

#include <windows.h>

#include <cstdint>

#include "common/font_names.h"
#include "common/system/font_file_names.h"
#include "common/win/unique.h"

namespace glyvane {

std::string FontFaceFromFile(const std::string& path) { return FaceOfNames(ReadFontNamesForSystem(path)); }

std::string FontFaceFromFile(const std::string& path, const InstalledFaces& installed) {
  return LongestInstalledBeginning(FontFaceFromFile(path), installed);
}

}  // namespace glyvane
