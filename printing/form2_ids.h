#pragma once
// Ids of Form2's controls: stable, so that tests and accessibility tools find each
// control by id (controls in a panel are children of that panel).

namespace glyvane::form2_ids {

constexpr const char* kClassName = "Glyvane.Form2";
constexpr const char* kCaption = "Imprimer la table de caractères...";
constexpr const char* kFontListCaption = "Imprimer la liste de polices...";

enum ControlId : int {
  kList2 = 100,
  kPicture1,
  kCommand5,
  kCommand6,
  kCommand7,
  kLabel4,
  kPicture2,
  kCommand2,
  kCommand1,
  kCommand4,
  kCommand3,
  kLabel1,
  kList1,
  kLabel2,
};

}  // namespace glyvane::form2_ids
