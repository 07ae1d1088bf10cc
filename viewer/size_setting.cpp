#include "viewer/size_setting.h"

#include "common/app_error.h"
#include "common/number_text.h"

namespace glyvane {

namespace {

// Below one point the characters are a pixel high or less; zero and negative sizes
// make no font at all, and 16 or more is what the prompt forbids.
bool IsCharacterSize(double size) { return size >= kSmallestSize && size < kSizeLimit; }

}  // namespace

double SizeFromSetting(const std::string& stored, char decimalSeparator) {
  if (stored.empty()) return kDefaultCharacterSize;
  const std::optional<double> size = ParseLocaleNumber(stored, decimalSeparator);
  if (!size) throw TypeMismatchError();
  // A number the size commands would have refused was not written by them.
  return IsCharacterSize(*size) ? *size : kDefaultCharacterSize;
}

std::optional<double> AcceptSizeAnswer(const std::string& answer, char decimalSeparator) {
  const std::optional<double> size = ParseLocaleNumber(answer, decimalSeparator);
  if (!size || !IsCharacterSize(*size)) return std::nullopt;
  return size;
}

}  // namespace glyvane
