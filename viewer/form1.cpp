#include "viewer/form1.h"

#include <commctrl.h>

#include <vector>

#include "common/number_text.h"
#include "common/win/clipboard.h"
#include "common/win/cursors.h"
#include "common/win/locale.h"
#include "common/win/sounds.h"
#include "common/win/startup.h"
#include "common/win/system_registry.h"
#include "viewer/single_instance.h"
#include "viewer/size_setting.h"

namespace glyvane {

using namespace form1;

namespace {

// The window's font, as the controls inherit it unless the table says otherwise.
const FontSpec kWindowFont{"MS Sans Serif", 8.25, false, false};
const FontSpec kCellDesignFont{"Arial", 11.25, false, false};

// Form1 as designed: Left, Top, Width, Height in twips, relative to the parent.
const ControlSpec kControls[] = {
    {kFrame2, "Frame2", ControlKind::Frame, 0, 120, 120, 4335, 2415, " Polices du dossier Fonts de Windows ", 0, {}},
    {kCombo1, "Combo1", ControlKind::ListBox, kFrame2, 360, 360, 3495, 1815, "", kSorted, {}},
    {kFrame3, "Frame3", ControlKind::Frame, 0, 120, 120, 4335, 2415, " Autres polices ... ", kHidden, {}},
    {kList1, "List1", ControlKind::ListBox, kFrame3, 1680, 240, 2535, 2010, "", kSorted, {}},
    {kFile1, "File1", ControlKind::FileListBox, kFrame3, 1920, 240, 2295, 2040, "", kHidden, {}},
    {kCommand1, "Command1", ControlKind::CommandButton, kFrame3, 120, 1080, 1455, 375, "Parcourir ...", 0, {}},
    {kOption1, "Option1", ControlKind::OptionButton, 0, 5880, 420, 3015, 195, "Polices du dossier Fonts de Windows",
     kSelected | kGroupStart, {}},
    {kOption2, "Option2", ControlKind::OptionButton, 0, 5880, 840, 1575, 195, "Autres polices ...", 0, {}},
    {kLabel3, "Label3", ControlKind::Label, 0, 7560, 840, 375, 135, "", kHidden | kGroupStart, {}},
    {kList2, "List2", ControlKind::ListBox, 0, 5280, 1680, 3015, 645, "", kHidden | kNoTabStop, {}},
    {kLabel1, "Label1", ControlKind::Label, 0, 4680, 1440, 1110, 195, "&Texte à copier :", kAutoSize, {}},
    {kText1, "Text1", ControlKind::TextBox, 0, 6000, 1320, 3255, 375, "", 0, {"Times New Roman", 11.25, false}},
    {kLabel4, "Label4", ControlKind::Label, 0, 5160, 1320, 4125, 195, "", kHidden | kCentred | kNoPrefix, {}},
    {kLabel5, "Label5", ControlKind::Label, 0, 6240, 1320, 1725, 195, "Police déjà installée",
     kHidden | kAutoSize, {nullptr, 8.25, true}},
    {kCommand2, "Command2", ControlKind::CommandButton, 0, 6240, 1800, 1815, 375, "Installer la police",
     kHidden | kDisabled, {}},
    {kLabel2, "Label2", ControlKind::Label, 0, 6855, 1920, 105, 435, "", kAutoSize | kCentred | kNoPrefix,
     {nullptr, 16.5, false}},
    {kPicture1, "Picture1", ControlKind::PictureBox, 0, 6360, 1560, 1215, 975, "", kHidden, {}},
    {kText2, "Text2", ControlKind::Label, kPicture1, 0, 0, 195, 570, "",
     kAutoSize | kCentred | kBorder | kNoPrefix, {"Arial", 24, false}},
    {kFrame1, "Frame1", ControlKind::Frame, 0, 120, 2640, 9255, 3735, "Caractères de Arial :", 0, {}},
};

struct MenuItemSpec {
  int id;  // 0: separator
  const char* caption;
  bool checked;
};

const MenuItemSpec kFichier[] = {
    {kMenuPrintpolice, "Imprimer la liste des polices...", false},
    {kMenuPrintto, "Imprimer la table de caractères...", false},
    {0, nullptr, false},
    {kMenuQuitter, "Quitter", false},
};
const MenuItemSpec kEdition[] = {
    {kMenuTaillecopier, "Taille des caractères à copier", false},
    {kMenuTaille, "Taille des caractères de la table ...", false},
    {0, nullptr, false},
    {kMenuApercu, "Aperçu rapide des polices", true},
    {0, nullptr, false},
    {kMenuCopy, "Copier\tCtrl+C", false},
};
const MenuItemSpec kAide[] = {
    {kMenuHelp, "Aide\tF1", false},
    {0, nullptr, false},
    {kMenuPropos, "A propos de ...", false},
    {kMenuAuteur, "Du même auteur ...", false},
};

template <size_t N>
HMENU BuildPopup(const MenuItemSpec (&items)[N]) {
  const HMENU popup = CreatePopupMenu();
  for (const MenuItemSpec& item : items) {
    if (item.id == 0) {
      AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuA(popup, MF_STRING | (item.checked ? MF_CHECKED : 0u), static_cast<UINT_PTR>(item.id),
                  item.caption);
    }
  }
  return popup;
}

HMENU BuildMenuBar() {
  const HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildPopup(kFichier)), "Fichier");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildPopup(kEdition)), "Edition");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildPopup(kAide)), "Aide");
  return bar;
}

