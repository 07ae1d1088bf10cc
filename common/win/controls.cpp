#include "common/win/controls.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "common/auto_size.h"
#include "common/system/last_error.h"

namespace glyvane {

namespace {

bool IsList(ControlKind kind) {
  return kind == ControlKind::ListBox || kind == ControlKind::CheckListBox || kind == ControlKind::FileListBox;
}

DWORD StyleFor(const ControlRow& row) {
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  if (!(row.flags & kHidden)) style |= WS_VISIBLE;
  if (row.flags & kDisabled) style |= WS_DISABLED;
  if (row.flags & kGroupStart) style |= WS_GROUP;
  const DWORD tabStop = (row.flags & kNoTabStop) ? 0 : WS_TABSTOP;
  switch (row.kind) {
    case ControlKind::Frame:
      style |= BS_GROUPBOX | WS_CLIPCHILDREN;
      break;
    case ControlKind::ListBox:
    case ControlKind::FileListBox:
      style |= LBS_NOTIFY | LBS_HASSTRINGS | WS_VSCROLL | tabStop;
      if (row.flags & kSorted) style |= LBS_SORT;
      break;
    case ControlKind::CheckListBox:
      style |= LBS_NOTIFY | LBS_HASSTRINGS | LBS_OWNERDRAWFIXED | WS_VSCROLL | tabStop;
      if (row.flags & kSorted) style |= LBS_SORT;
      break;
    case ControlKind::CommandButton:
      if (row.flags & kGraphical) {
        style |= BS_OWNERDRAW | tabStop;  // drawn by the window layer: picture and caption
      } else {
        style |= ((row.flags & kDefault) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_MULTILINE | tabStop;
      }
      break;
    case ControlKind::OptionButton:
      style |= BS_AUTORADIOBUTTON | tabStop;
      break;
    case ControlKind::CheckBox:
      style |= BS_AUTOCHECKBOX | tabStop;
      break;
    case ControlKind::Label:
      // SS_NOTIFY: a label takes the mouse (its own pointer moves and clicks, its
      // tooltip) instead of letting it through to what lies below.
      style |= ((row.flags & kCentred) ? SS_CENTER : SS_LEFT) | SS_NOTIFY;
      if (row.flags & kNoPrefix) style |= SS_NOPREFIX;
      if (row.flags & kBorder) style |= WS_BORDER;
      break;
    case ControlKind::TextBox:
      style |= ES_LEFT | tabStop;
      style |= (row.flags & kMultiLine) ? (ES_MULTILINE | ES_AUTOVSCROLL) : ES_AUTOHSCROLL;
      if (row.flags & kVScroll) style |= WS_VSCROLL;
      if (row.flags & kReadOnly) style |= ES_READONLY;
      break;
    case ControlKind::PictureBox:
      style |= WS_CLIPCHILDREN;
      if (row.flags & kBorder) style |= WS_BORDER;
      break;
    case ControlKind::Image:
    case ControlKind::Line:
      if (row.flags & kBorder) style |= WS_BORDER;
      break;
  }
  return style;
}

DWORD ExStyleFor(const ControlRow& row) {
  switch (row.kind) {
    case ControlKind::Frame:
    case ControlKind::PictureBox:
      return WS_EX_CONTROLPARENT;  // Tab walks into the controls it holds
    case ControlKind::ListBox:
    case ControlKind::CheckListBox:
    case ControlKind::FileListBox:
    case ControlKind::TextBox:
      return WS_EX_CLIENTEDGE;
    default:
      return 0;
  }
}

// The size a label's caption takes, as the label draws it (an "&" that marks the
// access key takes no room).
SIZE MeasureCaption(HFONT font, const std::string& text, bool noPrefix) {
  if (text.empty()) return MeasureText(font, text);
  WindowDC screen(nullptr);
  SelectObjectGuard select(screen.get(), font);
  RECT area{0, 0, 0, 0};
  const UINT prefix = noPrefix ? DT_NOPREFIX : 0u;
  DrawTextA(screen.get(), text.c_str(), static_cast<int>(text.size()), &area, DT_CALCRECT | DT_SINGLELINE | DT_LEFT | prefix);
  return SIZE{DrawnWidth(font, text, prefix), area.bottom - area.top};
}

// The size a caption takes laid out in `width` pixels, as the control draws it:
// broken at blanks into lines, or on one line when width is 0.
SIZE LaidOutCaption(HWND control, const std::string& text, int width, UINT flags) {
  WindowDC screen(nullptr);
  SelectObjectGuard select(screen.get(), reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
  RECT area{0, 0, width, 0};
  DrawTextA(screen.get(), text.c_str(), static_cast<int>(text.size()), &area,
            DT_CALCRECT | flags | (width > 0 ? DT_WORDBREAK : DT_SINGLELINE));
  return SIZE{area.right, area.bottom};
}

// The pixels the control's own drawing keeps around its caption: a push button's
// edge (one pixel more round the default button's), an option or check box's box
// and the gap after it, a frame's corners.
SIZE CaptionMargins(const ControlRow& row) {
  switch (row.kind) {
    case ControlKind::CommandButton: {
      const int inset = (row.flags & kDefault) ? 3 : 2;
      return SIZE{2 * inset, 2 * inset};
    }
    case ControlKind::OptionButton:
    case ControlKind::CheckBox:
      return SIZE{13 + 3, 0};
    case ControlKind::Frame:
      return SIZE{2 * 8, 0};
    default:
      return SIZE{0, 0};
  }
}

}  // namespace

ControlSet::~ControlSet() {
  // The controls are the form's children and die with it. The tooltip window is a
  // popup the form owns: the system destroys it with the form, and it goes with this
  // set when the set goes first.
  if (tooltips_ && IsWindow(tooltips_)) DestroyWindow(tooltips_);
}

void ControlSet::Create(HWND form, Span<ControlRow> rows, const FontStyle& windowFont) {
  RegisterControlClasses();
  form_ = form;
  twipsPerPixel_ = ScreenTwipsPerPixel();
  windowFontStyle_ = windowFont;
  windowFont_ = CreateScreenFont(windowFont);
  for (const ControlRow& row : rows) Add(row);
}

void ControlSet::Add(const ControlRow& row) {
  const HWND parent = row.parent == 0 ? form_ : At(row.parent).window;
  const HWND window = CreateWindowExA(ExStyleFor(row), ControlClassName(row.kind), row.caption ? row.caption : "",
                                     StyleFor(row), ToPixels(row.rect.left), ToPixels(row.rect.top),
                                     ToPixels(row.rect.width), ToPixels(row.rect.height), parent,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)),
                                     GetModuleHandleA(nullptr), nullptr);
  if (!window) throw LastError();

