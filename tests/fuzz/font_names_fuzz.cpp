// libFuzzer target for the font reader (scripts/fuzz): any bytes, two languages, and
// the promises of its result checked besides the sanitizers' own.
#include <cstdlib>

#include "common/font_names.h"

namespace {

bool IsNameText(const std::string& text, size_t limit) {
  return text.size() <= limit && text.find('\0') == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  for (const uint16_t langId : {uint16_t{0x040C}, uint16_t{0x0409}}) {
    const std::optional<glyvane::FontNames> names = glyvane::ParseFontNames(data, size, langId);
    if (names && (names->family.empty() || !IsNameText(names->family, glyvane::kFaceNameLength) ||
                  !IsNameText(names->fullName, glyvane::kFullNameLength) ||
                  !IsNameText(names->style, glyvane::kFaceNameLength))) {
      std::abort();
    }
  }
  return 0;
}
