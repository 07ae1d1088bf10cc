#include "viewer/proposbox.h"

#include <vector>

#include "common/system/cursors.h"
#include "common/system/program_folder.h"
#include "common/system/sounds.h"

namespace glyvane {

using namespace proposbox_ids;

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 160);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);

// The about box as designed: Left, Top, Width, Height in twips, relative to the parent.
const ControlRow kControls[] = {
    {kFrame2, "Frame2", ControlKind::Frame, 0, {120, 0, 6255, 2415}, "", 0, {}},
    {kPicture1, "Picture1", ControlKind::PictureBox, kFrame2, {120, 240, 3015, 1215}, "", 0, {}, kDefaultColour, kBlue},
    {kPicture3, "Picture3", ControlKind::PictureBox, kPicture1, {120, 120, 480, 480}, "", 0, {}, kDefaultColour, kBlue},
    {kLabel2, "Label2", ControlKind::Label, kPicture1, {720, 60, 2175, 375}, "Glyvane", kCentred | kNoPrefix,
     {"Times New Roman", 14, true}, kWhite, kBlue},
    {kLine1, "Line1", ControlKind::Line, kPicture1, {840, 465, 1935, 15}, "", 0, {}, kWhite},
    {kLabel3, "Label3", ControlKind::Label, kPicture1, {720, 525, 2175, 255}, "De Talvenne", kCentred | kNoPrefix, {},
     kGreen, kBlue},
    {kLine2, "Line2", ControlKind::Line, kPicture1, {840, 825, 1935, 15}, "", 0, {}, kWhite},
    {kLabel4, "Label4", ControlKind::Label, kPicture1, {720, 885, 2175, 255}, "", kCentred | kNoPrefix, {}, kYellow,
     kBlue},
    {kImage1, "Image1", ControlKind::Image, kFrame2, {3360, 240, 2775, 1215}, "", 0, {}},
    {kBouton, "bouton", ControlKind::CommandButton, kFrame2, {4200, 1680, 1095, 480}, "OK", kDefault, {}},
};

const FormDesign kDesign{.className = kClassName,
                         .caption = kCaption,
                         .clientWidth = 6495,
                         .clientHeight = 2535,
                         .controls = kControls,
                         .font = {"MS Sans Serif", 8.25},
                         .iconId = kIconResource};

const CommandRoute<Proposbox> kCommands[] = {
    {kBouton, BN_CLICKED, &Proposbox::bouton_Click},
    {IDOK, kAnyNotification, &Proposbox::bouton_Click},  // Enter
    {IDCANCEL, kAnyNotification, &Proposbox::bouton_Click},  // Escape
    {kImage1, kClicked, &Proposbox::Image1_Click},
};

const TimerRoute<Proposbox> kTimers[] = {{kTimer1, &Proposbox::Timer1_Timer}};

void PlayGreeting() { PlaySoundFile(ProgramFolder() + "\\data1.dll"); }

}  // namespace

const Routes<Proposbox> Proposbox::kRoutes{.commands = kCommands, .timers = kTimers};

Proposbox::Proposbox(const Form& owner) : FormOf<Proposbox>(kDesign, &owner) {}

void Proposbox::Form_Load() {
  const HINSTANCE program = GetModuleHandleA(nullptr);
  SetControlPicture(item(kPicture3).handle(), LoadIconA(program, MAKEINTRESOURCEA(kIconResource)));
  picture_.reset(static_cast<HBITMAP>(
      LoadImageA(program, MAKEINTRESOURCEA(kPictureResource), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
  SetControlPicture(item(kImage1).handle(), picture_.get());

  CentreOnScreen();
  ApplyCursorData3(item(kBouton).handle());
  controls_.SetCaption(kLabel4, ProgramVersionText());
  SetTimer(hwnd(), kTimer1, 100, nullptr);
}

void Proposbox::Timer1_Timer() {
  PlayGreeting();
  KillTimer(hwnd(), kTimer1);
}

// The greeting once more, at once: the timer is armed for one more firing.
void Proposbox::Image1_Click() { SetTimer(hwnd(), kTimer1, 1, nullptr); }

void Proposbox::bouton_Click() {
  PlayClickSound();
  Unload();
}

std::string ProgramVersionText() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
  std::vector<char> block(size);
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  if (size == 0 || !GetFileVersionInfoA(path, 0, size, block.data()) ||
      !VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&info), &length) || !info) {
    return "Version";
  }
  return "Version " + std::to_string(HIWORD(info->dwFileVersionMS)) + "." + std::to_string(LOWORD(info->dwFileVersionMS));
}

}  // namespace glyvane
