#pragma once
// Ids of the order form's controls: stable, so that tests and accessibility tools
// find each control by id.

namespace glyvane::catalogue::commandeform_ids {

constexpr const char* kClassName = "Catalogue.commandeform";
constexpr const char* kCaption = "Commander";

enum ControlId : int {
  kLabel1 = 100,
  kList1,
  kLabel2,
  kText1,
  kLabel3,
  kText2,
  kLabel4,
  kText3,
  kLabel7,
  kText5,
  kLabel8,
  kText6,
  kLabel10,
  kLabel6,
  kText4,
  kLabel9,
  kText7,
  kLabel11,
  kLabel12,
  kText8,
  kLabel5,
  kLabel17,
  kLine3,
  kCommandebox,
  kCommand1,
  kImage1,
  kLabel16,
};

}  // namespace glyvane::catalogue::commandeform_ids
