#pragma once
// A window's controls declared as data, one row per control as the layout tables
// give them (name, kind, parent, Left/Top/Width/Height in twips, caption, design
// state), and the set of real child windows built from such a table.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "common/win/control_classes.h"
#include "common/win/fonts.h"
#include "common/win/unique.h"
#include "common/win/window.h"

namespace glyvane {

enum ControlFlag : unsigned {
  kHidden = 1u << 0,
  kDisabled = 1u << 1,
  kAutoSize = 1u << 2,    // labels: the size follows the caption
  kCentred = 1u << 3,
  kBorder = 1u << 4,      // single border
  kSelected = 1u << 5,    // option buttons, check boxes
  kNoPrefix = 1u << 6,    // labels: "&" is shown, not an access key
  kSorted = 1u << 7,      // list boxes
  kGroupStart = 1u << 8,  // first of a group of option buttons
  kNoTabStop = 1u << 9,
};

// A design font: face and size; nullptr face means the window's own font.
struct DesignFont {
  const char* face = nullptr;
  double size = 0.0;
  bool bold = false;
};

struct ControlSpec {
  int id;
  const char* name;
  ControlKind kind;
  int parent;  // id of the containing control, 0 for the window itself
  int left, top, width, height;
  const char* caption;
  unsigned flags;
  DesignFont font;
};

class ControlSet {
 public:
  // Builds the controls of `form` in table order (which is also the tab order).
  void Create(HWND form, const ControlSpec* first, size_t count, const FontSpec& windowFont);

  // Adds one more control at run time (a new element of a control array).
  Window Add(const ControlSpec& spec);

  Window operator[](int id) const;
  ListBox List(int id) const { return ListBox((*this)[id].handle()); }
  Button ButtonAt(int id) const { return Button((*this)[id].handle()); }

  // Captions; an auto-size label takes the size of its new caption.
  void SetCaption(int id, const std::string& text);

  // Fonts: each control keeps its own description and GDI font.
  const FontSpec& FontOf(int id) const;
  void SetFont(int id, const FontSpec& spec);
  HFONT WindowFont() const { return windowFont_.get(); }

  // Positions in twips relative to the parent.
  void MoveTwips(int id, int left, int top, int width, int height);
  RECT BoundsTwips(int id) const;  // left, top, right, bottom in twips
  double twipsPerPixel() const { return twipsPerPixel_; }
  int ToPixels(double twips) const;

 private:
  struct Entry {
    HWND window = nullptr;
    unsigned flags = 0;
    ControlKind kind = ControlKind::Label;
    FontSpec spec;
    UniqueFont font;  // empty: the window's font
  };
  Entry& At(int id);
  const Entry& At(int id) const;
  void AutoSize(Entry& entry);

  HWND form_ = nullptr;
  double twipsPerPixel_ = 15.0;
  FontSpec windowFontSpec_;
  UniqueFont windowFont_;
  std::map<int, Entry> entries_;
};

}  // namespace glyvane
