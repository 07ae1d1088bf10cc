// Form1's installed-font source: filling the lists, selecting a font, the quick
// preview under the pointer, and the switch between the two sources.
#include "common/win/sounds.h"
#include "viewer/form1.h"
#include "viewer/hover_index.h"
#include "viewer/screen_fonts.h"

namespace glyvane {

using namespace form1;

namespace {

// The first entry that equals text exactly, case included: the list's own search
// ignores case, so its candidates are checked one by one.
int FindExactCase(const ListBox& list, const std::string& text) {
  int found = list.FindExact(text);
  while (found != LB_ERR) {
    if (list.Item(found) == text) return found;
    const int next = list.FindExact(text, found);
    if (next == LB_ERR || next <= found) break;  // the search wrapped around
    found = next;
  }
  return -1;
}

}  // namespace

void Form1::Remplir() {
  const std::vector<std::string> fonts = ScreenFontNames();
  const ListBox combo = Combo1();
  combo.SetRedraw(false);
  combo.Clear();
  size_t bytes = 0;
  for (const std::string& name : fonts) bytes += name.size() + 1;
  combo.Reserve(static_cast<int>(fonts.size()), bytes);
  for (const std::string& name : fonts) combo.Add(name);
  combo.SetRedraw(true);
  List2.Assign(fonts);

  const int arial = FindExactCase(combo, "Arial");
  if (arial >= 0) {
    combo.Select(arial);
    Combo1_Click();
    Label3.set(arial);
  }
  // The cells take the face of the text to copy, regular.
  const std::string face = CurrentFace();
  for (int i = 0; i < Text.Count(); ++i) {
    FontSpec font = Text.FontOf(i);
    font.face = face;
    font.bold = false;
    font.italic = false;
    Text.SetFont(i, font);
  }
}

void Form1::RestyleCell(int index, const std::string& face, double size) {
  Text.SetFont(index, FontSpec{face, size, false, false});
}

void Form1::Combo1_Click() {
  PlayClickSound();
  const double tableSize = settings_.TableSize();
  const double copySize = settings_.CopySize();
  const std::string face = Combo1().Item(Combo1().Selected());
  for (int i = 0; i < Text.Count(); ++i) RestyleCell(i, face, tableSize);

  FontSpec copyFont = controls_.FontOf(kText1);
  copyFont.face = face;
  copyFont.italic = false;
  copyFont.size = copySize;
  controls_.SetFont(kText1, copyFont);
  FontSpec magnifierFont = controls_.FontOf(kText2);
  magnifierFont.face = face;
  magnifierFont.italic = false;
  controls_.SetFont(kText2, magnifierFont);

  controls_.SetCaption(kFrame1, "Caractères de " + face + " : ");
}

int Form1::ListHoverIndex(int listId, double yTwips) const {
  const ListBox list = controls_.List(listId);
  ListMetrics metrics;
  metrics.twipsPerPixelY = controls_.twipsPerPixel();
  metrics.entryHeightTwips = MeasureText(controls_.WindowFont(), "A").cy * controls_.twipsPerPixel();
  metrics.topIndex = list.TopIndex();
  metrics.count = list.Count();
  return glyvane::HoverIndex(yTwips, metrics);
}

void Form1::Combo1_MouseDown(const MouseArgs& args) {
  const int index = ListHoverIndex(kCombo1, args.y);
  if (index != HoverIndex()) Label3.set(index);
}

void Form1::Combo1_MouseMove(const MouseArgs& args) {
  if (!MainMenu().IsChecked(kMenuApercu)) return;
  const int index = ListHoverIndex(kCombo1, args.y);
  if (index == HoverIndex()) return;  // still over the same entry
  Label3.set(index);
  if (index == -1) return;  // below the last entry: the preview keeps its font
  const std::string name = Combo1().Item(index);
  controls_.SetFont(kLabel2, FontSpec{name, 17, false, false});
  controls_.SetCaption(kLabel2, name);
}

void Form1::Option1_Click() {
  if (!controls_.ButtonAt(kOption1).IsChecked()) return;
  controls_[kFrame2].Show(true);
  controls_[kFrame3].Show(false);
  const Menu menu = MainMenu();
  menu.Enable(kMenuCopy, true);
  menu.Enable(kMenuApercu, true);
  menu.Enable(kMenuTaillecopier, true);
  controls_[kCommand2].Show(false);
  controls_[kLabel2].Show(true);
  controls_[kLabel1].Show(true);
  controls_[kText1].Show(true);
  // With no installed font selected yet, the text keeps its face.
  const int selected = Combo1().Selected();
  if (selected >= 0) {
    FontSpec copyFont = controls_.FontOf(kText1);
    copyFont.face = Combo1().Item(selected);
    controls_.SetFont(kText1, copyFont);
  }
}

void Form1::Option2_Click() {
  if (!controls_.ButtonAt(kOption2).IsChecked()) return;
  controls_[kFrame3].Show(true);
  controls_[kFrame2].Show(false);
  const Menu menu = MainMenu();
  menu.Enable(kMenuCopy, false);
  menu.Enable(kMenuApercu, false);
  menu.Enable(kMenuTaillecopier, false);
  controls_[kCommand2].Show(true);
  controls_[kLabel2].Show(false);
  controls_[kLabel1].Show(false);
  controls_[kText1].Show(false);
  controls_.SetCaption(kLabel2, "");
}

}  // namespace glyvane