UniqueAccelerators BuildAccelerators() {
  ACCEL keys[] = {
      {FCONTROL | FVIRTKEY, 'C', static_cast<WORD>(kMenuCopy)},
      {FVIRTKEY, VK_F1, static_cast<WORD>(kMenuHelp)},
  };
  return UniqueAccelerators(CreateAcceleratorTableA(keys, static_cast<int>(std::size(keys))));
}

// The menus' captions carry no access-key marks; the first letter of an item (or of
// a menu of the bar) serves as its key instead, as Alt+F opens "Fichier". Where
// several items share the letter, each press moves to the next of them, as with
// repeated access keys.
char UpperCase(char c) {
  return static_cast<char>(reinterpret_cast<UINT_PTR>(
      CharUpperA(reinterpret_cast<char*>(static_cast<UINT_PTR>(static_cast<unsigned char>(c))))));
}

LRESULT MenuItemByFirstLetter(HMENU menu, char typed) {
  const int count = GetMenuItemCount(menu);
  std::vector<int> matches;
  int highlighted = -1;
  for (int i = 0; i < count; ++i) {
    char caption[128] = {};
    if (GetMenuStringA(menu, static_cast<UINT>(i), caption, sizeof caption, MF_BYPOSITION) > 0 &&
        UpperCase(caption[0]) == UpperCase(typed)) {
      matches.push_back(i);
    }
    if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) highlighted = i;
  }
  if (matches.empty()) return MAKELRESULT(0, MNC_IGNORE);
  if (matches.size() == 1) return MAKELRESULT(matches.front(), MNC_EXECUTE);
  for (int match : matches) {
    if (match > highlighted) return MAKELRESULT(match, MNC_SELECT);
  }
  return MAKELRESULT(matches.front(), MNC_SELECT);
}

}  // namespace

