#pragma once
// Ids of the about box's controls and of the resources it shows.

namespace glyvane::proposbox_ids {

constexpr const char* kClassName = "Glyvane.Proposbox";
constexpr const char* kCaption = "A propos de ...";

// Resources of the program that shows the box.
constexpr int kIconResource = 1;       // the program's icon
constexpr int kPictureResource = 101;  // the picture of Image1 (a bitmap)

enum ControlId : int {
  kFrame2 = 100,
  kPicture1,
  kPicture3,
  kLabel2,
  kLine1,
  kLabel3,
  kLine2,
  kLabel4,
  kImage1,
  kBouton,
};

constexpr int kTimer1 = 1;

}  // namespace glyvane::proposbox_ids
