// Form1's character grid at work: the ALT code under the pointer, the magnifier
// while a button is held, picking characters into the text to copy, and copying.
#include "common/win/clipboard.h"
#include "common/win/sounds.h"
#include "viewer/form1.h"

namespace glyvane {

using namespace form1;

namespace {

std::string CellCharacter(int index) { return std::string(1, static_cast<char>(CellCode(index))); }

}  // namespace

void Form1::Text_MouseMove(int index, const MouseArgs&) { Text.SetTooltip(index, CellTooltip(index)); }

void Form1::Text_MouseDown(int index, const MouseArgs&) {
  FontSpec font = controls_.FontOf(kText2);
  font.italic = false;
  font.bold = false;
  controls_.SetFont(kText2, font);
  controls_.SetCaption(kText2, " " + CellCharacter(index) + " ");

  RECT magnifier = controls_.BoundsTwips(kText2);
  const MagnifierPlace place = MagnifierPosition(Text.Rect(index), magnifier.right - magnifier.left,
                                                 magnifier.bottom - magnifier.top);
  font.size = 24;
  controls_.SetFont(kText2, font);
  magnifier = controls_.BoundsTwips(kText2);
  const int width = magnifier.right - magnifier.left;
  const int height = magnifier.bottom - magnifier.top;
  controls_.MoveTwips(kText2, 0, 0, width, height);

  const Window picture = controls_[kPicture1];
  controls_.MoveTwips(kPicture1, place.left, place.top, width, height);
  picture.BringToTop();
  picture.Show(true);
}

void Form1::Text_MouseUp(int, const MouseArgs&) { controls_[kPicture1].Show(false); }

void Form1::Text_DblClick(int index, const MouseArgs&) {
  if (OtherFontsMode()) return;
  Text1().SetText(Text1().Text() + CellCharacter(index));
}

void Form1::copy_Click() {
  PlayClickSound();
  SetClipboardText(hwnd(), Text1().Text());
}

}  // namespace glyvane
