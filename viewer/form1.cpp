#include "viewer/form1.h"

#include "common/number_text.h"
#include "common/system/cursors.h"
#include "common/system/locale.h"
#include "common/system/program_folder.h"
#include "common/system/single_instance.h"
#include "common/system/sounds.h"
#include "common/system/start_program.h"
#include "common/system/system_registry.h"
#include "common/win/dialogs.h"
#include "common/win/error_policies.h"
#include "printing/form2.h"
#include "viewer/help_menu.h"
#include "viewer/help_viewer.h"
#include "viewer/proposbox.h"
#include "viewer/size_setting.h"

namespace glyvane {

using namespace form1_ids;

namespace {

const FontStyle kCellDesignFont{"Arial", 11.25};

// Form1 as designed: Left, Top, Width, Height in twips, relative to the parent.
const ControlRow kControls[] = {
    {kFrame2, "Frame2", ControlKind::Frame, 0, {120, 120, 4335, 2415}, " Polices du dossier Fonts de Windows ", 0, {}},
    {kCombo1, "Combo1", ControlKind::ListBox, kFrame2, {360, 360, 3495, 1815}, "", kSorted, {}},
    {kFrame3, "Frame3", ControlKind::Frame, 0, {120, 120, 4335, 2415}, " Autres polices ... ", kHidden, {}},
    {kList1, "List1", ControlKind::ListBox, kFrame3, {1680, 240, 2535, 2010}, "", kSorted, {}},
    {kFile1, "File1", ControlKind::FileListBox, kFrame3, {1920, 240, 2295, 2040}, "", kHidden, {}},
    {kCommand1, "Command1", ControlKind::CommandButton, kFrame3, {120, 1080, 1455, 375}, "Parcourir ...", 0, {}},
    {kOption1, "Option1", ControlKind::OptionButton, 0, {5880, 420, 3015, 195}, "Polices du dossier Fonts de Windows",
     kSelected | kGroupStart, {}},
    {kOption2, "Option2", ControlKind::OptionButton, 0, {5880, 840, 1575, 195}, "Autres polices ...", 0, {}},
    {kLabel3, "Label3", ControlKind::Label, 0, {7560, 840, 375, 135}, "", kHidden | kGroupStart, {}},
    {kList2, "List2", ControlKind::ListBox, 0, {5280, 1680, 3015, 645}, "", kHidden | kNoTabStop, {}},
    {kLabel1, "Label1", ControlKind::Label, 0, {4680, 1440, 1110, 195}, "&Texte à copier :", kAutoSize, {}},
    {kText1, "Text1", ControlKind::TextBox, 0, {6000, 1320, 3255, 375}, "", 0, {"Times New Roman", 11.25, false}},
    {kLabel4, "Label4", ControlKind::Label, 0, {5160, 1320, 4125, 195}, "", kHidden | kCentred | kNoPrefix, {}},
    {kLabel5, "Label5", ControlKind::Label, 0, {6240, 1320, 1725, 195}, "Police déjà installée", kHidden | kAutoSize,
     {nullptr, 8.25, true}},
    {kCommand2, "Command2", ControlKind::CommandButton, 0, {6240, 1800, 1815, 375}, "Installer la police",
     kHidden | kDisabled, {}},
    {kLabel2, "Label2", ControlKind::Label, 0, {6855, 1920, 105, 435}, "", kAutoSize | kCentred | kNoPrefix,
     {nullptr, 16.5, false}},
    {kPicture1, "Picture1", ControlKind::PictureBox, 0, {6360, 1560, 1215, 975}, "", kHidden, {}},
    {kText2, "Text2", ControlKind::Label, kPicture1, {0, 0, 195, 570}, "", kAutoSize | kCentred | kBorder | kNoPrefix,
     {"Arial", 24, false}},
    {kFrame1, "Frame1", ControlKind::Frame, 0, {120, 2640, 9255, 3735}, "Caractères de Arial :", 0, {}},
};

const MenuRow kFichier[] = {
    {kMenuPrintpolice, "Imprimer la liste des polices...", 0},
    {kMenuPrintto, "Imprimer la table de caractères...", 0},
    {0, nullptr, 0},
    {kMenuQuitter, "Quitter", 0},
};
const MenuRow kEdition[] = {
    {kMenuTaillecopier, "Taille des caractères à copier", 0},
    {kMenuTaille, "Taille des caractères de la table ...", 0},
    {0, nullptr, 0},
    {kMenuApercu, "Aperçu rapide des polices", kMenuChecked},
    {0, nullptr, 0},
    {kMenuCopy, "Copier\tCtrl+C", 0},
};
const MenuRow kAide[] = {
    {kMenuHelp, "Aide\tF1", 0},
    {0, nullptr, 0},
    {kMenuPropos, "A propos de ...", 0},
    {kMenuAuteur, "Du même auteur ...", 0},
};
const MenuBarRow kMenuBar[] = {{"Fichier", kFichier}, {"Edition", kEdition}, {"Aide", kAide}};

const ACCEL kShortcuts[] = {
    {FCONTROL | FVIRTKEY, 'C', static_cast<WORD>(kMenuCopy)},
    {FVIRTKEY, VK_F1, static_cast<WORD>(kMenuHelp)},
};

const FormDesign kDesign{.className = kClassName,
                         .caption = kCaption,
                         .clientWidth = 9510,
                         .clientHeight = 6540,
                         .controls = kControls,
                         .font = {"MS Sans Serif", 8.25},
                         .menu = kMenuBar,
                         .accelerators = kShortcuts,
                         .iconId = 1,
                         .style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                         .exStyle = 0};

const CommandRoute<Form1> kCommands[] = {
    {kCombo1, LBN_SELCHANGE, &Form1::Combo1_Click},
    {kOption1, BN_CLICKED, &Form1::Option1_Click},
    {kOption2, BN_CLICKED, &Form1::Option2_Click},
    {kCommand1, BN_CLICKED, &Form1::Command1_Click},
    {kList1, LBN_SELCHANGE, &Form1::List1_Click},
    {kCommand2, BN_CLICKED, &Form1::Command2_Click},
    {kMenuPrintpolice, kAnyNotification, &Form1::printpolice_Click},
    {kMenuPrintto, kAnyNotification, &Form1::printto_Click},
    {kMenuQuitter, kAnyNotification, &Form1::quitter_Click},
    {kMenuTaillecopier, kAnyNotification, &Form1::taillecopier_Click},
    {kMenuTaille, kAnyNotification, &Form1::taille_Click},
    {kMenuApercu, kAnyNotification, &Form1::apercu_Click},
    {kMenuCopy, kAnyNotification, &Form1::copy_Click},
    {kMenuHelp, kAnyNotification, &Form1::help_Click},
    {kMenuPropos, kAnyNotification, &Form1::propos_Click},
    {kMenuAuteur, kAnyNotification, &Form1::auteur_Click},
};

const MouseRoute<Form1> kMouse[] = {
    {kCombo1, MouseEvent::Down, &Form1::Combo1_MouseDown},
    {kCombo1, MouseEvent::Move, &Form1::Combo1_MouseMove},
    {kList1, MouseEvent::Move, &Form1::List1_MouseMove},
};

const ArrayMouseRoute<Form1> kArrayMouse[] = {
    {kTextFirst, kCellCount, MouseEvent::Move, &Form1::Text_MouseMove},
    {kTextFirst, kCellCount, MouseEvent::Down, &Form1::Text_MouseDown},
    {kTextFirst, kCellCount, MouseEvent::Up, &Form1::Text_MouseUp},
    {kTextFirst, kCellCount, MouseEvent::DoubleClick, &Form1::Text_DblClick},
};

const MenuOpenRoute<Form1> kMenus[] = {
    {kMenuFichier, &Form1::menu_Click},
    {kMenuEdition, &Form1::menupol_Click},
    {kMenuAide, &Form1::aide_Click},
};

}  // namespace

const Routes<Form1> Form1::kRoutes{.commands = kCommands, .mouse = kMouse, .arrayMouse = kArrayMouse, .menus = kMenus};

Form1::Form1(RegistryStore& registry)
    : FormOf<Form1>(kDesign), registry_(registry), settings_(registry, UserDecimalSeparator()) {}

Form1::~Form1() = default;

Form2* Form1::PrintDialog() const { return form2_.get(); }
Proposbox* Form1::AboutBox() const { return proposbox_.get(); }

bool Form1::Start() {
  if (ActivatePreviousInstance(kProgramName, kClassName, kCaption, instanceToken_)) return false;
  // Any failure ends the start with its message, shown over the window while it
  // still exists; the window goes with this object.
  return TrapStartupErrors(nullptr, kCaption, [this] { Create(); }) &&
         TrapStartupErrors(hwnd(), Caption(), [this] { Form_Load(); });
}

void Form1::Form_Load() {
  Text.CreateFirstCell(item(kFrame1).handle(), kTextFirst, controls_.twipsPerPixel(), kCellDesignFont);
  Label3.Attach(item(kLabel3));
  Label4.Attach(item(kLabel4));
  List2.Attach(list(kList2));
  File1.Attach(list(kFile1));
  char directory[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, directory);
  File1.SetPath(directory);

  CentreOnScreen();
  ApplyCursorData3(item(kText1).handle());
  ApplyCursorData3(list(kCombo1).handle());
  ApplyCursorData3(item(kFile1).handle());
  ApplyCursorData5(item(kOption1).handle());
  Text.SetCaption(0, "!");
  const double tableSize = settings_.TableSize();
  const double copySize = settings_.CopySize();
  Text.CreateCopies(tableSize);
  controls_.SetFontSize(kText1, copySize);
  if (!settings_.PreviewOn()) MainMenu().SetChecked(kMenuApercu, false);
  WaitCursor hourglass;
  Remplir();
}

void Form1::ShowMain(int showCommand) {
  // The grid's frame stays out of the showing, so that its 223 cells are neither
  // erased nor painted one by one while the window appears: the frame is painted
  // with the rest, and the cells then in one pass.
  const HWND grid = item(kFrame1).handle();
  SendMessageA(grid, WM_SETREDRAW, FALSE, 0);
  ShowWindow(hwnd(), showCommand);
  SendMessageA(grid, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(grid, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_NOCHILDREN);
  // The window and its controls painted before the first message is taken.
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  Text.PaintAll();
}

void Form1::Form_Activate() { ApplyCursorData3(list(kCombo1).handle()); }

// A printout reads this window's lists as it goes: closing it then cancels the
// printout, and the window closes once the printout has stopped.
bool Form1::Form_QueryUnload() {
  if (!printJobRunning_) return true;
  closeAfterPrintJob_ = true;
  if (Form2* dialog = form2_.get()) dialog->RaiseUserCancel();
  return false;
}

void Form1::PrintJobStarted() {
  printJobRunning_ = true;
  window().Enable(false);
}

void Form1::PrintJobEnded() {
  printJobRunning_ = false;
  window().Enable(true);
  if (closeAfterPrintJob_) PostMessageA(hwnd(), WM_CLOSE, 0, 0);
}

// The windows this one owns read its state: they close first, and the program ends
// with this window.
void Form1::Form_Unload() {
  form2_.Unload();
  proposbox_.Unload();
  RemoveTemporaryFontOnce();
}

void Form1::menu_Click() {
  PlayClickSound();
  if (OtherFontsMode()) MainMenu().SetEnabled(kMenuPrintpolice, File1.Count() > 0);
}

void Form1::menupol_Click() { PlayClickSound(); }
void Form1::aide_Click() { PlayClickSound(); }

void Form1::quitter_Click() {
  PlayClickSound();
  RemoveTemporaryFontOnce();
  EndProgram();
}

std::optional<Form1::SizeAnswer> Form1::AskSize(const std::string& prompt, double current) const {
  const char separator = settings_.decimalSeparator();
  const std::optional<std::string> answer =
      InputBox(hwnd(), prompt, Caption(), FormatLocaleNumber(current, separator));
  if (!answer) return std::nullopt;
  const std::optional<double> size = AcceptSizeAnswer(*answer, separator);
  if (!size) return std::nullopt;
  return SizeAnswer{*answer, *size};
}

void Form1::taille_Click() {
  PlayClickSound();
  const std::optional<SizeAnswer> answer =
      AskSize("Entrez la taille de la police (< 16) pour la table des caractères :", Text.FontOf(1).size);
  if (!answer) return;
  Text.SetFontSizeAll(answer->size);
  settings_.SaveTableSize(answer->typed);
}

void Form1::taillecopier_Click() {
  PlayClickSound();
  const std::optional<SizeAnswer> answer =
      AskSize("Entrez la taille de la police (< 16) pour le texte à copier :", controls_.FontOf(kText1).size);
  if (!answer) return;
  controls_.SetFontSize(kText1, answer->size);
  settings_.SaveCopySize(answer->typed);
}

void Form1::apercu_Click() {
  PlayClickSound();
  const Menu menu = MainMenu();
  if (menu.IsChecked(kMenuApercu)) {
    settings_.SavePreview(false);
    menu.SetChecked(kMenuApercu, false);
    controls_.SetCaption(kLabel2, "");
  } else {
    settings_.SavePreview(true);
    menu.SetChecked(kMenuApercu, true);
  }
}

void Form1::printto_Click() {
  PlayClickSound();
  Form2& dialog = form2_.Load(*this, *this);
  dialog.Show();
  IgnoreErrors([&dialog] { dialog.ShowCharacterTablePanel(); });
}

void Form1::printpolice_Click() {
  PlayClickSound();
  Form2& dialog = form2_.Load(*this, *this);
  dialog.Show();
  IgnoreErrors([&dialog] { dialog.ShowFontListPanel(); });
}

void Form1::propos_Click() {
  PlayClickSound();
  Proposbox& box = proposbox_.Load(*this);
  box.Show();
  IgnoreErrors([&box] { box.FocusOk(); });
}

// The viewer is looked for once: the message when it is missing is the one effect.
void Form1::help_Click() {
  PlayClickSound();
  const std::string viewer = FindHelpViewer(hwnd());
  if (viewer.empty()) return;
  StartProgram(HelpCommandLine(viewer, ProgramFolder()), SW_SHOWMAXIMIZED);
}

// The catalogue is a program of its own: when it is missing or refuses to start,
// the user learns which file it should be rather than seeing nothing happen.
void Form1::auteur_Click() {
  PlayClickSound();
  const std::string folder = ProgramFolder();
  try {
    StartProgram(CatalogueCommandLine(folder), SW_SHOWNORMAL);
  } catch (const AppError& error) {
    const bool missing = error.number() == ERROR_FILE_NOT_FOUND || error.number() == ERROR_PATH_NOT_FOUND;
    const std::string path = CataloguePath(folder);
    ShowMessage(hwnd(), missing ? CatalogueMissingMessage(path) : CatalogueFailedMessage(path, ErrorMessageText(error)),
                Caption(), MessageIcon::Critical);
  }
}

bool Form1::OtherFontsMode() const { return button(kOption2).IsChecked(); }

std::vector<std::string> Form1::InstalledFonts() const {
  const ListBox combo = list(kCombo1);
  std::vector<std::string> names;
  names.reserve(static_cast<size_t>(combo.Count()));
  for (int i = 0; i < combo.Count(); ++i) names.push_back(combo.Item(i));
  return names;
}

std::string Form1::SelectedInstalledFont() const {
  const ListBox combo = list(kCombo1);
  const int selected = combo.Selected();
  return selected < 0 ? std::string() : combo.Item(selected);
}

int RunGlyvane(int showCommand) {
  Form1 form(SystemRegistry());
  if (!form.Start()) return 0;
  form.ShowMain(showCommand);
  return RunMessageLoop();
}

}  // namespace glyvane
