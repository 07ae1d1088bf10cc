#pragma once
// The two character sizes ("Table" for the grid, "Copier" for the text to copy) and
// the quick-preview switch ("Aperçu"), as stored text and as the values they give.
#include <optional>
#include <string>

namespace glyvane {

constexpr double kDefaultCharacterSize = 11.0;
constexpr double kSmallestSize = 1.0;
constexpr double kSizeLimit = 16.0;  // sizes must stay below this

// A stored size: 11 when empty or a number the size commands refuse, the number
// otherwise. Text that is not a number in the user's locale raises the
// type-mismatch error (start-up reports it).
double SizeFromSetting(const std::string& stored, char decimalSeparator);

// A size typed into the input box: accepted when it is a number from 1 to below
// 16; nullopt leaves everything unchanged.
std::optional<double> AcceptSizeAnswer(const std::string& answer, char decimalSeparator);

// Only the exact text "Non" turns the quick preview off.
inline bool PreviewOnFromSetting(const std::string& stored) { return stored != "Non"; }
inline const char* PreviewSettingText(bool on) { return on ? "Oui" : "Non"; }

}  // namespace glyvane
