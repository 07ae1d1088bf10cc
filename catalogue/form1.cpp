#include "catalogue/form1.h"

#include <shellapi.h>

#include <iterator>
#include <vector>

#include "catalogue/author.h"
#include "catalogue/button_grid.h"
#include "catalogue/entry_table.h"
#include "catalogue/picture_ids.h"
#include "common/system/cursors.h"
#include "common/system/sounds.h"
#include "common/system/system_registry.h"
#include "common/win/dialogs.h"
#include "common/win/error_policies.h"

namespace glyvane::catalogue {

using namespace form1_ids;

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
const DesignFont kTitleFont{"Times New Roman", 24, true};
constexpr const char* kTitle = "Catalogue des applications  Orvex";

// The window as designed: Left, Top, Width, Height in twips, relative to the parent.
// The blue title lies over the red one, which shows below it as its shadow.
const ControlRow kAuthorRows[] = {
    {kLabel4, "Label4", ControlKind::Label, 0, {10, 100, 9615, 615}, kTitle, kCentred | kTransparent | kNoPrefix,
     kTitleFont, kBlue},
    {kLabel1, "Label1", ControlKind::Label, 0, {0, 120, 9615, 615}, kTitle, kCentred | kTransparent | kNoPrefix,
     kTitleFont, kRed},
    {kImage1, "Image1", ControlKind::Image, 0, {6480, 1080, 2790, 1005}, "", 0, {}, kDefaultColour, kDefaultColour,
     0, IDC_LOGO},
    {kFrame2, "Frame2", ControlKind::Frame, 0, {120, 840, 6015, 2175}, " INFORMATIONS SUR L'AUTEUR ", 0, {}},
    {kLabel3, "Label3", ControlKind::Label, kFrame2, {1440, 360, 1095, 195}, kAuthorName, kAutoSize, {nullptr, 0, true}},
    {kLabel2, "Label2", ControlKind::Label, kFrame2, {240, 600, 1095, 195}, "Adresse :", 0, {}},
    {kLabel11, "Label11", ControlKind::Label, kFrame2, {1440, 600, 2175, 195}, kAuthorStreet, kAutoSize | kNoPrefix, {}},
    {kLabel12, "Label12", ControlKind::Label, kFrame2, {1440, 840, 2175, 195}, kAuthorTownLine, kAutoSize | kNoPrefix,
     {}},
    {kLabel6, "Label6", ControlKind::Label, kFrame2, {240, 1320, 1095, 195}, "E-Mail :", 0, {}},
    {kLabel5, "Label5", ControlKind::Label, kFrame2, {1440, 1320, 1575, 195}, kAuthorMail, kAutoSize | kNoPrefix, {},
     kBlue, kDefaultColour, 0, IDC_MAIL_LINK},
    {kLabel9, "Label9", ControlKind::Label, kFrame2, {240, 1680, 1095, 195}, "Site :", 0, {}},
    {kLabel8, "Label8", ControlKind::Label, kFrame2, {1440, 1680, 1575, 195}, kAuthorSite, kAutoSize | kNoPrefix, {},
     kBlue, kDefaultColour, 0, IDC_WEB_LINK},
    {kFrame1, "Frame1", ControlKind::Frame, 0, kButtonFrameRect, " Orvex JEUX ET PROGRAMMES ", 0, {}},
};

// After the grid, so that the keyboard starts on the first entry.
const ControlRow kCommandRows[] = {
    {kCommand2, "Command2", ControlKind::CommandButton, 0, {8040, 2400, 1335, 615}, "&Commander", kGraphical, {},
     kDefaultColour, kDefaultColour, IDI_COMMANDER},
    {kCommand1, "Command1", ControlKind::CommandButton, 0, {6360, 2400, 1455, 615}, "&Quitter", kGraphical, {},
     kDefaultColour, kDefaultColour, IDI_QUITTER},
};

// The entry buttons come from the entry table, in grid order.
const std::vector<ControlRow>& Controls() {
  static const std::vector<ControlRow> rows = [] {
    std::vector<ControlRow> all(std::begin(kAuthorRows), std::end(kAuthorRows));
    for (int cell = 0; cell < kGridButtonCount; ++cell) {
      const CatalogueButton& button = GridButtons()[static_cast<size_t>(cell)];
      all.push_back({kGridFirst + cell, button.name, ControlKind::CommandButton, kFrame1, GridButtonRect(cell),
                     button.caption, kGraphical | kNoPrefix, {}, kDefaultColour, kDefaultColour, button.picture});
    }
    all.insert(all.end(), std::begin(kCommandRows), std::end(kCommandRows));
    return all;
  }();
  return rows;
}

const FormDesign& Design() {
  static const FormDesign design{.className = kClassName,
                                 .caption = kCaption,
                                 .clientWidth = 9510,
                                 .clientHeight = 6825,
                                 .controls = Span<ControlRow>(Controls().data(), Controls().size()),
                                 .font = {"MS Sans Serif", 8.25},
                                 .iconId = IDI_CATALOGUE,
                                 .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                                 .exStyle = 0};
  return design;
}

const CommandRoute<Form1> kCommands[] = {
    {kCommand1, BN_CLICKED, &Form1::Command1_Click}, {kCommand2, BN_CLICKED, &Form1::Command2_Click},
    {kImage1, kClicked, &Form1::Image1_Click},       {kLabel5, kClicked, &Form1::Label5_Click},
    {kLabel8, kClicked, &Form1::Label8_Click},
};

// The grid's picture buttons but the last, Command8 ("CD Orvex"), which shows no entry.
const CommandRangeRoute<Form1> kEntryButtons[] = {
    {kGridFirst, kCommand8 - kGridFirst, BN_CLICKED, &Form1::EntryButton_Click},
};

const MouseRoute<Form1> kMouse[] = {
    {kLabel5, MouseEvent::Move, &Form1::Label5_MouseMove},
    {kLabel8, MouseEvent::Move, &Form1::Label8_MouseMove},
    {kFormItself, MouseEvent::Move, &Form1::Form_MouseMove},
    {kFrame2, MouseEvent::Move, &Form1::Frame2_MouseMove},
};

constexpr const char* kOrderInstructions =
    "Remplissez le formulaire qui va apparaitre, imprimez-le et accompagnez-le d'un chèque bancaire d'un montant "
    "correspondant à votre commande à l'ordre de \"Talvenne\". Adressez le tout à l'adresse ci-dessus.";

// Opens a link with the shell's default verb, as a user's double click would.
void OpenLink(HWND owner, const std::string& target) {
  ShellExecuteA(owner, nullptr, target.c_str(), nullptr, "C:\\", SW_SHOWNORMAL);
}

}  // namespace

