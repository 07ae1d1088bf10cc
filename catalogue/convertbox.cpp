#include "catalogue/convertbox.h"

#include "common/system/cursors.h"
#include "common/system/sounds.h"

namespace glyvane::catalogue {

using namespace convertbox_ids;

namespace {

const DesignFont kHeading{nullptr, 0, true};

// The dialog as designed: Left, Top, Width, Height in twips. The value labels size
// themselves to their text; OK comes first in the tab order, so the keyboard starts
// on it.
const ControlRow kControls[] = {
    {kLabel5, "Label5", ControlKind::Label, 0, {120, 360, 855, 255}, "NOM :", 0, kHeading},
    {kLabel1, "Label1", ControlKind::Label, 0, {1080, 360, 3225, 255}, "", kAutoSize | kNoPrefix, {}},
    {kLabel6, "Label6", ControlKind::Label, 0, {120, 720, 1335, 255}, "VERSION :", 0, kHeading},
    {kLabel3, "Label3", ControlKind::Label, 0, {1560, 720, 1095, 255}, "", kAutoSize | kNoPrefix, {}},
    {kLabel7, "Label7", ControlKind::Label, 0, {120, 1080, 2295, 255}, "CONFIGURATION :", 0, kHeading},
    {kLabel2, "Label2", ControlKind::Label, 0, {2520, 1080, 1395, 255}, "Windows 9x/NT", kAutoSize | kNoPrefix, {}},
    {kLabel11, "Label11", ControlKind::Label, 0, {2520, 1320, 1395, 255}, "", kAutoSize | kNoPrefix, {}},
    {kLabel8, "Label8", ControlKind::Label, 0, {120, 1680, 855, 255}, "PRIX :", 0, kHeading},
    {kLabel4, "Label4", ControlKind::Label, 0, {1080, 1680, 2295, 255}, "", kAutoSize | kNoPrefix, {}},
    {kLabel9, "Label9", ControlKind::Label, 0, {120, 2160, 1695, 255}, "DESCRIPTION :", 0, kHeading},
    {kCommand1, "Command1", ControlKind::CommandButton, 0, {1680, 3840, 1215, 375}, "OK", kDefault, {}},
    {kLabel10, "Label10", ControlKind::TextBox, 0, {120, 2520, 4215, 1215}, "Text1",
     kMultiLine | kReadOnly | kVScroll, {}},
    {kLine1, "Line1", ControlKind::Line, 0, {120, 3780, 4215, 15}, "", 0, {}, RGB(128, 128, 128)},
};

const FormDesign kDesign{.className = kClassName,
                         .caption = "",
                         .clientWidth = 4425,
                         .clientHeight = 4275,
                         .controls = kControls,
                         .font = {"Times New Roman", 9.75}};

const CommandRoute<convertbox> kCommands[] = {
    {kCommand1, BN_CLICKED, &convertbox::Command1_Click},
    {IDOK, kAnyNotification, &convertbox::Command1_Click},      // Enter
    {IDCANCEL, kAnyNotification, &convertbox::Command1_Click},  // Escape
};

}  // namespace

const Routes<convertbox> convertbox::kRoutes{.commands = kCommands};

convertbox::convertbox() : FormOf<convertbox>(kDesign) {}

void convertbox::Form_Load() {
  CentreOnScreen();
  ApplyCursorData3(item(kCommand1).handle());
}

void convertbox::ShowEntry(const CatalogueEntry& entry, HICON picture) {
  SetCaption(entry.entryName);
  SetIcon(picture);
  controls_.SetCaption(kLabel1, entry.entryName);
  controls_.SetCaption(kLabel2, entry.operatingSystem);
  controls_.SetCaption(kLabel11, entry.extraRequirement);
  controls_.SetCaption(kLabel3, entry.versionText);
  controls_.SetCaption(kLabel4, entry.priceText);
  item(kLabel10).SetText(entry.description);
}

void convertbox::Command1_Click() {
  PlayClickSoundBesideProgram();
  Unload();
}

}  // namespace glyvane::catalogue
