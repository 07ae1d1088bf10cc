#pragma once
// The control array `Text`: 223 cells in Frame1, each a real child window that
// shows one byte code drawn by the current face, with its own id, its one-character
// text and its tooltip. Cells report their mouse events to the form like any control.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "common/win/fonts.h"
#include "common/win/unique.h"
#include "viewer/grid_layout.h"

namespace glyvane {

class CharGrid {
 public:
  CharGrid() = default;
  CharGrid(const CharGrid&) = delete;
  CharGrid& operator=(const CharGrid&) = delete;
  ~CharGrid();

  // Cell 0 as designed: in `frame` at its place, in the design font.
  void CreateFirstCell(HWND frame, int firstId, double twipsPerPixel, const FontStyle& design);
  // Cells 1 to 222 at start-up: copies of cell 0 with the given font size.
  void CreateCopies(double size);

  int Count() const { return static_cast<int>(cells_.size()); }
  HWND Cell(int index) const { return cells_.at(static_cast<size_t>(index)).window; }

  // Paints every cell as it paints itself, through one DC of the frame, and leaves
  // the cells with nothing more to paint: the grid's first painting, in one pass
  // rather than 223 (each of which costs a handful of round trips to Wine's server).
  // The frame must have been painted first.
  void PaintAll() const;

  void SetCaption(int index, const std::string& caption);
  const FontStyle& FontOf(int index) const { return cells_.at(static_cast<size_t>(index)).style; }
  // Every cell in one style (a restyle of the whole grid makes one font, not 223).
  void SetFontAll(const FontStyle& style);
  void SetFontSizeAll(double points);
  void SetTooltip(int index, const std::string& text);
  std::string Tooltip(int index) const;

 private:
  struct CellWindow {
    HWND window = nullptr;
    FontStyle style;
    RECT area{};  // in the frame, pixels
  };
  void CreateCell(int index, const FontStyle& style);
  HFONT SharedFont(const FontStyle& style);
  void ReleaseUnusedFonts();

  HWND frame_ = nullptr;
  int firstId_ = 0;
  double twipsPerPixel_ = 15.0;
  HWND tooltip_ = nullptr;
  std::vector<CellWindow> cells_;
  std::vector<std::string> tooltips_;
  // Cells in the same style share one GDI font.
  std::map<FontStyle, UniqueFont> fonts_;
};

}  // namespace glyvane