const CommandRoute<Form1> Form1::kCommands[] = {
    {kCombo1, LBN_SELCHANGE, &Form1::Combo1_Click},
    {kOption1, BN_CLICKED, &Form1::Option1_Click},
    {kOption2, BN_CLICKED, &Form1::Option2_Click},
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

const MouseRoute<Form1> Form1::kMouse[] = {
    {kCombo1, MouseEvent::Down, &Form1::Combo1_MouseDown},
    {kCombo1, MouseEvent::Move, &Form1::Combo1_MouseMove},
};

const ArrayMouseRoute<Form1> Form1::kArrayMouse[] = {
    {kTextFirst, kCellCount, MouseEvent::Move, &Form1::Text_MouseMove},
    {kTextFirst, kCellCount, MouseEvent::Down, &Form1::Text_MouseDown},
    {kTextFirst, kCellCount, MouseEvent::Up, &Form1::Text_MouseUp},
    {kTextFirst, kCellCount, MouseEvent::DoubleClick, &Form1::Text_DblClick},
};

Form1::Form1(RegistryStore& registry) : registry_(registry), settings_(registry, UserDecimalSeparator()) {}

Form1::~Form1() = default;

bool Form1::Load() {
  const bool created = TrapStartupErrors(nullptr, kCaption, [this] {
    FormStyle style{kClassName, kCaption, 9510, 6540};
    style.menu = BuildMenuBar();
    style.icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
    style.style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    CreateForm(style);
    CreateControls();
  });
  return created && Form_Load();
}

void Form1::CreateControls() {
  INITCOMMONCONTROLSEX common{sizeof common, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&common);
  controls_.Create(hwnd(), kControls, std::size(kControls), kWindowFont);
  Text.CreateFirstCell(controls_[kFrame1].handle(), kTextFirst, controls_.twipsPerPixel(), kCellDesignFont);
  Label3.Attach(controls_[kLabel3]);
  Label4.Attach(controls_[kLabel4]);
  List2.Attach(controls_.List(kList2));
  File1.Attach(controls_.List(kFile1));
  char directory[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, directory);
  File1.SetPath(directory);
  accelerators_ = BuildAccelerators();
}

bool Form1::Form_Load() {
  if (ActivatePreviousInstance(kClassName, kCaption, instanceToken_)) return false;
  return TrapStartupErrors(hwnd(), Caption(), [this] {
    CentreOnScreen();
    ApplyCursorData3(Text1().handle());
    ApplyCursorData3(Combo1().handle());
    ApplyCursorData3(controls_[kFile1].handle());
    ApplyCursorData5(controls_[kOption1].handle());
    Text.SetCaption(0, "!");
    const double tableSize = settings_.TableSize();
    const double copySize = settings_.CopySize();
    Text.CreateCopies(tableSize);
    FontSpec copyFont = controls_.FontOf(kText1);
    copyFont.size = copySize;
    controls_.SetFont(kText1, copyFont);
    if (!settings_.PreviewOn()) MainMenu().SetChecked(kMenuApercu, false);
    WaitCursor hourglass;
    Remplir();
  });
}

void Form1::Show(int showCommand) {
  ShowWindow(hwnd(), showCommand);
  // The window and its controls painted before the first message is taken.
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

bool Form1::PreTranslate(MSG& message) {
  if (accelerators_ && TranslateAcceleratorA(hwnd(), accelerators_.get(), &message)) return true;
  return Form::PreTranslate(message);
}

LRESULT Form1::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      RouteCommand(*this, kCommands, LOWORD(wParam), HIWORD(wParam));
      return 0;
    case kControlMouseMessage: {
      const ControlMouse mouse = CrackControlMouse(wParam, lParam);
      if (!RouteMouse(*this, kMouse, mouse.id, mouse.event, mouse.args)) {
        RouteArrayMouse(*this, kArrayMouse, mouse.id, mouse.event, mouse.args);
      }
      return 0;
    }
    case WM_INITMENUPOPUP:
      if (!HIWORD(lParam)) {
        const HMENU bar = GetMenu(hwnd());
        for (int position = 0; position < GetMenuItemCount(bar); ++position) {
          if (GetSubMenu(bar, position) == reinterpret_cast<HMENU>(wParam)) OnMenuOpened(position);
        }
      }
      return 0;
    case WM_MENUCHAR:
      return MenuItemByFirstLetter(reinterpret_cast<HMENU>(lParam), static_cast<char>(LOWORD(wParam)));
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) Form_Activate();
      break;
    case WM_DESTROY:
      Form_Unload();
      return 0;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

void Form1::OnMenuOpened(int position) {
  switch (position) {
    case kMenuFichier: menu_Click(); break;
    case kMenuEdition: menupol_Click(); break;
    case kMenuAide: aide_Click(); break;
    default: break;
  }
}

void Form1::Form_Activate() { ApplyCursorData3(Combo1().handle()); }

void Form1::Form_Unload() { RemoveTemporaryFont(); }

// A font file shown for viewing is in the system's font table only while it is
// shown: it leaves with the window, whichever way the program ends.
void Form1::RemoveTemporaryFont() {
  if (Label4.get().empty()) return;
  RemoveFontResourceA(Label4.get().c_str());
  SendMessageA(hwnd(), WM_FONTCHANGE, 0, 0);
  Label4.set({});
}

void Form1::menu_Click() {
  PlayClickSound();
  if (OtherFontsMode()) MainMenu().Enable(kMenuPrintpolice, File1.Count() > 0);
}

void Form1::menupol_Click() { PlayClickSound(); }
void Form1::aide_Click() { PlayClickSound(); }

void Form1::quitter_Click() {
  PlayClickSound();
  RemoveTemporaryFont();
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
  for (int i = 0; i < Text.Count(); ++i) {
    FontSpec font = Text.FontOf(i);
    font.size = answer->size;
    Text.SetFont(i, font);
  }
  settings_.SaveTableSize(answer->typed);
}

void Form1::taillecopier_Click() {
  PlayClickSound();
  const std::optional<SizeAnswer> answer =
      AskSize("Entrez la taille de la police (< 16) pour le texte à copier :", controls_.FontOf(kText1).size);
  if (!answer) return;
  FontSpec font = controls_.FontOf(kText1);
  font.size = answer->size;
  controls_.SetFont(kText1, font);
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

// The commands below open windows that are not part of this program yet.
void Form1::printpolice_Click() { PlayClickSound(); }
void Form1::printto_Click() { PlayClickSound(); }
void Form1::help_Click() { PlayClickSound(); }
void Form1::propos_Click() { PlayClickSound(); }
void Form1::auteur_Click() { PlayClickSound(); }

bool Form1::OtherFontsMode() const { return controls_.ButtonAt(kOption2).IsChecked(); }

int RunGlyvane(int showCommand) {
  Form1 form(SystemRegistry());
  if (!form.Load()) return 0;
  form.Show(showCommand);
  return RunMessageLoop();
}

}  // namespace glyvane
