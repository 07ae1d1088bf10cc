#include "viewer/font_registration.h"

namespace glyvane {

const char* FontsKeyFor(const std::string& systemRoot) {
  return systemRoot.empty() ? kOtherFontsKey : kNtFontsKey;
}

std::string FontValueName(const std::string& face, const std::string& fileName) {
  const std::string ending = fileName.size() >= 3 ? fileName.substr(fileName.size() - 3) : fileName;
  return face + (ending == "ttf" || ending == "TTF" ? " (TrueType)" : " (Plotter)");
}

std::string FileNameOf(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace glyvane
