#pragma once
// Ids of the detail dialog's controls: stable, so that tests and accessibility tools
// find each control by id.

namespace glyvane::catalogue::convertbox_ids {

constexpr const char* kClassName = "Catalogue.convertbox";

enum ControlId : int {
  kLabel5 = 100,
  kLabel1,
  kLabel6,
  kLabel3,
  kLabel7,
  kLabel2,
  kLabel11,
  kLabel8,
  kLabel4,
  kLabel9,
  kCommand1,
  kLabel10,
  kLine1,
};

}  // namespace glyvane::catalogue::convertbox_ids
