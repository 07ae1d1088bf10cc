#include "common/win/control_table.h"

#include <stdexcept>

#include "common/twips.h"
#include "common/win/last_error.h"

namespace glyvane {

namespace {

DWORD StyleFor(const ControlSpec& spec) {
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  if (!(spec.flags & kHidden)) style |= WS_VISIBLE;
  if (spec.flags & kDisabled) style |= WS_DISABLED;
  if (spec.flags & kGroupStart) style |= WS_GROUP;
  const bool tabStop = !(spec.flags & kNoTabStop);
  switch (spec.kind) {
    case ControlKind::Frame:
      style |= BS_GROUPBOX | WS_CLIPCHILDREN;
      break;
    case ControlKind::ListBox:
    case ControlKind::FileListBox:
      style |= LBS_NOTIFY | LBS_HASSTRINGS | WS_VSCROLL | (tabStop ? WS_TABSTOP : 0);
      if (spec.flags & kSorted) style |= LBS_SORT;
      break;
    case ControlKind::CommandButton:
      style |= BS_PUSHBUTTON | (tabStop ? WS_TABSTOP : 0);
      break;
    case ControlKind::OptionButton:
      style |= BS_AUTORADIOBUTTON | (tabStop ? WS_TABSTOP : 0);
      break;
    case ControlKind::CheckBox:
      style |= BS_AUTOCHECKBOX | (tabStop ? WS_TABSTOP : 0);
      break;
    case ControlKind::Label:
      style |= (spec.flags & kCentred) ? SS_CENTER : SS_LEFT;
      if (spec.flags & kNoPrefix) style |= SS_NOPREFIX;
      if (spec.flags & kBorder) style |= WS_BORDER;
      break;
    case ControlKind::TextBox:
      style |= ES_AUTOHSCROLL | ES_LEFT | (tabStop ? WS_TABSTOP : 0);
      break;
    case ControlKind::PictureBox:
      style |= WS_CLIPCHILDREN;
      if (spec.flags & kBorder) style |= WS_BORDER;
      break;
  }
  return style;
}

DWORD ExStyleFor(const ControlSpec& spec) {
  switch (spec.kind) {
    case ControlKind::Frame:
    case ControlKind::PictureBox:
      return WS_EX_CONTROLPARENT;  // Tab walks into the controls it holds
    case ControlKind::ListBox:
    case ControlKind::FileListBox:
    case ControlKind::TextBox:
      return WS_EX_CLIENTEDGE;
    default:
      return 0;
  }
}

}  // namespace

void ControlSet::Create(HWND form, const ControlSpec* first, size_t count, const FontSpec& windowFont) {
  RegisterControlClasses();
  form_ = form;
  twipsPerPixel_ = ScreenTwipsPerPixel();
  windowFontSpec_ = windowFont;
  windowFont_ = CreateScreenFont(windowFont);
  for (size_t i = 0; i < count; ++i) Add(first[i]);
}

Window ControlSet::Add(const ControlSpec& spec) {
  const HWND parent = spec.parent == 0 ? form_ : At(spec.parent).window;
  const HWND window = CreateWindowExA(
      ExStyleFor(spec), ControlClassName(spec.kind), spec.caption ? spec.caption : "", StyleFor(spec),
      ToPixels(spec.left), ToPixels(spec.top), ToPixels(spec.width), ToPixels(spec.height), parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), GetModuleHandleA(nullptr), nullptr);
  if (!window) throw LastError();

  Entry& entry = entries_[spec.id];
  entry.window = window;
  entry.flags = spec.flags;
  entry.kind = spec.kind;
  if (spec.font.face || spec.font.size > 0 || spec.font.bold) {
    FontSpec font = windowFontSpec_;
    if (spec.font.face) font.face = spec.font.face;
    if (spec.font.size > 0) font.size = spec.font.size;
    font.bold = spec.font.bold;
    SetFont(spec.id, font);
  } else {
    entry.spec = windowFontSpec_;
    Window(window).SetFont(windowFont_.get());
    if (entry.flags & kAutoSize) AutoSize(entry);
  }
  if (spec.flags & kSelected) Button(window).SetChecked(true);
  return Window(window);
}

Window ControlSet::operator[](int id) const {
  auto found = entries_.find(id);
  return found == entries_.end() ? Window() : Window(found->second.window);
}

ControlSet::Entry& ControlSet::At(int id) {
  auto found = entries_.find(id);
  if (found == entries_.end()) throw std::logic_error("no control " + std::to_string(id));
  return found->second;
}

const ControlSet::Entry& ControlSet::At(int id) const {
  return const_cast<ControlSet*>(this)->At(id);
}

void ControlSet::SetCaption(int id, const std::string& text) {
  Entry& entry = At(id);
  Window(entry.window).SetText(text);
  if (entry.flags & kAutoSize) AutoSize(entry);
}

const FontSpec& ControlSet::FontOf(int id) const { return At(id).spec; }

void ControlSet::SetFont(int id, const FontSpec& spec) {
  Entry& entry = At(id);
  if (entry.font && entry.spec == spec) return;
  UniqueFont font = CreateScreenFont(spec);
  Window(entry.window).SetFont(font.get());  // the control lets go of the old font here
  entry.font = std::move(font);
  entry.spec = spec;
  if (entry.flags & kAutoSize) AutoSize(entry);
}

void ControlSet::AutoSize(Entry& entry) {
  const Window window(entry.window);
  const HFONT font = entry.font ? entry.font.get() : windowFont_.get();
  const SIZE text = MeasureText(font, window.Text());
  const int border = (entry.flags & kBorder) ? 2 * GetSystemMetrics(SM_CXBORDER) : 0;
  SetWindowPos(entry.window, nullptr, 0, 0, text.cx + border, text.cy + border,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ControlSet::MoveTwips(int id, int left, int top, int width, int height) {
  Window(At(id).window).Move(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
}

RECT ControlSet::BoundsTwips(int id) const {
  RECT rect = Window(At(id).window).Bounds();
  auto twips = [this](LONG pixels) { return static_cast<LONG>(std::lround(pixels * twipsPerPixel_)); };
  return RECT{twips(rect.left), twips(rect.top), twips(rect.right), twips(rect.bottom)};
}

int ControlSet::ToPixels(double twips) const { return TwipsToPixels(twips, twipsPerPixel_); }

}  // namespace glyvane
