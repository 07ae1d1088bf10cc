#pragma once
// A window's controls declared as data, one row per control as the layout tables give
// them (name, kind, parent, Left/Top/Width/Height in twips, caption, design state),
// the real child windows built from such a table, and what the layer keeps for each
// control beside its window: its font, its caption's fitting, tooltip, picture,
// colours and place in twips. Everything else a handler does through the window's
// non-owning views (Form::list(id), button(id) ...).
#include <windows.h>

#include <map>
#include <string>

#include "common/span.h"
#include "common/twips.h"
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
  kMultiLine = 1u << 10,  // text boxes
  kReadOnly = 1u << 11,   // text boxes
  kVScroll = 1u << 12,    // text boxes: a vertical scroll bar
  kDefault = 1u << 13,    // command buttons: Enter presses it
  kGraphical = 1u << 14,  // command buttons: a picture above the caption
  kTransparent = 1u << 15,  // labels: only the text is drawn, over what lies below
};

// A design font: face and size; nullptr face means the window's own font.
struct DesignFont {
  const char* face = nullptr;
  double size = 0.0;
  bool bold = false;
};

// Colours as the platform writes them, 0x00BBGGRR; kDefaultColour keeps the system's.
constexpr COLORREF kDefaultColour = 0xFFFFFFFF;

// One control's design row.
struct ControlRow {
  int id;
  const char* name;
  ControlKind kind;
  int parent;  // id of the containing control, 0 for the window itself
  TwipRect rect;
  const char* caption;
  unsigned flags;
  DesignFont font;
  COLORREF foreColour = kDefaultColour;
  COLORREF backColour = kDefaultColour;
  int picture = 0;  // picture buttons and images: an icon resource of the program
  int pointer = 0;  // a cursor resource shown over this control instead of its class's
};

class ControlSet {
 public:
  ControlSet() = default;
  ControlSet(const ControlSet&) = delete;
  ControlSet& operator=(const ControlSet&) = delete;
  ~ControlSet();

  // Builds the controls of `form` in table order (which is also the tab order).
  void Create(HWND form, Span<ControlRow> rows, const FontStyle& windowFont);

  HWND Handle(int id) const;
  // The row the control was built from.
  const ControlRow& Row(int id) const { return At(id).row; }

  // The caption of a label, button or frame (an auto-size label takes its size).
  void SetCaption(int id, const std::string& text);
  const FontStyle& FontOf(int id) const { return At(id).style; }
  void SetFont(int id, const FontStyle& style);
  void SetFontName(int id, const std::string& face) { ChangeFont(id, [&face](FontStyle& f) { f.face = face; }); }
  void SetFontSize(int id, double points) { ChangeFont(id, [points](FontStyle& f) { f.size = points; }); }
  void SetFontBold(int id, bool bold) { ChangeFont(id, [bold](FontStyle& f) { f.bold = bold; }); }
  void SetFontItalic(int id, bool italic) { ChangeFont(id, [italic](FontStyle& f) { f.italic = italic; }); }
  void SetFontUnderline(int id, bool underline) {
    ChangeFont(id, [underline](FontStyle& f) { f.underline = underline; });
  }
  // Place in twips relative to the container.
  TwipRect RectOf(int id) const;
  void Move(int id, const TwipRect& rect);
  // The text the pointer shows over the control; empty text shows none.
  void SetTooltip(int id, const std::string& text);
  std::string TooltipOf(int id) const { return At(id).tooltip; }
  // The icon a picture button, image or picture box shows (nullptr: none). A picture
  // set here must outlive the control or be replaced first.
  HICON PictureOf(int id) const { return At(id).picture; }
  void SetPicture(int id, HICON icon);
  // The pointer of the control's own (ControlRow::pointer), or nullptr.
  HCURSOR PointerFor(HWND control) const;

  // The background brush of a control with colours of its own, after setting the
  // DC's colours (WM_CTLCOLOR*), or nullptr for the system's colours.
  HBRUSH ColoursFor(HWND control, HDC dc) const;

  HFONT WindowFont() const { return windowFont_.get(); }
  double twipsPerPixel() const { return twipsPerPixel_; }

 private:
  struct Entry {
    ControlRow row{};
    HWND window = nullptr;
    FontStyle style;
    UniqueFont font;  // empty: the window's font
    COLORREF fore = kDefaultColour;
    COLORREF back = kDefaultColour;
    UniqueBrush backBrush;
    std::string tooltip;
    HICON picture = nullptr;
    UniqueIcon designPicture;  // loaded from the row's resource
    HCURSOR pointer = nullptr;
  };
  void Add(const ControlRow& row);
  void SetColours(int id, COLORREF fore, COLORREF back);
  int ToPixels(double twips) const { return TwipsToPixels(twips, twipsPerPixel_); }
  Entry& At(int id);
  const Entry& At(int id) const;
  template <typename Change>
  void ChangeFont(int id, Change change) {
    FontStyle style = FontOf(id);
    change(style);
    SetFont(id, style);
  }
  void AutoSize(Entry& entry);
  void FitCaption(const Entry& entry) const;
  HWND Tooltips();

  HWND form_ = nullptr;
  double twipsPerPixel_ = 15.0;
  FontStyle windowFontStyle_;
  UniqueFont windowFont_;
  HWND tooltips_ = nullptr;  // made with the first tooltip; a popup the form owns, not a child
  std::map<int, Entry> entries_;
  std::map<HWND, int> ids_;
};

}  // namespace glyvane
