#pragma once
// Ids of the catalogue window's controls: stable, so that tests and accessibility
// tools find each control by id (controls in a frame are children of that frame).

namespace glyvane::catalogue::form1_ids {

constexpr const char* kClassName = "Catalogue.Form1";
constexpr const char* kCaption = "Catalogue Orvex";

enum ControlId : int {
  kLabel4 = 100,
  kLabel1,
  kImage1,
  kFrame2,
  kLabel3,
  kLabel2,
  kLabel11,
  kLabel12,
  kLabel6,
  kLabel5,
  kLabel9,
  kLabel8,
  kCommand2,
  kCommand1,
  kFrame1,
  // The picture buttons of Frame1 in grid order, row by row (GridButtons()).
  kCommand12 = 200,
  kCommand15,
  kCommand3,
  kCommand7,
  kCommand16,
  kCommand17,
  kCommand6,
  kCommand5,
  kCommand11,
  kCommand13,
  kCommand9,
  kCommand10,
  kCommand4,
  kCommand14,
  kCommand8,
};

constexpr int kGridFirst = kCommand12;

}  // namespace glyvane::catalogue::form1_ids