  Entry& entry = entries_[row.id];
  entry.row = row;
  entry.window = window;
  ids_[window] = row.id;
  SetColours(row.id, row.foreColour, row.backColour);

  FontStyle style = windowFontStyle_;
  if (row.font.face) style.face = row.font.face;
  if (row.font.size > 0) style.size = row.font.size;
  style.bold = row.font.bold;
  if (style == windowFontStyle_) {
    entry.style = style;
    Window(window).SetFont(windowFont_.get());
    if (row.flags & kAutoSize) AutoSize(entry);
  } else {
    SetFont(row.id, style);
  }
  FitCaption(entry);
  if (IsList(row.kind)) {
    // A list shows whole entries: its height is fitted to them when it is sized,
    // so it is sized again now that it has its font.
    SetWindowPos(window, nullptr, 0, 0, ToPixels(row.rect.width), ToPixels(row.rect.height),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (row.flags & kSelected) Button(window).SetChecked(true);
  if (row.flags & kTransparent) MakeLabelTransparent(window);
  const HINSTANCE program = GetModuleHandleA(nullptr);
  if (row.picture) {
    // Loaded at the size it is shown at, so that it keeps its own drawing.
    const int side = row.kind == ControlKind::CommandButton ? ButtonPictureSide(window) : GetSystemMetrics(SM_CXICON);
    entry.designPicture.reset(
        static_cast<HICON>(LoadImageA(program, MAKEINTRESOURCEA(row.picture), IMAGE_ICON, side, side, 0)));
    SetPicture(row.id, entry.designPicture.get());
  }
  if (row.pointer) entry.pointer = LoadCursorA(program, MAKEINTRESOURCEA(row.pointer));
}

HWND ControlSet::Handle(int id) const {
  auto found = entries_.find(id);
  return found == entries_.end() ? nullptr : found->second.window;
}

ControlSet::Entry& ControlSet::At(int id) {
  auto found = entries_.find(id);
  if (found == entries_.end()) throw std::logic_error("no control " + std::to_string(id));
  return found->second;
}

const ControlSet::Entry& ControlSet::At(int id) const { return const_cast<ControlSet*>(this)->At(id); }

void ControlSet::SetCaption(int id, const std::string& text) {
  Entry& entry = At(id);
  Window(entry.window).SetText(text);
  if (entry.row.flags & kAutoSize) AutoSize(entry);
  FitCaption(entry);
}

void ControlSet::SetFont(int id, const FontStyle& style) {
  Entry& entry = At(id);
  if (entry.style == style && (entry.font || style == windowFontStyle_)) return;
  UniqueFont font = CreateScreenFont(style);
  const bool autoSize = (entry.row.flags & kAutoSize) != 0;
  // The control lets go of the old font here; an auto-size label is repainted once
  // it has its new size, not at its old one.
  SendMessageA(entry.window, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), autoSize ? FALSE : TRUE);
  entry.font = std::move(font);
  entry.style = style;
  if (autoSize) AutoSize(entry);
  FitCaption(entry);
}

// The design's sizes suit the design's font. The font a control really gets may be
// wider (where the system lacks "MS Sans Serif" it gives a substitute) or taller
// than the design allowed for (three lines on a button made for two): the control
// then grows just enough to show its caption whole, keeping its place (a centred
// label its centre). Where the caption fits, nothing moves.
void ControlSet::FitCaption(const Entry& entry) const {
  const ControlRow& row = entry.row;
  const bool pictureButton = row.kind == ControlKind::CommandButton && (row.flags & kGraphical);
  const bool captioned = row.kind == ControlKind::CommandButton || row.kind == ControlKind::OptionButton ||
                         row.kind == ControlKind::CheckBox || row.kind == ControlKind::Frame ||
                         (row.kind == ControlKind::Label && !(row.flags & kAutoSize));
  if (!captioned || pictureButton) return;
  const Window window(entry.window);
  const std::string text = window.Text();
  if (text.empty()) return;

  RECT client{};
  GetClientRect(entry.window, &client);
  const SIZE margins = CaptionMargins(row);
  const SIZE room{client.right - margins.cx, client.bottom - margins.cy};
  const bool wraps = row.kind == ControlKind::CommandButton || row.kind == ControlKind::Label;
  UINT flags = 0;
  if (row.kind == ControlKind::Label) flags = DT_EXPANDTABS | ((row.flags & kNoPrefix) ? DT_NOPREFIX : 0u);
  SIZE line = LaidOutCaption(entry.window, text, 0, flags);
  line.cx = DrawnWidth(reinterpret_cast<HFONT>(SendMessageA(entry.window, WM_GETFONT, 0, 0)), text,
                       flags & DT_NOPREFIX);
  // A caption on one line (a label one line high, an option's or a frame's) must
  // hold the width it is drawn at; a wrapped one, its lines.
  const bool oneLine = !wraps || (row.kind == ControlKind::Label && room.cy < 2 * line.cy);
  SIZE needs = oneLine ? line : LaidOutCaption(entry.window, text, std::max<LONG>(room.cx, 1), flags);
  // A frame's caption sits in its top edge: only its width counts.
  if (row.kind == ControlKind::Frame) needs.cy = 0;
  if (needs.cx <= room.cx && needs.cy <= room.cy) return;

  const SIZE grown{std::max(room.cx, needs.cx), std::max(room.cy, needs.cy)};
  const RECT bounds = window.Bounds();
  const int wider = grown.cx - room.cx;
  const int taller = grown.cy - room.cy;
  const int left = (row.flags & kCentred) ? bounds.left - wider / 2 : bounds.left;
  SetWindowPos(entry.window, nullptr, left, bounds.top, bounds.right - bounds.left + wider,
               bounds.bottom - bounds.top + taller, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ControlSet::SetColours(int id, COLORREF fore, COLORREF back) {
  Entry& entry = At(id);
  entry.fore = fore;
  entry.back = back;
  entry.backBrush.reset(back == kDefaultColour ? nullptr : CreateSolidBrush(back));
  InvalidateRect(entry.window, nullptr, TRUE);
}

HBRUSH ControlSet::ColoursFor(HWND control, HDC dc) const {
  auto id = ids_.find(control);
  if (id == ids_.end()) return nullptr;
  const Entry& entry = entries_.at(id->second);
  if (entry.row.flags & kTransparent) {
    SetTextColor(dc, entry.fore != kDefaultColour ? entry.fore : GetSysColor(COLOR_WINDOWTEXT));
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  }
  if (entry.fore == kDefaultColour && entry.back == kDefaultColour) return nullptr;
  const bool field = entry.row.kind == ControlKind::TextBox || IsList(entry.row.kind);
  const COLORREF back = entry.back != kDefaultColour ? entry.back : GetSysColor(field ? COLOR_WINDOW : COLOR_BTNFACE);
  SetTextColor(dc, entry.fore != kDefaultColour ? entry.fore : GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, back);
  return entry.backBrush ? entry.backBrush.get() : GetSysColorBrush(field ? COLOR_WINDOW : COLOR_BTNFACE);
}

void ControlSet::AutoSize(Entry& entry) {
  const Window window(entry.window);
  const HFONT font = entry.font ? entry.font.get() : windowFont_.get();
  const SIZE text = MeasureCaption(font, window.Text(), (entry.row.flags & kNoPrefix) != 0);
  const int border = (entry.row.flags & kBorder) ? 2 * GetSystemMetrics(SM_CXBORDER) : 0;
  const int width = text.cx + border;
  const int height = text.cy + border;

  const RECT before = window.Bounds();
  RECT container{};
  GetClientRect(GetParent(entry.window), &container);
  const int centreTimesTwo = ToPixels(2.0 * entry.row.rect.left + entry.row.rect.width);
  const int left = AutoSizedLeft(before.left, width, (entry.row.flags & kCentred) != 0, centreTimesTwo,
                                 container.right);
  SetWindowPos(entry.window, nullptr, left, before.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);

  // What the label covered before and covers now is painted afresh: the container
  // where it shrank away, the label itself where it grew or moved.
  RECT after{left, before.top, left + width, before.top + height};
  RECT dirty;
  UnionRect(&dirty, &before, &after);
  RedrawWindow(GetParent(entry.window), &dirty, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void ControlSet::SetPicture(int id, HICON icon) {
  Entry& entry = At(id);
  entry.picture = icon;
  if (entry.row.kind == ControlKind::CommandButton) {
    SetButtonPicture(entry.window, icon);
  } else {
    SetControlPicture(entry.window, icon);
  }
}

HCURSOR ControlSet::PointerFor(HWND control) const {
  auto id = ids_.find(control);
  return id == ids_.end() ? nullptr : entries_.at(id->second).pointer;
}

TwipRect ControlSet::RectOf(int id) const {
  const RECT rect = Window(At(id).window).Bounds();
  auto twips = [this](LONG pixels) { return PixelsToTwips(pixels, twipsPerPixel_); };
  return TwipRect{twips(rect.left), twips(rect.top), twips(rect.right - rect.left), twips(rect.bottom - rect.top)};
}

void ControlSet::Move(int id, const TwipRect& rect) {
  Window(At(id).window).Move(ToPixels(rect.left), ToPixels(rect.top), ToPixels(rect.width), ToPixels(rect.height));
}

HWND ControlSet::Tooltips() {
  if (!tooltips_) {
    tooltips_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form_, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  }
  return tooltips_;
}

void ControlSet::SetTooltip(int id, const std::string& text) {
  Entry& entry = At(id);
  if (entry.tooltip == text) return;
  const bool known = !entry.tooltip.empty();
  entry.tooltip = text;
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(entry.window);
  tool.uId = reinterpret_cast<UINT_PTR>(entry.window);
  tool.lpszText = entry.tooltip.data();
  if (text.empty()) {
    SendMessageA(Tooltips(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  } else {
    SendMessageA(Tooltips(), known ? TTM_UPDATETIPTEXTA : TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

}  // namespace glyvane
