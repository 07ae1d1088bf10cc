// Form1's character grid at work: the ALT code under the pointer, the magnifier
// while a button is held, picking characters into the text to copy, and copying.
#include "common/system/clipboard.h"
#include "common/system/sounds.h"
#include "viewer/form1.h"

namespace glyvane {

using namespace form1_ids;

namespace {

std::string CellCharacter(int index) { return std::string(1, static_cast<char>(CellCode(index))); }

}  // namespace

void Form1::Text_MouseMove(int index, const MouseArgs&) { Text.SetTooltip(index, CellTooltip(index)); }

void Form1::Text_MouseDown(int index, const MouseArgs&) {
  controls_.SetFontItalic(kText2, false);
  controls_.SetFontBold(kText2, false);
  controls_.SetCaption(kText2, " " + CellCharacter(index) + " ");
  const TwipRect magnifier = controls_.RectOf(kText2);
  const MagnifierPlace place =
      MagnifierPosition(CellRect(index), controls_.Row(kFrame1).rect, magnifier.width, magnifier.height);
  controls_.SetFontSize(kText2, 24);
  TwipRect text2 = controls_.RectOf(kText2);
  text2.left = 0;
  controls_.Move(kText2, text2);

  controls_.Move(kPicture1, TwipRect{place.left, place.top, text2.width, text2.height});
  item(kPicture1).BringToTop();
  item(kPicture1).Show(true);
}

void Form1::Text_MouseUp(int, const MouseArgs&) { item(kPicture1).Show(false); }

void Form1::Text_DblClick(int index, const MouseArgs&) {
  if (OtherFontsMode()) return;
  item(kText1).SetText(item(kText1).Text() + CellCharacter(index));
}

void Form1::copy_Click() {
  PlayClickSound();
  SetClipboardText(hwnd(), item(kText1).Text());
}

}  // namespace glyvane
