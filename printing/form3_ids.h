#pragma once
// Ids of Form3's controls (the progress window).

namespace glyvane::form3_ids {

constexpr const char* kClassName = "Glyvane.Form3";
constexpr const char* kCaption = "Impression ...";

enum ControlId : int {
  kPicture2 = 100,
  kPicture1,
  kCommand1,
};

}  // namespace glyvane::form3_ids
