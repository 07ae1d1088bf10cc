#pragma once
// A window's controls declared as data, one row per control as the layout tables give
// them (name, kind, parent, Left/Top/Width/Height in twips, caption, design state),
// the real child windows built from such a table, and typed handles through which the
// handlers set their properties ("Label2().SetCaption(name)").
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

class ControlSet;

// A control of a window, reached by its id: the handlers' way to read and set its
// properties. A handle is as cheap as an int; it lives as long as the window.
class Control {
 public:
  Control(ControlSet& set, int id) : set_(&set), id_(id) {}

  int id() const { return id_; }
  HWND handle() const;
  Window window() const { return Window(handle()); }

  // The caption of a label, button or frame; the text of a text box.
  std::string Caption() const { return window().Text(); }
  void SetCaption(const std::string& text) const;
  void SetVisible(bool visible) const;
  void SetEnabled(bool enabled) const { EnableWindow(handle(), enabled ? TRUE : FALSE); }
  void Focus() const { SetFocus(handle()); }
  void Refresh() const { RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN); }

  const FontStyle& Font() const;
  void SetFont(const FontStyle& style) const;
  void SetFontName(const std::string& face) const;
  void SetFontSize(double points) const;
  void SetFontBold(bool bold) const;
  void SetFontItalic(bool italic) const;
  void SetFontUnderline(bool underline) const;

  // Place in twips relative to the container.
  TwipRect Rect() const;
  void Move(const TwipRect& rect) const;

  // The text the pointer shows over the control; empty text shows none.
  void SetTooltip(const std::string& text) const;

  // The icon a picture button, image or picture box shows (nullptr: none). A picture
  // set here must outlive the control or be replaced first.
  HICON Picture() const;
  void SetPicture(HICON icon) const;

 protected:
  ControlSet& set() const { return *set_; }

 private:
  ControlSet* set_;
  int id_;
};

class ListControl : public Control {
 public:
  using Control::Control;
  ListBox box() const { return ListBox(handle()); }
  int Count() const { return box().Count(); }
  int Add(const std::string& text) const { return box().Add(text); }
  void Clear() const { box().Clear(); }
  std::string Item(int index) const { return box().Item(index); }
  int Selected() const { return box().Selected(); }
  void Select(int index) const { box().Select(index); }
  int TopIndex() const { return box().TopIndex(); }
  int FindExact(const std::string& text, int after = -1) const { return box().FindExact(text, after); }
  LRESULT ItemData(int index) const { return box().Send(LB_GETITEMDATA, static_cast<WPARAM>(index)); }
  void SetItemData(int index, LRESULT data) const {
    box().Send(LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
  }
  void SetRedraw(bool redraw) const { box().SetRedraw(redraw); }
  void Reserve(int count, size_t bytes) const { box().Reserve(count, bytes); }
};

// A check-box list; its entries' item data hold their boxes.
class CheckListControl : public ListControl {
 public:
  using ListControl::ListControl;
  bool IsChecked(int index) const { return IsListItemChecked(handle(), index); }
  void SetChecked(int index, bool checked) const { SetListItemChecked(handle(), index, checked); }
};

// Option buttons and check boxes.
class ButtonControl : public Control {
 public:
  using Control::Control;
  bool Value() const { return Button(handle()).IsChecked(); }
};

class TextControl : public Control {
 public:
  using Control::Control;
  std::string Text() const { return Caption(); }
  void SetText(const std::string& text) const { window().SetText(text); }
  void SetMaxLength(int characters) const { window().Send(EM_SETLIMITTEXT, static_cast<WPARAM>(characters)); }
};

class ControlSet {
 public:
  ControlSet() = default;
  ControlSet(const ControlSet&) = delete;
  ControlSet& operator=(const ControlSet&) = delete;
  ~ControlSet();

  // Builds the controls of `form` in table order (which is also the tab order).
  void Create(HWND form, Span<ControlRow> rows, const FontStyle& windowFont);

  // Adds one more control at run time.
  Control Add(const ControlRow& row);

  Control operator[](int id) { return Control(*this, id); }
  HWND Handle(int id) const;
  // The row the control was built from.
  const ControlRow& Row(int id) const { return At(id).row; }

  void SetCaption(int id, const std::string& text);
  void SetVisible(int id, bool visible);
  const FontStyle& FontOf(int id) const { return At(id).style; }
  void SetFont(int id, const FontStyle& style);
  void SetColours(int id, COLORREF fore, COLORREF back);
  TwipRect RectOf(int id) const;
  void Move(int id, const TwipRect& rect);
  void SetTooltip(int id, const std::string& text);
  std::string TooltipOf(int id) const { return At(id).tooltip; }
  HICON PictureOf(int id) const { return At(id).picture; }
  void SetPicture(int id, HICON icon);
  // The pointer of the control's own (ControlRow::pointer), or nullptr.
  HCURSOR PointerFor(HWND control) const;

  // The background brush of a control with colours of its own, after setting the
  // DC's colours (WM_CTLCOLOR*), or nullptr for the system's colours.
  HBRUSH ColoursFor(HWND control, HDC dc) const;

  HFONT WindowFont() const { return windowFont_.get(); }
  double twipsPerPixel() const { return twipsPerPixel_; }
  int ToPixels(double twips) const { return TwipsToPixels(twips, twipsPerPixel_); }

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
  Entry& At(int id);
  const Entry& At(int id) const;
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
