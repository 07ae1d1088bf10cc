#include "printing/form2.h"

#include "common/system/cursors.h"
#include "common/system/screen_fonts.h"
#include "common/system/sounds.h"
#include "common/win/dialogs.h"
#include "printing/chosen_fonts.h"

namespace glyvane {

using namespace form2_ids;

namespace {

// Form2 as designed: Left, Top, Width, Height in twips, relative to the parent.
const ControlRow kControls[] = {
    {kPicture1, "Picture1", ControlKind::PictureBox, 0, {120, 120, 3855, 2175}, "", 0, {}},
    {kCommand5, "Command5", ControlKind::CommandButton, kPicture1, {120, 240, 1695, 615},
     "Imprimer la liste des &polices", 0, {}},
    {kCommand6, "Command6", ControlKind::CommandButton, kPicture1, {2040, 240, 1695, 615},
     "Imprimer la liste des polices avec exemple de &caractères", 0, {}},
    {kCommand7, "Command7", ControlKind::CommandButton, kPicture1, {1080, 1200, 1695, 615}, "&Annuler", 0, {}},
    {kLabel4, "Label4", ControlKind::Label, kPicture1, {720, 1200, 975, 255}, "", kHidden | kNoPrefix, {}},
    {kPicture2, "Picture2", ControlKind::PictureBox, 0, {120, 120, 3975, 4095}, "", 0, {}},
    {kCommand2, "Command2", ControlKind::CommandButton, kPicture2, {120, 240, 1695, 615},
     "Imprimer la table de caractères de l'&écran", 0, {}},
    {kCommand1, "Command1", ControlKind::CommandButton, kPicture2, {2040, 240, 1695, 615},
     "Imprimer &toutes les tables de caractères", 0, {}},
    {kCommand4, "Command4", ControlKind::CommandButton, kPicture2, {120, 1080, 1695, 615},
     "Imprimer la table de caractères des polices &choisies", kDisabled, {}},
    {kCommand3, "Command3", ControlKind::CommandButton, kPicture2, {2040, 1080, 1695, 615}, "&Annuler", 0, {}},
    {kLabel1, "Label1", ControlKind::Label, kPicture2, {240, 2040, 1215, 195}, "&Polices choisies :", 0, {}},
    {kList1, "List1", ControlKind::CheckListBox, kPicture2, {240, 2280, 3375, 1635}, "", kSorted, {}},
    {kList2, "List2", ControlKind::ListBox, 0, {4200, 600, 615, 2985}, "", kHidden | kNoTabStop, {}},
    {kLabel2, "Label2", ControlKind::Label, 0, {960, 4320, 1215, 495}, "OK", kHidden | kNoPrefix, {}},
};

const FormDesign kDesign{.className = kClassName,
                         .caption = kCaption,
                         .clientWidth = 4215,
                         .clientHeight = 4335,
                         .controls = kControls,
                         .font = {"MS Sans Serif", 8.25}};

const CommandRoute<Form2> kCommands[] = {
    {kCommand1, BN_CLICKED, &Form2::Command1_Click}, {kCommand2, BN_CLICKED, &Form2::Command2_Click},
    {kCommand3, BN_CLICKED, &Form2::Command3_Click}, {kCommand4, BN_CLICKED, &Form2::Command4_Click},
    {kCommand5, BN_CLICKED, &Form2::Command5_Click}, {kCommand6, BN_CLICKED, &Form2::Command6_Click},
    {kCommand7, BN_CLICKED, &Form2::Command7_Click},
};

const ItemCheckRoute<Form2> kItemChecks[] = {{kList1, &Form2::List1_ItemCheck}};

// The outer height the font-list command gives the dialog.
constexpr int kFontListHeight = 2625;

}  // namespace

const Routes<Form2> Form2::kRoutes{.commands = kCommands, .itemChecks = kItemChecks};

Form2::Form2(const Form& owner, MainWindowState& main) : FormOf<Form2>(kDesign, &owner), main_(main) {}

void Form2::Form_Load() {
  List2.Attach(list(kList2));
  Label2.Attach(item(kLabel2));
  Label2.set("OK");
  Label4.Attach(item(kLabel4));

  designHeight_ = OuterHeight();
  CentreOnScreen();
  if (main_.SelectedInstalledFont().empty()) item(kCommand2).Enable(false);
  ApplyCursorData3(item(kCommand1).handle());
  ApplyCursorData5(checkList(kList1).handle());
  item(kCommand5).Refresh();
  const CheckListBox fonts = checkList(kList1);
  fonts.SetRedraw(false);
  fonts.Clear();
  for (const std::string& name : ScreenFontNames()) fonts.Add(name);
  fonts.SetRedraw(true);
}

void Form2::ShowCharacterTablePanel() {
  item(kPicture1).Show(false);
  item(kPicture2).Show(true);
  // After the font-list command the window is too short for the chosen-font list,
  // which would lie out of reach below it: the design size and caption come back.
  if (fontListLayout_) {
    fontListLayout_ = false;
    SetOuterHeight(designHeight_);
    CentreOnScreen();
    SetCaption(kCaption);
  }
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Form2::ShowFontListPanel() {
  fontListLayout_ = true;
  SetOuterHeight(kFontListHeight);
  CentreOnScreen();
  SetCaption(kFontListCaption);
  item(kPicture2).Show(false);
  item(kPicture1).Show(true);
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Form2::List1_ItemCheck(int entry) {
  std::vector<int> chosen = List2.items();
  ToggleChosenFont(chosen, entry);
  List2.Assign(std::move(chosen));
  item(kCommand4).Enable(List2.Count() > 0);
}

void Form2::Command3_Click() {
  PlayClickSound();
  Unload();
}

void Form2::Command7_Click() { Command3_Click(); }


// --- The windows a printout runs with ----------------------------------------------

// A printout starts with no cancel pending, whatever the last one left.
void Form2::JobStarted() {
  ClearUserCancel();
  SetCancelFlag(false);
  main_.PrintJobStarted();
}

void Form2::JobEnded() {
  Unload();
  main_.PrintJobEnded();
}

void Form2::LetEventsRun() { PumpPendingMessages(); }

JobProgress* Form2::ShowProgressWindow() {
  Form3& progress = form3_.Load(owner() ? *owner() : static_cast<const Form&>(*this), *this);
  progress.Show();
  UpdateWindow(progress.hwnd());
  return this;
}

void Form2::ShowProgress(const std::string& name, double fraction, bool exact) {
  Form3* progress = form3_.get();
  if (!progress) return;  // the user closed it: the printout finds the cancel at its next item
  if (!name.empty()) progress->ShowFontName(name);
  progress->ShowProgress(fraction, exact);
}

void Form2::CloseProgressWindow() {
  form3_.Unload();
  SetCancelFlag(false);
}

void Form2::ReportFailure(const std::string& message) {
  ShowMessage(owner() ? owner()->hwnd() : hwnd(), message, form3_ids::kCaption, MessageIcon::Critical);
}

}  // namespace glyvane