const Routes<Form1> Form1::kRoutes{.commands = kCommands, .commandRanges = kEntryButtons, .mouse = kMouse};

Form1::Form1(RegistryStore& registry) : FormOf<Form1>(Design()), registry_(registry) {}

bool Form1::Start() {
  return TrapStartupErrors(nullptr, kCaption, [this] { Load(); });
}

void Form1::ShowMain(int showCommand) {
  ShowWindow(hwnd(), showCommand);
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Form1::Form_Load() {
  logo_.reset(static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_LOGO), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
  SetControlPicture(item(kImage1).handle(), logo_.get());

  CentreOnScreen();
  ApplyCursorData3(item(kCommand1).handle());
}

void Form1::EntryButton_Click(int button) {
  PlayClickSoundBesideProgram();
  convertbox& dialog = convertbox_.Load();
  dialog.Show();
  IgnoreErrors([&] {
    if (const CatalogueEntry* entry = EntryOfButton(controls_.Row(button).name)) {
      dialog.ShowEntry(*entry, controls_.PictureOf(button));
    }
  });
}


void Form1::Command2_Click() {
  PlayClickSoundBesideProgram();
  ShowMessage(hwnd(), kOrderInstructions, kCaption, MessageIcon::Exclamation);
  PlayClickSoundBesideProgram();
  commandeform& order = commandeform_.Load(registry_);
  order.Show();
  RedrawWindow(order.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Form1::Command1_Click() {
  PlayClickSoundBesideProgram();
  EndProgram();
}

// The greeting sound, named bare: it plays when the current folder holds it.
void Form1::Image1_Click() { PlaySoundFile("data1.dll"); }

void Form1::Label5_Click() {
  PlayClickSoundBesideProgram();
  OpenLink(hwnd(), std::string("mailto:") + kAuthorMail);
}

void Form1::Label8_Click() {
  PlayClickSoundBesideProgram();
  OpenLink(hwnd(), kAuthorSite);
}

// At most one link is underlined: the one under the mouse.
void Form1::Label5_MouseMove(const MouseArgs&) {
  if (controls_.FontOf(kLabel5).underline) return;
  controls_.SetFontUnderline(kLabel8, false);
  controls_.SetFontUnderline(kLabel5, true);
}

void Form1::Label8_MouseMove(const MouseArgs&) {
  if (controls_.FontOf(kLabel8).underline) return;
  controls_.SetFontUnderline(kLabel8, true);
  controls_.SetFontUnderline(kLabel5, false);
}

void Form1::Form_MouseMove(const MouseArgs&) {
  controls_.SetFontUnderline(kLabel8, false);
  controls_.SetFontUnderline(kLabel5, false);
}

void Form1::Frame2_MouseMove(const MouseArgs& args) { Form_MouseMove(args); }

int RunCatalogue(int showCommand) {
  Form1 form(SystemRegistry());
  if (!form.Start()) return 0;
  form.ShowMain(showCommand);
  return RunMessageLoop();
}

}  // namespace glyvane::catalogue
