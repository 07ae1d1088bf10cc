#include "viewer/char_grid.h"

#include <commctrl.h>

#include <algorithm>
#include <unordered_map>

#include "common/system/last_error.h"
#include "common/twips.h"
#include "common/win/control_classes.h"

namespace glyvane {

namespace {

constexpr const char* kCellClass = "Glyvane.CharCell";

// Each cell's font, kept in the process rather than in the window's extra bytes:
// Wine keeps those in its server, and a call there per cell is what makes 222
// windows slow to create and restyle.
std::unordered_map<HWND, HFONT>& CellFonts() {
  static std::unordered_map<HWND, HFONT> fonts;
  return fonts;
}

HFONT CellFont(HWND cell) {
  const auto found = CellFonts().find(cell);
  return found == CellFonts().end() ? nullptr : found->second;
}

// A cell's face in area: the window colour inside a frame line, and the character
// centred across, from the top as a label draws it.
void DrawCell(HDC dc, const RECT& area, const char* text, HFONT font) {
  FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOW));
  FrameRect(dc, &area, GetSysColorBrush(COLOR_WINDOWFRAME));
  SelectObjectGuard select(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  // The A function draws the byte itself: a symbol font shows its own glyph for it.
  // "&" is a character, not a prefix; the text is clipped inside the frame line.
  RECT inside = area;
  InflateRect(&inside, -1, -1);
  DrawTextA(dc, text, text[0] ? 1 : 0, &inside, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
}

void PaintCell(HWND cell) {
  PaintGuard paint(cell);
  RECT area;
  GetClientRect(cell, &area);
  char text[2] = {};
  GetWindowTextA(cell, text, sizeof text);
  DrawCell(paint.dc(), area, text, CellFont(cell));
}

LRESULT CALLBACK CellProcedure(HWND cell, UINT message, WPARAM wParam, LPARAM lParam) {
  ReportMouseEvent(cell, message, wParam, lParam);
  switch (message) {
    case WM_PAINT:
      PaintCell(cell);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_NCPAINT:
      return 0;  // a cell is all client area: nothing to draw around it
    case WM_SETFONT:
      CellFonts()[cell] = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) InvalidateRect(cell, nullptr, FALSE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(CellFont(cell));
    case WM_NCDESTROY:
      CellFonts().erase(cell);
      return DefWindowProcA(cell, message, wParam, lParam);
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcA(cell, message, wParam, lParam);
      InvalidateRect(cell, nullptr, FALSE);
      return result;
    }
    // The magnifier shows while a button is held: the release must come back here
    // even when the pointer has left the cell.
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      SetCapture(cell);
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      if (GetCapture() == cell && !(wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) ReleaseCapture();
      return 0;
    case WM_GETDLGCODE:
      return DLGC_STATIC;
    default:
      return DefWindowProcA(cell, message, wParam, lParam);
  }
}

void RegisterCellClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = &CellProcedure;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kCellClass;
  RegisterClassExA(&wc);
  registered = true;
}

}  // namespace

CharGrid::~CharGrid() {
  // The cells die with the frame, and the tooltip window, a popup owned by the form,
  // with the form.
  // Only the fonts are ours, and the cells must stop using them first.
  for (CellWindow& cell : cells_) CellFonts().erase(cell.window);
}

void CharGrid::CreateFirstCell(HWND frame, int firstId, double twipsPerPixel, const FontStyle& design) {
  RegisterCellClass();
  frame_ = frame;
  firstId_ = firstId;
  twipsPerPixel_ = twipsPerPixel;
  tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                             GetAncestor(frame, GA_ROOT), nullptr, GetModuleHandleA(nullptr), nullptr);
  cells_.reserve(kCellCount);
  CreateCell(0, design);
}

void CharGrid::CreateCopies(double size) {
  FontStyle style = cells_.at(0).style;
  style.size = size;
  for (int i = 1; i < kCellCount; ++i) CreateCell(i, style);
}

