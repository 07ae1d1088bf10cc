#pragma once
// Which installed face a font file's name stands for: the longest beginning of the
// name that is exactly the name of an installed font, compared as the installed-font
// list compares its entries (without regard to case, "é" and "É" alike, in code page
// 1252).
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "common/font_names.h"

namespace glyvane {

// The text with every code page 1252 letter in one case, so that two texts that the
// list takes for equal give the same key.
std::string CaseFolded(std::string_view text);

// The installed fonts' names, looked up without regard to case.
class InstalledFaces {
 public:
  explicit InstalledFaces(const std::vector<std::string>& names);
  bool Contains(std::string_view name) const { return folded_.count(CaseFolded(name)) > 0; }

 private:
  std::unordered_set<std::string> folded_;
};

// The longest beginning of name (one character at least) that is an installed
// font's name, as the file's text has it; empty text when none is.
std::string LongestInstalledBeginning(const std::string& name, const InstalledFaces& installed);

// A face the system makes for vertical writing ("@" + family) beside a font that
// claims a Chinese, Japanese or Korean code page.
inline bool IsVerticalFace(std::string_view face) { return !face.empty() && face.front() == '@'; }

// The face a font file's names give: its full name, or its family name when it has
// none; empty text when the file's names could not be read.
std::string FaceOfNames(const std::optional<FontNames>& names);

}  // namespace glyvane
