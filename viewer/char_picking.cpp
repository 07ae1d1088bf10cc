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
  Text2().SetFontItalic(false);
  Text2().SetFontBold(false);
  Text2().SetCaption(" " + CellCharacter(index) + " ");
  const TwipRect magnifier = Text2().Rect();
  const MagnifierPlace place =
      MagnifierPosition(CellRect(index), controls_.Row(kFrame1).rect, magnifier.width, magnifier.height);
  Text2().SetFontSize(24);
  TwipRect text2 = Text2().Rect();
  text2.left = 0;
  Text2().Move(text2);

  Picture1().Move(TwipRect{place.left, place.top, text2.width, text2.height});
  Picture1().window().BringToTop();
  Picture1().SetVisible(true);
}

void Form1::Text_MouseUp(int, const MouseArgs&) { Picture1().SetVisible(false); }

void Form1::Text_DblClick(int index, const MouseArgs&) {
  if (OtherFontsMode()) return;
  Text1().SetText(Text1().Text() + CellCharacter(index));
}

void Form1::copy_Click() {
  PlayClickSound();
  SetClipboardText(hwnd(), Text1().Text());
}

}  // namespace glyvane
