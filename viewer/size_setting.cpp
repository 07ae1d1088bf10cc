#include "viewer/size_setting.h"

#include "common/app_error.h"
#include "common/number_text.h"

namespace glyvane {

double SizeFromSetting(const std::string& stored, char decimalSeparator) {
  if (stored.empty()) return kDefaultCharacterSize;
  const std::optional<double> size = ParseLocaleNumber(stored, decimalSeparator);
  if (!size) throw TypeMismatchError();
  return *size;
}

std::optional<double> AcceptSizeAnswer(const std::string& answer, char decimalSeparator) {
  const std::optional<double> size = ParseLocaleNumber(answer, decimalSeparator);
  // Zero or a negative size would make no font at all; it is refused like 16.
  if (!size || *size >= kSizeLimit || *size <= 0.0) return std::nullopt;
  return size;
}

}  // namespace glyvane
