#pragma once
// Ids of Form1's controls and menu items: stable, so that tests and accessibility
// tools find each control by id (controls in a frame are children of that frame).

namespace glyvane::form1_ids {

constexpr const char* kProgramName = "Glyvane";
constexpr const char* kClassName = "Glyvane.Form1";
constexpr const char* kCaption = "Glyvane de Talvenne";

enum ControlId : int {
  kFrame2 = 100,
  kCombo1,
  kFrame3,
  kList1,
  kFile1,
  kCommand1,
  kOption1,
  kOption2,
  kLabel3,
  kList2,
  kLabel1,
  kText1,
  kLabel4,
  kLabel5,
  kCommand2,
  kLabel2,
  kPicture1,
  kText2,
  kFrame1,
  kTextFirst = 1000,  // cell i of the grid `Text` has id kTextFirst + i
};

enum MenuId : int {
  kMenuPrintpolice = 201,
  kMenuPrintto,
  kMenuQuitter,
  kMenuTaillecopier,
  kMenuTaille,
  kMenuApercu,
  kMenuCopy,
  kMenuHelp,
  kMenuPropos,
  kMenuAuteur,
};

// Positions of the three menus in the menu bar.
enum MenuPosition : int { kMenuFichier = 0, kMenuEdition = 1, kMenuAide = 2 };

}  // namespace glyvane::form1_ids