void CharGrid::CreateCell(int index, const FontStyle& style) {
  const TwipRect rect = CellRect(index);
  // Cell 0 gets its caption from the form, as designed; the copies are created
  // with theirs, which spares a second text and a repaint per cell.
  const char caption[2] = {index == 0 ? '\0' : static_cast<char>(CellCode(index)), '\0'};
  // No WM_PARENTNOTIFY: nothing listens for it, and it would travel up to the form
  // for each of the 222 cells.
  const int left = TwipsToPixels(rect.left, twipsPerPixel_);
  const int top = TwipsToPixels(rect.top, twipsPerPixel_);
  const int width = TwipsToPixels(rect.width, twipsPerPixel_);
  const int height = TwipsToPixels(rect.height, twipsPerPixel_);
  const HWND window = CreateWindowExA(WS_EX_NOPARENTNOTIFY, kCellClass, caption, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                                      left, top, width, height, frame_,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstId_ + index)),
                                      GetModuleHandleA(nullptr), nullptr);
  if (!window) throw LastError();
  cells_.push_back(CellWindow{window, style, {left, top, left + width, top + height}});
  tooltips_.emplace_back();
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(SharedFont(style)), FALSE);
}

void CharGrid::PaintAll() const {
  const HDC dc = GetDCEx(frame_, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
  if (!dc) return;
  // Neighbours overlap by a pixel or two, where the cell higher in the z-order shows:
  // each cell lies below those created before it, so the last is drawn first.
  for (auto cell = cells_.rbegin(); cell != cells_.rend(); ++cell) {
    char text[2] = {};
    GetWindowTextA(cell->window, text, sizeof text);
    DrawCell(dc, cell->area, text, CellFont(cell->window));
  }
  ReleaseDC(frame_, dc);
  RedrawWindow(frame_, nullptr, nullptr, RDW_VALIDATE | RDW_ALLCHILDREN | RDW_NOFRAME);
}

void CharGrid::SetCaption(int index, const std::string& caption) { SetWindowTextA(Cell(index), caption.c_str()); }

void CharGrid::SetFontAll(const FontStyle& style) {
  const HFONT font = SharedFont(style);
  bool changed = false;
  for (CellWindow& cell : cells_) {
    if (cell.style == style) continue;
    cell.style = style;
    SendMessageA(cell.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    changed = true;
  }
  // One repaint of the grid rather than one request per cell.
  if (changed) RedrawWindow(frame_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
  ReleaseUnusedFonts();
}

void CharGrid::SetFontSizeAll(double points) {
  FontStyle style = FontOf(0);
  style.size = points;
  SetFontAll(style);
}

// A cell has no tooltip until the pointer first moves over it: registering 223 tools
// up front would cost a good part of the start-up.
void CharGrid::SetTooltip(int index, const std::string& text) {
  std::string& current = tooltips_.at(static_cast<size_t>(index));
  if (current == text) return;
  const bool known = !current.empty();
  current = text;
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = frame_;
  tool.uId = reinterpret_cast<UINT_PTR>(Cell(index));
  tool.lpszText = current.data();
  SendMessageA(tooltip_, known ? TTM_UPDATETIPTEXTA : TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

std::string CharGrid::Tooltip(int index) const { return tooltips_.at(static_cast<size_t>(index)); }

HFONT CharGrid::SharedFont(const FontStyle& style) {
  auto found = fonts_.find(style);
  if (found == fonts_.end()) found = fonts_.emplace(style, CreateScreenFont(style)).first;
  return found->second.get();
}

void CharGrid::ReleaseUnusedFonts() {
  for (auto it = fonts_.begin(); it != fonts_.end();) {
    const FontStyle& style = it->first;
    const bool used = std::any_of(cells_.begin(), cells_.end(),
                                  [&style](const CellWindow& cell) { return cell.style == style; });
    it = used ? std::next(it) : fonts_.erase(it);
  }
}

}  // namespace glyvane
