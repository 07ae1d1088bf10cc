#include "printing/form3.h"

#include <cmath>

#include "printing/form2.h"
#include "printing/progress.h"

namespace glyvane {

using namespace form3_ids;

namespace {

constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kWhite = RGB(255, 255, 255);

const ControlRow kControls[] = {
    {kPicture2, "Picture2", ControlKind::PictureBox, 0, {120, 360, 3975, 255}, "", 0, {}},
    {kPicture1, "Picture1", ControlKind::PictureBox, 0, {120, 600, 3975, 375}, "", kBorder, {}},
    {kCommand1, "Command1", ControlKind::CommandButton, 0, {1440, 1200, 1335, 375}, "Annuler", kDefault, {}},
};

const FormDesign kDesign{.className = kClassName,
                         .caption = kCaption,
                         .clientWidth = 4230,
                         .clientHeight = 1740,
                         .controls = kControls,
                         .font = {"MS Sans Serif", 8.25}};

const CommandRoute<Form3> kCommands[] = {
    {kCommand1, BN_CLICKED, &Form3::Command1_Click},
    {IDCANCEL, kAnyNotification, &Form3::Command1_Click},  // Escape
};

// Fills a rectangle in "not xor" with the brush: where the canvas is white it turns
// the brush's colour, where it is that colour it turns white.
void FillNotXor(HDC dc, const RECT& area, COLORREF colour) {
  constexpr DWORD kPatternNotXorDestination = 0x00A50065;  // DPxn
  UniqueBrush brush(CreateSolidBrush(colour));
  SelectObjectGuard select(dc, brush.get());
  PatBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, kPatternNotXorDestination);
}

}  // namespace

void DrawProgress(PictureCanvas& box, double fraction, bool exact) {
  if (!box) return;
  box.SetColours(kNavy, kWhite);
  box.Clear();
  fraction = ProgressFraction(fraction);
  const std::string text = ProgressText(fraction, exact);
  const SIZE size = box.size();
  const SIZE extent = box.Measure(text);
  const POINT at{static_cast<LONG>(std::lround(size.cx / 2.0 - extent.cx / 2.0)),
                 static_cast<LONG>(std::lround(size.cy / 2.0 - extent.cy / 2.0))};
  const RECT behindText{at.x, at.y, at.x + extent.cx, at.y + extent.cy};
  UniqueBrush back(CreateSolidBrush(box.back()));
  FillRect(box.dc(), &behindText, back.get());
  box.SetPosition(at);
  box.Print(text);
  if (fraction > 0) {
    const RECT bar{0, 0, static_cast<LONG>(std::lround(size.cx * fraction)), size.cy};
    FillNotXor(box.dc(), bar, box.fore());
  }
  box.Refresh();
}

const Routes<Form3> Form3::kRoutes{.commands = kCommands};

Form3::Form3(const Form& owner, Form2& dialog) : FormOf<Form3>(kDesign, &owner), dialog_(dialog) {}

void Form3::Form_Load() {
  Picture2 = PictureCanvas(item(kPicture2));
  Picture2.SetColours(GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_BTNFACE));
  Picture2.Clear();
  Picture1 = PictureCanvas(item(kPicture1));
  CentreOnScreen();
  ShowWindow(dialog_.hwnd(), SW_HIDE);
}

void Form3::ShowFontName(const std::string& name) {
  shownName_ = name;
  Picture2.Clear();
  Picture2.Print("Nom de la police : " + name);
  Picture2.Refresh();
}

void Form3::ShowProgress(double fraction, bool exact) { DrawProgress(Picture1, fraction, exact); }

void Form3::Command1_Click() {
  Picture2.Print("Nom de la police :");
  Picture2.Refresh();
  DrawProgress(Picture1, 0, true);
  cancelled_ = true;
  Unload();
}

void Form3::Form_Unload() {
  // Only the user's closing stops the printout; the printout closing the window at
  // the end of a copy raises the flag too, and lowers it again itself.
  dialog_.SetCancelFlag(true);
  if (cancelled_ || unloadReason() == UnloadReason::User) dialog_.RaiseUserCancel();
  Picture2.Print("Nom de la police :");
  DrawProgress(Picture1, 0, true);
}

}  // namespace glyvane
