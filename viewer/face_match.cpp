#include "viewer/face_match.h"

namespace glyvane {

namespace {

// Upper-case letters of code page 1252 beyond ASCII and their lower-case partners:
// Š Œ Ž Ÿ, and À to Þ (but ×) whose partners lie 0x20 higher.
char FoldedByte(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<char>(c + 0x20);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char>(c + 0x20);
  switch (c) {
    case 0x8A: return static_cast<char>(0x9A);  // Š
    case 0x8C: return static_cast<char>(0x9C);  // Œ
    case 0x8E: return static_cast<char>(0x9E);  // Ž
    case 0x9F: return static_cast<char>(0xFF);  // Ÿ
    default: return static_cast<char>(c);
  }
}

}  // namespace

std::string CaseFolded(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) c = FoldedByte(static_cast<unsigned char>(c));
  return folded;
}

InstalledFaces::InstalledFaces(const std::vector<std::string>& names) {
  folded_.reserve(names.size());
  for (const std::string& name : names) folded_.insert(CaseFolded(name));
}

std::string LongestInstalledBeginning(const std::string& name, const InstalledFaces& installed) {
  for (size_t length = name.size(); length > 0; --length) {
    if (installed.Contains(std::string_view(name).substr(0, length))) return name.substr(0, length);
  }
  return {};
}

std::string FaceOfNames(const std::optional<FontNames>& names) {
  if (!names) return {};
  return names->fullName.empty() ? names->family : names->fullName;
}

}  // namespace glyvane
