#pragma once
// What a picture box shows when the program draws into it: a bitmap of the box's
// size, drawn with the box's font and colours, that the box shows again at every
// repaint until it is drawn anew. Texts are printed at a current position that moves
// to the start of the next line after each one.
#include <windows.h>

#include <string>

#include "common/win/window.h"
#include "common/win/unique.h"

namespace glyvane {

class PictureCanvas {
 public:
  PictureCanvas() = default;
  // The canvas of a picture box, cleared to white; the box shows it from now on.
  explicit PictureCanvas(Window box);
  ~PictureCanvas();
  PictureCanvas(const PictureCanvas&) = delete;
  PictureCanvas& operator=(const PictureCanvas&) = delete;
  PictureCanvas(PictureCanvas&& other) noexcept;
  PictureCanvas& operator=(PictureCanvas&& other) noexcept;

  explicit operator bool() const { return static_cast<bool>(dc_); }
  HDC dc() const { return dc_.get(); }
  SIZE size() const { return size_; }

  void SetColours(COLORREF fore, COLORREF back);
  COLORREF fore() const { return fore_; }
  COLORREF back() const { return back_; }
  // Fills the whole canvas with the back colour; the position goes to the top-left.
  void Clear();
  // Prints text at the current position in the fore colour, over what is there.
  void Print(const std::string& text);
  void SetPosition(POINT position) { position_ = position; }
  // Size of a text in the box's font (pixels; the empty text is one line high).
  SIZE Measure(const std::string& text) const;

  // Puts what was drawn on the screen now.
  void Refresh() const;

 private:
  void Release();

  HWND box_ = nullptr;
  SIZE size_{};
  UniqueDC dc_;
  UniqueBitmap bitmap_;
  HGDIOBJ oldBitmap_ = nullptr;
  HGDIOBJ oldFont_ = nullptr;
  COLORREF fore_ = RGB(0, 0, 0);
  COLORREF back_ = RGB(255, 255, 255);
  POINT position_{0, 0};
};

}  // namespace glyvane
