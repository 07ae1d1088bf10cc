// Form1's installed-font source: filling the lists, selecting a font, the quick
// preview under the pointer, and the switch between the two sources.
#include "common/system/screen_fonts.h"
#include "common/system/sounds.h"
#include "viewer/form1.h"
#include "viewer/hover_index.h"

namespace glyvane {

using namespace form1_ids;

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
  const ListBox combo = list(kCombo1);
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
  FontStyle cell = Text.FontOf(0);
  cell.face = CurrentFace();
  cell.bold = false;
  cell.italic = false;
  Text.SetFontAll(cell);
}

void Form1::Combo1_Click() {
  PlayClickSound();
  const double tableSize = settings_.TableSize();
  const double copySize = settings_.CopySize();
  const std::string face = list(kCombo1).Item(list(kCombo1).Selected());
  Text.SetFontAll(FontStyle{face, tableSize});

  controls_.SetFontItalic(kText1, false);
  controls_.SetFontName(kText1, face);
  controls_.SetFontSize(kText1, copySize);
  controls_.SetFontItalic(kText2, false);
  controls_.SetFontName(kText2, face);

  controls_.SetCaption(kFrame1, "Caractères de " + face + " : ");
}

int Form1::ListHoverIndex(const ListBox& list, double yTwips) const {
  ListMetrics metrics;
  metrics.twipsPerPixelY = controls_.twipsPerPixel();
  metrics.entryHeightTwips = MeasureText(controls_.WindowFont(), "A").cy * controls_.twipsPerPixel();
  metrics.topIndex = list.TopIndex();
  metrics.count = list.Count();
  return glyvane::HoverIndex(yTwips, metrics);
}

void Form1::Combo1_MouseDown(const MouseArgs& args) {
  const int index = ListHoverIndex(list(kCombo1), args.y);
  if (index != HoverIndex()) Label3.set(index);
}

void Form1::Combo1_MouseMove(const MouseArgs& args) {
  if (!MainMenu().IsChecked(kMenuApercu)) return;
  const int index = ListHoverIndex(list(kCombo1), args.y);
  if (index == HoverIndex()) return;  // still over the same entry
  Label3.set(index);
  if (index == -1) return;  // below the last entry: the preview keeps its font
  const std::string name = list(kCombo1).Item(index);
  controls_.SetFont(kLabel2, FontStyle{name, 17});
  controls_.SetCaption(kLabel2, name);
}

void Form1::Option1_Click() {
  if (!button(kOption1).IsChecked()) return;
  item(kFrame2).Show(true);
  item(kFrame3).Show(false);
  const Menu menu = MainMenu();
  menu.SetEnabled(kMenuCopy, true);
  menu.SetEnabled(kMenuApercu, true);
  menu.SetEnabled(kMenuTaillecopier, true);
  item(kCommand2).Show(false);
  item(kLabel2).Show(true);
  item(kLabel1).Show(true);
  item(kText1).Show(true);
  // With no installed font selected yet, the text keeps its face.
  const int selected = list(kCombo1).Selected();
  if (selected >= 0) controls_.SetFontName(kText1, list(kCombo1).Item(selected));
}

void Form1::Option2_Click() {
  if (!button(kOption2).IsChecked()) return;
  item(kFrame3).Show(true);
  item(kFrame2).Show(false);
  const Menu menu = MainMenu();
  menu.SetEnabled(kMenuCopy, false);
  menu.SetEnabled(kMenuApercu, false);
  menu.SetEnabled(kMenuTaillecopier, false);
  item(kCommand2).Show(true);
  item(kLabel2).Show(false);
  item(kLabel1).Show(false);
  item(kText1).Show(false);
  controls_.SetCaption(kLabel2, "");
}

}  // namespace glyvane
