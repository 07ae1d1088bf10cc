#include "viewer/font_face.h"

#include <windows.h>

#include <cstdint>

#include "common/font_names.h"
#include "common/win/font_file_names.h"
#include "common/win/unique.h"

namespace glyvane {

std::string FontFaceFromFile(const std::string& path) { return FaceOfNames(ReadFontNamesForSystem(path)); }

std::string FontFaceFromFile(const std::string& path, const InstalledFaces& installed) {
  return LongestInstalledBeginning(FontFaceFromFile(path), installed);
}

bool IsDamagedTrueTypeFile(const std::string& path) {
  const UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  uint8_t start[4] = {};
  DWORD got = 0;
  if (!ReadFile(file.get(), start, sizeof start, &got, nullptr)) return false;
  return HasTrueTypeSignature(start, got) && !ReadFontNamesForSystem(path);
}

}  // namespace glyvane
